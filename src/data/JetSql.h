#pragma once

#include "data/Schema.h"

#include <QString>
#include <optional>

namespace vindel::JetSql {

// One Jet statement made fit for SQLite. Most statements translate to one SQLite statement;
// ALTER COLUMN cannot, so it is returned as a column change for the caller to carry out.
struct Translation {
    QString sql; // empty for a column change
    struct ColumnChange {
        QString table;
        QString column;
        ColumnKind kind;
        int width;
    };
    std::optional<ColumnChange> alterColumn;
};

// Throws DatabaseError for a statement it cannot read (an unterminated literal, say).
Translation translate(const QString &jetSql);

// A Jet SELECT as SQLite text; throws DatabaseError for a statement that yields no rows.
QString translateSelect(const QString &jetSql);

// Maps a Jet type name (String, Text(50), Integer, Long, Counter, Memo, Date, YesNo, ...).
std::optional<ColumnDef> jetType(const QString &typeName, int width);

} // namespace vindel::JetSql
