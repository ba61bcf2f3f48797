#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace vindel {

// The kinds of values a column holds, as the program sees them.
enum class ColumnKind { AutoNumber, Integer, Text, Memo, DateTime, YesNo };

struct ColumnDef {
    QString name;
    ColumnKind kind = ColumnKind::Text;
    int width = 0; // characters for Text, 0 otherwise

    bool isTextual() const { return kind == ColumnKind::Text || kind == ColumnKind::Memo; }
    bool isNumeric() const
    {
        return kind == ColumnKind::AutoNumber || kind == ColumnKind::Integer || kind == ColumnKind::YesNo;
    }
};

struct TableDef {
    QString name;
    std::vector<ColumnDef> columns;

    const ColumnDef *column(const QString &columnName) const; // name matched without case
};

namespace Schema {

// The twelve tables of the current schema, in creation order.
const std::vector<TableDef> &tables();
const TableDef *table(const QString &name);
// The tables every plant database has held since its first version; the upgrade creates the
// others. A file without them is no plant database of this program.
QStringList requiredTableNames();

// The columns the plant cursor exposes, in this order. Opening it fails when the database
// lacks one of them or holds Düngung/Boden in another kind.
const TableDef &plantTable();

// SQLite declared type of a column kind; kindFromDeclaredType() reads it back.
QString declaredType(const ColumnDef &column);
ColumnDef columnFromDeclaration(const QString &name, const QString &declaredType, bool primaryKey);

QString createTableSql(const TableDef &table);
// Indexes the program keeps for its own lookups (they change nothing the user sees): the diary
// entries of one plant.
QStringList createIndexSql();
QString quoteIdentifier(const QString &name);

} // namespace Schema
} // namespace vindel
