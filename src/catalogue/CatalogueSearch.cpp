#include "catalogue/CatalogueSearch.h"

#include "data/RowFilter.h"

namespace vindel::CatalogueSearch {

namespace {

const QString kAll = QStringLiteral(" Alle");

// A clause "(column op 'value')"; the blanks in op are part of the expression as it is written.
QString clause(const QString &column, const QString &op, const QString &value)
{
    return QStringLiteral("(") + column + op + filterQuoted(value) + QStringLiteral(")");
}

bool searching(const QString &text) { return !text.isEmpty() && text != QLatin1String("*"); }

} // namespace

QString column(const QString &field)
{
    if (field == QLatin1String("Gattung"))
        return QStringLiteral("Familie");
    if (field == QLatin1String("Nr."))
        return QStringLiteral("Nr");
    if (field == QLatin1String("Bemerkung"))
        return QStringLiteral("Bezeichnung");
    if (field == QLatin1String("Standort Sommer"))
        return QStringLiteral("Sommer");
    if (field == QLatin1String("Standort Winter"))
        return QStringLiteral("Winter");
    return field;
}

std::optional<QString> correctedText(const QString &field, const QString &text)
{
    if (field == QLatin1String("Nr.") && searching(text)) {
        bool ok = false;
        int n = text.toInt(&ok);
        if (!ok)
            n = 1;
        if (QString::number(n) != text)
            return QString::number(n);
    }
    if (field == QLatin1String("Nummeriert") && text != QLatin1String("Ja"))
        return QStringLiteral("Ja");
    return std::nullopt;
}

std::optional<QString> plantFilter(const QString &k, const QString &g, const QString &field, const QString &text)
{
    const QString col = column(field);
    const QString like = QStringLiteral(" LIKE ");
    const bool search = searching(text);

    if (k == kAll && !search)
        return std::nullopt;
    if (field == QLatin1String("Gattung") && text == QLatin1String(" "))
        return QStringLiteral("(Familie LIKE ' ')");
    if (field == QLatin1String("Nr.") && search)
        return k == kAll ? clause(QStringLiteral("Nr"), QStringLiteral("  LIKE "), text)
                         : clause(QStringLiteral("Kategorie"), like, k) + QStringLiteral(" AND ")
                               + clause(QStringLiteral("Nr"), QStringLiteral("  LIKE "), text);
    if (k == kAll)
        return clause(col, like, text + u'*');

    QString filter;
    if (text != QLatin1String("*"))
        filter = clause(QStringLiteral("Kategorie"), like, k + u'*');
    if (search) {
        const QString searchClause = clause(col, QStringLiteral("  LIKE "), text + u'*');
        filter += QStringLiteral(" AND ");
        if (g != kAll)
            filter += clause(QStringLiteral("Familie"), like, g + u'*') + QStringLiteral(" AND ");
        filter += searchClause;
    }
    return filter;
}

QString yesNoFilter(const QString &k, const QString &field, const QString &value)
{
    const QString categoryClause = k == kAll ? QStringLiteral("(Kategorie LIKE '*')")
                                             : clause(QStringLiteral("Kategorie"), QStringLiteral(" LIKE "), k + u'*');
    const QString col = field == QLatin1String("Beschriftet") ? QStringLiteral("Beschriftet") : QStringLiteral("Nummeriert");
    return categoryClause + QStringLiteral(" AND ") + clause(col, QStringLiteral(" LIKE "), value);
}

} // namespace vindel::CatalogueSearch
