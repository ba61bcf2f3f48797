#pragma once

#include "data/DatabaseError.h"
#include "data/Schema.h"

#include <QString>
#include <QVariant>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace vindel {

// A compiled filter expression in the grammar the table objects take:
//   clause   := "(" column op value ")" | column op value
//   op       := LIKE | = | <> | < | > | <= | >=
//   value    := 'quoted text' (with '' for a quote) | unquoted token (number or word)
//   expr     := clause joined by AND / OR, with parentheses; AND binds tighter than OR.
// Text comparison ignores case (Unicode, umlauts too). In LIKE patterns * and % match any run of
// characters; _ is an ordinary character. NULL reads as the empty text. A number column compared
// with a number compares numbers; LIKE on a number column compares its decimal text.
// Row values are as Dataset stores them (QString, qint64, ISO date text, null).
class RowFilter {
public:
    // Throws DatabaseError with a German message for an invalid expression or an unknown column.
    static std::unique_ptr<RowFilter> compile(const QString &expression, const std::vector<ColumnDef> &columns);
    virtual ~RowFilter() = default;
    virtual bool matches(std::span<const QVariant> row) const = 0;

    // When the whole expression is one text column compared with "=" to a quoted value, the rows
    // it lets through are exactly those whose indexKey() of the column equals `key`.
    struct EqualityKey {
        int column;
        QString key;
    };
    virtual std::optional<EqualityKey> equalityKey() const = 0;
    // An equality that every row the expression lets through meets, though it may ask more (one
    // clause of an AND, or a LIKE without wildcards): the rows to test are those of the index.
    virtual std::optional<EqualityKey> requiredEquality() const = 0;
    // A column text as the equality comparison sees it (case folded; NULL is "").
    static QString indexKey(const QVariant &value);

    // Texts some columns must begin with (folded) for a row to pass: the LIKE clauses with a
    // literal start that the whole expression needs (the only clause, or one joined by AND).
    struct Prefix {
        int column;
        QString folded;
    };
    virtual std::vector<Prefix> requiredPrefixes() const = 0;
    // The expression asks nothing but its required prefixes (clauses "column LIKE 'text*'").
    virtual bool onlyPrefixes() const = 0;
    // A column text folded as LIKE and = compare it (NULL is "").
    static QString folded(const QVariant &value) { return indexKey(value); }
};

// The one way values enter filter expressions: 'text' with every apostrophe doubled.
QString filterQuoted(const QString &value);

} // namespace vindel
