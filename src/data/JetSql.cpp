#include "data/JetSql.h"

#include "data/DatabaseError.h"

#include <vector>

namespace vindel::JetSql {

namespace {

enum class TokenKind { Word, Number, String, Identifier, Symbol };

struct Token {
    TokenKind kind;
    QString text; // for String/Identifier: the contents, unquoted
    bool is(const char *word) const
    {
        return kind == TokenKind::Word && text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    bool isSymbol(QChar c) const { return kind == TokenKind::Symbol && text == c; }
};

std::vector<Token> tokenize(const QString &s)
{
    std::vector<Token> out;
    int i = 0;
    const int n = s.size();
    while (i < n) {
        const QChar c = s[i];
        if (c.isSpace()) {
            ++i;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            QString value;
            ++i;
            bool closed = false;
            while (i < n) {
                if (s[i] == c) {
                    if (i + 1 < n && s[i + 1] == c) {
                        value += c;
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                value += s[i++];
            }
            if (!closed)
                throw DatabaseError(QStringLiteral("Ungültige SQL-Anweisung: Zeichenkette ohne Ende in »%1«").arg(s));
            out.push_back({TokenKind::String, value});
        } else if (c == QLatin1Char('[')) {
            const int end = s.indexOf(QLatin1Char(']'), i);
            if (end < 0)
                throw DatabaseError(QStringLiteral("Ungültige SQL-Anweisung: »[« ohne »]« in »%1«").arg(s));
            out.push_back({TokenKind::Identifier, s.mid(i + 1, end - i - 1)});
            i = end + 1;
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            int j = i;
            while (j < n && (s[j].isLetterOrNumber() || s[j] == QLatin1Char('_')))
                ++j;
            out.push_back({TokenKind::Word, s.mid(i, j - i)});
            i = j;
        } else if (c.isDigit()) {
            int j = i;
            while (j < n && (s[j].isDigit() || s[j] == QLatin1Char('.')))
                ++j;
            out.push_back({TokenKind::Number, s.mid(i, j - i)});
            i = j;
        } else {
            // Two-character operators stay together.
            if (i + 1 < n) {
                const QString two = s.mid(i, 2);
                if (two == QLatin1String("<>") || two == QLatin1String("<=") || two == QLatin1String(">=")) {
                    out.push_back({TokenKind::Symbol, two});
                    i += 2;
                    continue;
                }
            }
            out.push_back({TokenKind::Symbol, QString(c)});
            ++i;
        }
    }
    return out;
}

QString render(const Token &t)
{
    switch (t.kind) {
    case TokenKind::String: {
        QString v = t.text;
        v.replace(QLatin1Char('\''), QLatin1String("''"));
        return QLatin1Char('\'') + v + QLatin1Char('\'');
    }
    case TokenKind::Identifier:
        return Schema::quoteIdentifier(t.text);
    default:
        return t.text;
    }
}

QString render(const std::vector<Token> &tokens, size_t from = 0, size_t to = SIZE_MAX)
{
    QStringList parts;
    for (size_t i = from; i < tokens.size() && i < to; ++i)
        parts << render(tokens[i]);
    return parts.join(QLatin1Char(' '));
}

QString nameOf(const Token &t) { return t.text; }

// Reads "type [ ( n ) ]" starting at i; advances i.
ColumnDef readType(const std::vector<Token> &tk, size_t &i, const QString &columnName)
{
    if (i >= tk.size() || tk[i].kind != TokenKind::Word)
        throw DatabaseError(QStringLiteral("Ungültige SQL-Anweisung: Typ der Spalte »%1« fehlt").arg(columnName));
    const QString typeName = tk[i].text;
    ++i;
    int width = 0;
    if (i + 2 < tk.size() && tk[i].isSymbol(QLatin1Char('(')) && tk[i + 1].kind == TokenKind::Number
        && tk[i + 2].isSymbol(QLatin1Char(')'))) {
        width = tk[i + 1].text.toInt();
        i += 3;
    }
    auto def = jetType(typeName, width);
    if (!def)
        throw DatabaseError(QStringLiteral("Unbekannter Datentyp »%1« für die Spalte »%2«").arg(typeName, columnName));
    def->name = columnName;
    return *def;
}

QString columnSql(const ColumnDef &c)
{
    QString s = Schema::quoteIdentifier(c.name) + QLatin1Char(' ') + Schema::declaredType(c);
    if (c.kind == ColumnKind::AutoNumber)
        s += QLatin1String(" PRIMARY KEY AUTOINCREMENT");
    return s;
}

Translation translateCreateTable(const std::vector<Token> &tk)
{
    // CREATE TABLE name ( col type [(n)], ..., PRIMARY KEY ( col ) )
    size_t i = 2;
    if (i >= tk.size())
        throw DatabaseError(QStringLiteral("Ungültige SQL-Anweisung: Tabellenname fehlt"));
    const QString table = nameOf(tk[i++]);
    if (i >= tk.size() || !tk[i].isSymbol(QLatin1Char('(')))
        throw DatabaseError(QStringLiteral("Ungültige SQL-Anweisung: »(« fehlt nach CREATE TABLE %1").arg(table));
    ++i;
    std::vector<ColumnDef> cols;
    QString primaryKey;
    while (i < tk.size() && !tk[i].isSymbol(QLatin1Char(')'))) {
        if (tk[i].is("PRIMARY")) {
            // PRIMARY KEY ( col )
            if (i + 4 >= tk.size() || !tk[i + 1].is("KEY") || !tk[i + 2].isSymbol(QLatin1Char('('))
                || !tk[i + 4].isSymbol(QLatin1Char(')')))
                throw DatabaseError(QStringLiteral("Ungültige SQL-Anweisung: PRIMARY KEY unvollständig"));
            primaryKey = nameOf(tk[i + 3]);
            i += 5;
        } else {
            const QString col = nameOf(tk[i++]);
            cols.push_back(readType(tk, i, col));
        }
        if (i < tk.size() && tk[i].isSymbol(QLatin1Char(',')))
            ++i;
    }
    if (i >= tk.size())
        throw DatabaseError(QStringLiteral("Ungültige SQL-Anweisung: »)« fehlt nach CREATE TABLE %1").arg(table));
    QStringList defs;
    for (ColumnDef &c : cols) {
        if (!primaryKey.isEmpty() && c.name.compare(primaryKey, Qt::CaseInsensitive) == 0
            && c.kind == ColumnKind::Integer)
            c.kind = ColumnKind::AutoNumber; // an integer key numbered by the engine
        defs << columnSql(c);
    }
    bool keyIsAuto = false;
    for (const ColumnDef &c : cols)
        keyIsAuto |= c.kind == ColumnKind::AutoNumber;
    if (!primaryKey.isEmpty() && !keyIsAuto)
        defs << QStringLiteral("PRIMARY KEY (%1)").arg(Schema::quoteIdentifier(primaryKey));
    return {QStringLiteral("CREATE TABLE %1 (%2)").arg(Schema::quoteIdentifier(table), defs.join(QLatin1String(", "))),
            std::nullopt};
}

} // namespace

QString translateSelect(const QString &jetSql)
{
    const Translation t = translate(jetSql);
    if (t.alterColumn || !t.sql.startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive))
        throw DatabaseError(QStringLiteral("Die Anweisung liefert keine Datensätze: %1").arg(jetSql));
    return t.sql;
}

std::optional<ColumnDef> jetType(const QString &typeName, int width)
{
    const QString t = typeName.toLower();
    if (t == QLatin1String("string") || t == QLatin1String("text") || t == QLatin1String("varchar")
        || t == QLatin1String("char"))
        return ColumnDef{QString(), ColumnKind::Text, width > 0 ? width : 255};
    if (t == QLatin1String("integer") || t == QLatin1String("long") || t == QLatin1String("int")
        || t == QLatin1String("smallint") || t == QLatin1String("short") || t == QLatin1String("byte"))
        return ColumnDef{QString(), ColumnKind::Integer, 0};
    if (t == QLatin1String("counter") || t == QLatin1String("autoincrement"))
        return ColumnDef{QString(), ColumnKind::AutoNumber, 0};
    if (t == QLatin1String("memo") || t == QLatin1String("longtext"))
        return ColumnDef{QString(), ColumnKind::Memo, 0};
    if (t == QLatin1String("date") || t == QLatin1String("datetime") || t == QLatin1String("time"))
        return ColumnDef{QString(), ColumnKind::DateTime, 0};
    if (t == QLatin1String("yesno") || t == QLatin1String("bit") || t == QLatin1String("logical"))
        return ColumnDef{QString(), ColumnKind::YesNo, 0};
    return std::nullopt;
}

Translation translate(const QString &jetSql)
{
    const std::vector<Token> tk = tokenize(jetSql);
    if (tk.empty())
        throw DatabaseError(QStringLiteral("Leere SQL-Anweisung"));

    // SELECT TOP n ... -> SELECT ... LIMIT n
    if (tk[0].is("SELECT") && tk.size() > 2 && tk[1].is("TOP") && tk[2].kind == TokenKind::Number)
        return {QStringLiteral("SELECT %1 LIMIT %2").arg(render(tk, 3), tk[2].text), std::nullopt};

    // ALTER TABLE t ADD [COLUMN] c type | ALTER TABLE t ALTER [COLUMN] c type
    if (tk[0].is("ALTER") && tk.size() > 4 && tk[1].is("TABLE") && (tk[3].is("ADD") || tk[3].is("ALTER"))) {
        const QString table = nameOf(tk[2]);
        const bool adding = tk[3].is("ADD");
        size_t i = 4;
        if (tk[i].is("COLUMN"))
            ++i;
        if (i >= tk.size())
            throw DatabaseError(QStringLiteral("Ungültige SQL-Anweisung: Spaltenname fehlt"));
        const QString column = nameOf(tk[i++]);
        const ColumnDef def = readType(tk, i, column);
        if (!adding)
            return {QString(), Translation::ColumnChange{table, column, def.kind, def.width}};
        if (def.kind == ColumnKind::AutoNumber)
            throw DatabaseError(QStringLiteral("Eine Zählerspalte kann nicht nachträglich angefügt werden"));
        return {QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(Schema::quoteIdentifier(table), columnSql(def)),
                std::nullopt};
    }

    if (tk[0].is("CREATE") && tk.size() > 2 && tk[1].is("TABLE"))
        return translateCreateTable(tk);

    return {render(tk), std::nullopt};
}

} // namespace vindel::JetSql
