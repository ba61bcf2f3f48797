#include "data/RowFilter.h"

#include "data/ShortDate.h"

#include <QDateTime>

#include <algorithm>
#include <memory>
#include <optional>

namespace vindel {

QString filterQuoted(const QString &value)
{
    QString quoted = value;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

namespace {

using Row = std::span<const QVariant>;

enum class Op { Like, Eq, Ne, Lt, Gt, Le, Ge };

// Deeper nesting than any program-built filter; keeps a hostile expression from exhausting the stack.
constexpr int MaxDepth = 64;

// ---------------------------------------------------------------------------------------------
// Case folding, one code point at a time, so that a folded pattern and a row text compared
// position by position always agree (no length changes as with "ß" -> "ss").

// Folded form of every UTF-16 unit outside the surrogates, built once: folding is then one load.
const char16_t *foldTable()
{
    static const std::unique_ptr<char16_t[]> table = [] {
        auto t = std::make_unique<char16_t[]>(0x10000);
        for (char32_t c = 0; c < 0x10000; ++c) {
            const char32_t f = QChar::isSurrogate(c) ? c : QChar::toCaseFolded(c);
            t[c] = QChar::requiresSurrogates(f) ? char16_t(c) : char16_t(f);
        }
        return t;
    }();
    return table.get();
}

inline char32_t foldedAt(QStringView s, qsizetype i, int &len)
{
    static const char16_t *const table = foldTable();
    const char16_t c = s[i].unicode();
    len = 1;
    if (!QChar::isHighSurrogate(c))
        return table[c];
    if (i + 1 < s.size() && QChar::isLowSurrogate(s[i + 1].unicode())) {
        len = 2;
        return QChar::toCaseFolded(QChar::surrogateToUcs4(c, s[i + 1].unicode()));
    }
    return c;
}

inline char32_t codePointAt(QStringView s, qsizetype i, int &len)
{
    const char16_t c = s[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < s.size() && QChar::isLowSurrogate(s[i + 1].unicode())) {
        len = 2;
        return QChar::surrogateToUcs4(c, s[i + 1].unicode());
    }
    len = 1;
    return c;
}

QString foldText(QStringView s)
{
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size();) {
        int len;
        const char32_t c = foldedAt(s, i, len);
        if (QChar::requiresSurrogates(c)) {
            out += QChar(QChar::highSurrogate(c));
            out += QChar(QChar::lowSurrogate(c));
        } else {
            out += QChar(char16_t(c));
        }
        i += len;
    }
    return out;
}

// Does the (unfolded) text at pos start with the folded pattern? Caller ensures room.
inline bool foldedMatchAt(QStringView text, qsizetype pos, QStringView folded)
{
    for (qsizetype i = 0; i < folded.size();) {
        int tl, pl;
        if (foldedAt(text, pos + i, tl) != codePointAt(folded, i, pl) || tl != pl)
            return false;
        i += pl;
    }
    return true;
}

inline bool foldedEquals(QStringView text, QStringView folded)
{
    return text.size() == folded.size() && foldedMatchAt(text, 0, folded);
}

// Three-way comparison of text (unfolded) against a folded literal.
int foldedCompare(QStringView text, QStringView folded)
{
    qsizetype i = 0, j = 0;
    while (i < text.size() && j < folded.size()) {
        int tl, pl;
        const char32_t a = foldedAt(text, i, tl);
        const char32_t b = codePointAt(folded, j, pl);
        if (a != b)
            return a < b ? -1 : 1;
        i += tl;
        j += pl;
    }
    if (i < text.size())
        return 1;
    return j < folded.size() ? -1 : 0;
}

// First position in [from, to) where the folded needle starts, or -1.
qsizetype foldedIndexOf(QStringView text, qsizetype from, qsizetype to, QStringView needle)
{
    const qsizetype last = to - needle.size();
    if (needle.isEmpty())
        return from <= to ? from : -1;
    int nl;
    const char32_t first = codePointAt(needle, 0, nl);
    if (nl == 1) {
        // Surrogates fold to themselves in the table, so a plain unit scan finds every candidate.
        const char16_t *table = foldTable();
        const char16_t *d = text.utf16();
        for (qsizetype p = from; p <= last; ++p)
            if (table[d[p]] == first && foldedMatchAt(text, p, needle))
                return p;
        return -1;
    }
    for (qsizetype p = from; p <= last; ++p) {
        int tl;
        if (foldedAt(text, p, tl) == first && foldedMatchAt(text, p, needle))
            return p;
    }
    return -1;
}

// A LIKE pattern: literal pieces between the wildcards * and %, folded once.
class Glob {
public:
    explicit Glob(const QString &pattern)
    {
        QStringList parts;
        QString piece;
        for (QChar c : pattern) {
            if (c == QLatin1Char('*') || c == QLatin1Char('%')) {
                parts << foldText(piece);
                piece.clear();
            } else {
                piece += c;
            }
        }
        parts << foldText(piece);
        if (parts.size() == 1) {
            m_exact = true;
            m_first = parts.front();
            return;
        }
        m_first = parts.front();
        m_last = parts.back();
        for (qsizetype i = 1; i + 1 < parts.size(); ++i)
            if (!parts[i].isEmpty())
                m_middle.push_back(parts[i]);
        m_any = m_first.isEmpty() && m_last.isEmpty() && m_middle.empty();
    }

    bool matches(QStringView text) const
    {
        if (m_exact)
            return foldedEquals(text, m_first);
        if (m_any)
            return true;
        const qsizetype n = text.size();
        if (n < m_first.size() + m_last.size())
            return false;
        if (!m_first.isEmpty() && !foldedMatchAt(text, 0, m_first))
            return false;
        const qsizetype end = n - m_last.size();
        if (!m_last.isEmpty() && !foldedMatchAt(text, end, m_last))
            return false;
        qsizetype pos = m_first.size();
        for (const QString &m : m_middle) {
            const qsizetype at = foldedIndexOf(text, pos, end, m);
            if (at < 0)
                return false;
            pos = at + m.size();
        }
        return true;
    }

    // The folded text every match begins with.
    const QString &literalStart() const { return m_first; }
    // The pattern is that text and one wildcard after it.
    bool onlyStart() const { return !m_exact && !m_any && m_last.isEmpty() && m_middle.empty(); }
    // The pattern holds no wildcard.
    bool exact() const { return m_exact; }

private:
    bool m_exact = false;
    bool m_any = false;
    QString m_first, m_last;
    std::vector<QString> m_middle;
};

// ---------------------------------------------------------------------------------------------
// Row values.

// Holds the decimal text of a number without touching the heap.
struct TextBuffer {
    char16_t digits[24];
    QString owned;
};

const QVariant &valueAt(Row row, int column)
{
    static const QVariant null;
    return column < int(row.size()) ? row[size_t(column)] : null;
}

QStringView integerText(qint64 v, TextBuffer &buf)
{
    char16_t *end = buf.digits + std::size(buf.digits);
    char16_t *p = end;
    quint64 u = v < 0 ? quint64(0) - quint64(v) : quint64(v);
    do {
        *--p = char16_t(u'0' + u % 10);
        u /= 10;
    } while (u != 0);
    if (v < 0)
        *--p = u'-';
    return QStringView(p, end - p);
}

// The value as text; NULL reads as the empty text.
QStringView textOf(const QVariant &v, TextBuffer &buf)
{
    switch (v.typeId()) {
    case QMetaType::UnknownType:
        return {};
    case QMetaType::QString:
        return *static_cast<const QString *>(v.constData());
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::Short:
        return integerText(v.toLongLong(), buf);
    case QMetaType::Bool:
        return integerText(v.toBool() ? 1 : 0, buf);
    default:
        buf.owned = v.toString();
        return buf.owned;
    }
}

struct Number {
    bool isInteger = true;
    qint64 i = 0;
    double d = 0;
};

std::optional<Number> parseNumber(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const qint64 i = text.toLongLong(&ok);
    if (ok)
        return Number{true, i, double(i)};
    const double d = text.toDouble(&ok);
    if (ok)
        return Number{false, 0, d};
    return std::nullopt;
}

std::optional<Number> numberOf(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::UnknownType:
        return std::nullopt;
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::Short:
    case QMetaType::Bool: {
        const qint64 i = v.toLongLong();
        return Number{true, i, double(i)};
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return Number{false, 0, v.toDouble()};
    case QMetaType::QString:
        return parseNumber(*static_cast<const QString *>(v.constData()));
    default:
        return parseNumber(v.toString());
    }
}

int compareNumbers(const Number &a, const Number &b)
{
    if (a.isInteger && b.isInteger)
        return a.i < b.i ? -1 : (a.i > b.i ? 1 : 0);
    const double x = a.isInteger ? double(a.i) : a.d;
    const double y = b.isInteger ? double(b.i) : b.d;
    return x < y ? -1 : (x > y ? 1 : 0);
}

inline bool holds(int cmp, Op op)
{
    switch (op) {
    case Op::Eq:
    case Op::Like:
        return cmp == 0;
    case Op::Ne:
        return cmp != 0;
    case Op::Lt:
        return cmp < 0;
    case Op::Gt:
        return cmp > 0;
    case Op::Le:
        return cmp <= 0;
    case Op::Ge:
        return cmp >= 0;
    }
    return false;
}

// A value that cannot be compared (not a number, not a date) only differs.
inline bool incomparable(Op op) { return op == Op::Ne; }

// Dates compare as their storage text "yyyy-MM-dd hh:mm:ss", which sorts chronologically.
std::optional<QString> literalDate(QString text)
{
    text = text.trimmed();
    if (text.size() >= 2 && text.startsWith(QLatin1Char('#')) && text.endsWith(QLatin1Char('#')))
        text = text.mid(1, text.size() - 2).trimmed();
    if (text.isEmpty())
        return std::nullopt;
    if (const auto german = ShortDate::parseDateTime(text))
        return ShortDate::toStorage(*german);
    if (text.contains(QLatin1Char('-'))) {
        const QDateTime iso = ShortDate::fromStorage(text);
        if (iso.isValid())
            return ShortDate::toStorage(iso);
    }
    return std::nullopt;
}

inline bool looksLikeStorage(QStringView s)
{
    return s.size() == 19 && s[4] == u'-' && s[7] == u'-' && s[10] == u' ' && s[13] == u':' && s[16] == u':';
}

// ---------------------------------------------------------------------------------------------
// The compiled expression tree.

class Node {
public:
    virtual ~Node() = default;
    virtual bool eval(Row row) const = 0;
    virtual std::optional<RowFilter::EqualityKey> equalityKey() const { return std::nullopt; }
    // An equality every row that passes must meet (the node may ask more).
    virtual std::optional<RowFilter::EqualityKey> requiredEquality() const { return equalityKey(); }
    virtual void collectPrefixes(std::vector<RowFilter::Prefix> &) const {}
    // All this node asks is in the prefixes it collects.
    virtual bool onlyPrefixes() const { return false; }
};

using NodePtr = std::unique_ptr<Node>;

class AndNode final : public Node {
public:
    std::vector<NodePtr> parts;
    bool eval(Row row) const override
    {
        for (const NodePtr &p : parts)
            if (!p->eval(row))
                return false;
        return true;
    }
    void collectPrefixes(std::vector<RowFilter::Prefix> &out) const override
    {
        for (const NodePtr &p : parts)
            p->collectPrefixes(out);
    }
    std::optional<RowFilter::EqualityKey> requiredEquality() const override
    {
        for (const NodePtr &p : parts)
            if (auto key = p->requiredEquality())
                return key;
        return std::nullopt;
    }
    bool onlyPrefixes() const override
    {
        return std::all_of(parts.begin(), parts.end(), [](const NodePtr &p) { return p->onlyPrefixes(); });
    }
};

class OrNode final : public Node {
public:
    std::vector<NodePtr> parts;
    bool eval(Row row) const override
    {
        for (const NodePtr &p : parts)
            if (p->eval(row))
                return true;
        return false;
    }
};

class LikeNode final : public Node {
public:
    LikeNode(int column, const QString &pattern) : m_column(column), m_glob(pattern) {}
    bool eval(Row row) const override
    {
        TextBuffer buf;
        return m_glob.matches(textOf(valueAt(row, m_column), buf));
    }
    void collectPrefixes(std::vector<RowFilter::Prefix> &out) const override
    {
        if (!m_glob.literalStart().isEmpty())
            out.push_back({m_column, m_glob.literalStart()});
    }
    bool onlyPrefixes() const override { return !m_glob.literalStart().isEmpty() && m_glob.onlyStart(); }
    // A pattern without wildcards asks for the text itself, ignoring case, as "=" does.
    std::optional<RowFilter::EqualityKey> requiredEquality() const override
    {
        if (!m_glob.exact())
            return std::nullopt;
        return RowFilter::EqualityKey{m_column, m_glob.literalStart()};
    }

private:
    int m_column;
    Glob m_glob;
};

// Text against a literal, ignoring case. An unquoted number compares numerically with rows
// whose text is a number.
class TextCompareNode final : public Node {
public:
    TextCompareNode(int column, Op op, const QString &literal, std::optional<Number> number)
        : m_column(column), m_op(op), m_folded(foldText(literal)), m_number(number)
    {
    }
    bool eval(Row row) const override
    {
        TextBuffer buf;
        const QStringView text = textOf(valueAt(row, m_column), buf);
        if (m_number) {
            if (const auto n = parseNumber(text))
                return holds(compareNumbers(*n, *m_number), m_op);
        }
        if (m_op == Op::Eq)
            return foldedEquals(text, m_folded);
        if (m_op == Op::Ne)
            return !foldedEquals(text, m_folded);
        return holds(foldedCompare(text, m_folded), m_op);
    }
    std::optional<RowFilter::EqualityKey> equalityKey() const override
    {
        if (m_op != Op::Eq || m_number)
            return std::nullopt;
        return RowFilter::EqualityKey{m_column, m_folded};
    }

private:
    int m_column;
    Op m_op;
    QString m_folded;
    std::optional<Number> m_number;
};

class NumberCompareNode final : public Node {
public:
    NumberCompareNode(int column, Op op, std::optional<Number> literal)
        : m_column(column), m_op(op), m_literal(literal)
    {
    }
    bool eval(Row row) const override
    {
        if (!m_literal)
            return incomparable(m_op);
        const auto n = numberOf(valueAt(row, m_column));
        if (!n)
            return incomparable(m_op);
        return holds(compareNumbers(*n, *m_literal), m_op);
    }

private:
    int m_column;
    Op m_op;
    std::optional<Number> m_literal;
};

class DateCompareNode final : public Node {
public:
    DateCompareNode(int column, Op op, const QString &storage) : m_column(column), m_op(op), m_storage(storage) {}
    bool eval(Row row) const override
    {
        TextBuffer buf;
        const QStringView text = textOf(valueAt(row, m_column), buf);
        if (looksLikeStorage(text))
            return holds(text.compare(m_storage), m_op);
        const auto stored = literalDate(text.toString());
        if (!stored)
            return incomparable(m_op);
        return holds(QStringView(*stored).compare(m_storage), m_op);
    }

private:
    int m_column;
    Op m_op;
    QString m_storage;
};

class CompiledFilter final : public RowFilter {
public:
    explicit CompiledFilter(NodePtr root) : m_root(std::move(root)) {}
    bool matches(std::span<const QVariant> row) const override { return !m_root || m_root->eval(row); }
    std::optional<EqualityKey> equalityKey() const override
    {
        return m_root ? m_root->equalityKey() : std::nullopt;
    }
    std::optional<EqualityKey> requiredEquality() const override
    {
        return m_root ? m_root->requiredEquality() : std::nullopt;
    }
    std::vector<Prefix> requiredPrefixes() const override
    {
        std::vector<Prefix> out;
        if (m_root)
            m_root->collectPrefixes(out);
        return out;
    }
    bool onlyPrefixes() const override { return m_root && m_root->onlyPrefixes(); }

private:
    NodePtr m_root;
};

// ---------------------------------------------------------------------------------------------
// Tokens and parser.

struct Token {
    enum Kind { End, Open, Close, Operator, Quoted, Word, Bracketed } kind = End;
    QString text; // value of Quoted/Word/Bracketed, spelling otherwise
    Op op = Op::Eq;
};

class Parser {
public:
    Parser(const QString &expression, const std::vector<ColumnDef> &columns)
        : m_expression(expression), m_columns(columns)
    {
        tokenize();
    }

    NodePtr parse()
    {
        if (m_tokens.size() == 1)
            return nullptr; // blank: everything passes
        NodePtr root = parseOr(0);
        if (peek().kind == Token::Close)
            fail(QStringLiteral("„)“ ohne zugehörige öffnende Klammer"));
        if (peek().kind != Token::End)
            fail(QStringLiteral("unerwartetes „%1“ nach dem Ende des Ausdrucks").arg(peek().text));
        return root;
    }

private:
    [[noreturn]] void fail(const QString &problem) const
    {
        QString shown = m_expression.trimmed();
        if (shown.size() > 200)
            shown = shown.left(200) + QStringLiteral("…");
        throw DatabaseError(QStringLiteral("Ungültiger Filter: %1 (Ausdruck: %2)").arg(problem, shown));
    }

    static bool isWordChar(QChar c)
    {
        switch (c.unicode()) {
        case u'(':
        case u')':
        case u'\'':
        case u'[':
        case u']':
        case u'=':
        case u'<':
        case u'>':
            return false;
        default:
            return !c.isSpace();
        }
    }

    void tokenize()
    {
        const QString &s = m_expression;
        qsizetype i = 0;
        while (true) {
            while (i < s.size() && s[i].isSpace())
                ++i;
            if (i >= s.size())
                break;
            const QChar c = s[i];
            Token t;
            if (c == u'(' || c == u')') {
                t.kind = c == u'(' ? Token::Open : Token::Close;
                t.text = c;
                ++i;
            } else if (c == u'\'') {
                t.kind = Token::Quoted;
                ++i;
                bool closed = false;
                while (i < s.size()) {
                    if (s[i] == u'\'') {
                        if (i + 1 < s.size() && s[i + 1] == u'\'') {
                            t.text += u'\'';
                            i += 2;
                            continue;
                        }
                        ++i;
                        closed = true;
                        break;
                    }
                    t.text += s[i++];
                }
                if (!closed)
                    fail(QStringLiteral("Text ohne schließendes Hochkomma"));
            } else if (c == u'[') {
                const qsizetype close = s.indexOf(u']', i + 1);
                if (close < 0)
                    fail(QStringLiteral("Spaltenname ohne schließende eckige Klammer"));
                t.kind = Token::Bracketed;
                t.text = s.mid(i + 1, close - i - 1);
                i = close + 1;
            } else if (c == u'=' || c == u'<' || c == u'>') {
                t.kind = Token::Operator;
                const QChar next = i + 1 < s.size() ? s[i + 1] : QChar();
                if (c == u'=') {
                    t.op = Op::Eq;
                } else if (c == u'<' && next == u'>') {
                    t.op = Op::Ne;
                } else if (c == u'<' && next == u'=') {
                    t.op = Op::Le;
                } else if (c == u'>' && next == u'=') {
                    t.op = Op::Ge;
                } else {
                    t.op = c == u'<' ? Op::Lt : Op::Gt;
                }
                const qsizetype len = (t.op == Op::Ne || t.op == Op::Le || t.op == Op::Ge) ? 2 : 1;
                t.text = s.mid(i, len);
                i += len;
            } else if (c == u']') {
                fail(QStringLiteral("unerwartetes „]“"));
            } else {
                const qsizetype start = i;
                while (i < s.size() && isWordChar(s[i]))
                    ++i;
                t.kind = Token::Word;
                t.text = s.mid(start, i - start);
                if (t.text.compare(QLatin1String("LIKE"), Qt::CaseInsensitive) == 0) {
                    t.kind = Token::Operator;
                    t.op = Op::Like;
                }
            }
            m_tokens.push_back(std::move(t));
        }
        m_tokens.push_back(Token{});
    }

    const Token &peek() const { return m_tokens[m_pos]; }
    const Token &take()
    {
        const Token &t = m_tokens[m_pos];
        if (t.kind != Token::End)
            ++m_pos;
        return t;
    }

    bool isKeyword(const Token &t, const char *word) const
    {
        return t.kind == Token::Word && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }

    QString describe(const Token &t) const
    {
        switch (t.kind) {
        case Token::End:
            return QStringLiteral("das Ende des Ausdrucks");
        case Token::Quoted:
            return QStringLiteral("„%1“").arg(filterQuoted(t.text));
        case Token::Bracketed:
            return QStringLiteral("„[%1]“").arg(t.text);
        default:
            return QStringLiteral("„%1“").arg(t.text);
        }
    }

    NodePtr parseOr(int depth)
    {
        NodePtr first = parseAnd(depth);
        if (!isKeyword(peek(), "OR"))
            return first;
        auto node = std::make_unique<OrNode>();
        node->parts.push_back(std::move(first));
        while (isKeyword(peek(), "OR")) {
            take();
            node->parts.push_back(parseAnd(depth));
        }
        return node;
    }

    NodePtr parseAnd(int depth)
    {
        NodePtr first = parsePrimary(depth);
        if (!isKeyword(peek(), "AND"))
            return first;
        auto node = std::make_unique<AndNode>();
        node->parts.push_back(std::move(first));
        while (isKeyword(peek(), "AND")) {
            take();
            node->parts.push_back(parsePrimary(depth));
        }
        return node;
    }

    NodePtr parsePrimary(int depth)
    {
        if (peek().kind == Token::Open) {
            if (depth >= MaxDepth)
                fail(QStringLiteral("zu viele verschachtelte Klammern"));
            take();
            NodePtr inner = parseOr(depth + 1);
            if (peek().kind != Token::Close)
                fail(QStringLiteral("„)“ erwartet, gefunden: %1").arg(describe(peek())));
            take();
            return inner;
        }
        return parseClause();
    }

    NodePtr parseClause()
    {
        const Token &name = take();
        if ((name.kind != Token::Word && name.kind != Token::Bracketed) || isKeyword(name, "AND")
            || isKeyword(name, "OR")) {
            if (name.kind == Token::End && m_pos >= 1
                && (isKeyword(m_tokens[m_pos - 1], "AND") || isKeyword(m_tokens[m_pos - 1], "OR")))
                fail(QStringLiteral("nach „%1“ fehlt eine Bedingung").arg(m_tokens[m_pos - 1].text));
            fail(QStringLiteral("Spaltenname erwartet, gefunden: %1").arg(describe(name)));
        }
        const int column = columnIndex(name.text);
        if (column < 0)
            fail(QStringLiteral("unbekannte Spalte „%1“").arg(name.text));

        const Token &op = take();
        if (op.kind != Token::Operator)
            fail(QStringLiteral("nach „%1“ fehlt der Vergleichsoperator (gefunden: %2)").arg(name.text, describe(op)));

        const Token &value = take();
        const bool quoted = value.kind == Token::Quoted;
        if (!quoted && (value.kind != Token::Word || isKeyword(value, "AND") || isKeyword(value, "OR")))
            fail(QStringLiteral("nach „%1 %2“ fehlt der Vergleichswert").arg(name.text, op.text));
        return makeComparison(column, op.op, value.text, quoted);
    }

    int columnIndex(const QString &name) const
    {
        const QString trimmed = name.trimmed();
        for (size_t i = 0; i < m_columns.size(); ++i)
            if (m_columns[i].name.compare(trimmed, Qt::CaseInsensitive) == 0)
                return int(i);
        return -1;
    }

    NodePtr makeComparison(int column, Op op, const QString &value, bool quoted) const
    {
        const ColumnDef &def = m_columns[size_t(column)];
        if (op == Op::Like)
            return std::make_unique<LikeNode>(column, value);
        if (def.isNumeric())
            return std::make_unique<NumberCompareNode>(column, op, numericLiteral(def, value));
        if (def.kind == ColumnKind::DateTime) {
            if (const auto storage = literalDate(value))
                return std::make_unique<DateCompareNode>(column, op, *storage);
            return std::make_unique<TextCompareNode>(column, op, value, std::nullopt);
        }
        return std::make_unique<TextCompareNode>(column, op, value,
                                                 quoted ? std::nullopt : parseNumber(value));
    }

    static std::optional<Number> numericLiteral(const ColumnDef &def, const QString &value)
    {
        if (def.kind == ColumnKind::YesNo) {
            const QString v = value.trimmed();
            for (const char *yes : {"True", "Wahr", "Ja", "Yes"})
                if (v.compare(QLatin1String(yes), Qt::CaseInsensitive) == 0)
                    return Number{true, 1, 1.0};
            for (const char *no : {"False", "Falsch", "Nein", "No"})
                if (v.compare(QLatin1String(no), Qt::CaseInsensitive) == 0)
                    return Number{true, 0, 0.0};
        }
        return parseNumber(value);
    }

    QString m_expression;
    const std::vector<ColumnDef> &m_columns;
    std::vector<Token> m_tokens;
    size_t m_pos = 0;
};

} // namespace

QString RowFilter::indexKey(const QVariant &value)
{
    // Most keys (numbers, lower-case words) fold to themselves: then the stored text itself is
    // the key, shared rather than copied.
    if (value.typeId() == QMetaType::QString) {
        const QString &text = *static_cast<const QString *>(value.constData());
        const char16_t *table = foldTable();
        bool same = true;
        for (const QChar c : text)
            if (QChar::isSurrogate(c.unicode()) || table[c.unicode()] != c.unicode()) {
                same = false;
                break;
            }
        if (same)
            return text;
    }
    TextBuffer buf;
    return foldText(textOf(value, buf));
}

std::unique_ptr<RowFilter> RowFilter::compile(const QString &expression, const std::vector<ColumnDef> &columns)
{
    Parser parser(expression, columns);
    return std::make_unique<CompiledFilter>(parser.parse());
}

} // namespace vindel
