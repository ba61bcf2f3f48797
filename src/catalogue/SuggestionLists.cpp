#include "catalogue/SuggestionLists.h"

#include "catalogue/PlantCursor.h"
#include "data/DataTables.h"

#include <QCollator>
#include <QSet>
#include <algorithm>

namespace vindel {

namespace {

const QString kAll = QStringLiteral(" Alle");

// Puts a table object back the way it was found: filter, filter switch and current row.
class TableStateKeeper {
public:
    explicit TableStateKeeper(Table &table) : m_table(table), m_guard(table, ScrollGuard::OnExit::Restore)
    {
        m_table.open();
        m_filter = m_table.filter();
        m_filtered = m_table.filtered();
        m_id = m_table.isEmpty() ? 0 : m_table.integer(QStringLiteral("ID"));
    }
    ~TableStateKeeper()
    {
        try {
            if (!m_table.active())
                m_table.open();
            m_table.setFiltered(false);
            m_table.setFilter(m_filter);
            m_table.setFiltered(m_filtered);
            if (m_id != 0)
                m_table.locate(QStringLiteral("ID"), m_id);
        } catch (...) {
        }
    }
    TableStateKeeper(const TableStateKeeper &) = delete;
    TableStateKeeper &operator=(const TableStateKeeper &) = delete;

private:
    Table &m_table;
    ScrollGuard m_guard;
    QString m_filter;
    bool m_filtered;
    qint64 m_id;
};

// The genera the table shows, without " Alle"; the cursor ends past the last row.
QStringList genusNames(Table &genera)
{
    QStringList names;
    for (genera.first(); !genera.eof(); genera.next()) {
        const QString name = genera.text(QStringLiteral("Familie"));
        if (name != kAll)
            names << name;
    }
    return names;
}

} // namespace

QStringList SuggestionLists::distinctValues(Dataset &source, const QString &column)
{
    QStringList values;
    QSet<QString> seen;
    source.first();
    while (!source.eof()) {
        const QString value = source.text(column);
        if (!value.isEmpty() && !seen.contains(value)) {
            seen.insert(value);
            values << value;
        }
        source.next();
    }
    return values;
}

QStringList SuggestionLists::categoryNames(Table &categories)
{
    ScrollGuard guard(categories, ScrollGuard::OnExit::Restore);
    categories.open();
    QStringList names;
    QString previous;
    for (categories.first(); !categories.eof(); categories.next()) {
        const QString name = categories.text(QStringLiteral("Namen"));
        if (name != previous && name != QLatin1String(" Alle"))
            names << name;
        previous = name;
    }
    return names;
}

QStringList SuggestionLists::fromComboboxListe(const QString &column)
{
    Table &list = m_tables.Tab_Combobox;
    list.open();
    list.refresh(); // nothing cached: what the file holds now
    list.setIndexFieldNames(column);
    return distinctValues(list, column);
}

QStringList SuggestionLists::habitats()
{
    Query &query = m_tables.ADOQuery_Pflanzen;
    query.close();
    query.sql.clear();
    query.sql << QStringLiteral("select * from Pflanzen where Vorkommen <> \"\"");
    query.open();
    query.setIndexFieldNames(QStringLiteral("Vorkommen"));
    return distinctValues(query, QStringLiteral("Vorkommen"));
}

QStringList SuggestionLists::generaOfCategory(const QString &category)
{
    Table &genera = m_tables.Tab_Gattung;
    TableStateKeeper keep(genera);
    genera.setFiltered(false);
    genera.setFilter(QStringLiteral("(Kategorie LIKE ") + filterQuoted(category)
                     + QStringLiteral(") OR (Kategorie  LIKE ' Alle')"));
    genera.setFiltered(true);
    return genusNames(genera);
}

QStringList SuggestionLists::shownGenera()
{
    Table &genera = m_tables.Tab_Gattung;
    TableStateKeeper keep(genera);
    return genusNames(genera);
}

QStringList SuggestionLists::distinctPlantValues(const QString &genus, const QString *species)
{
    // Read directly, so that the plant cursor and its filter stay untouched. Without a species
    // the species are listed, with one the varieties.
    const auto rows = m_tables.db.select(QStringLiteral("SELECT DISTINCT Familie, Art, Variante FROM Pflanzen"));
    const size_t column = species ? 2 : 1;
    QSet<QString> seen;
    QStringList values;
    for (const auto &row : rows) {
        if (row[0].toString().compare(genus, Qt::CaseInsensitive) != 0)
            continue;
        if (species && row[1].toString().compare(*species, Qt::CaseInsensitive) != 0)
            continue;
        const QString value = row[column].toString();
        if (!value.isEmpty() && !seen.contains(value)) {
            seen.insert(value);
            values << value;
        }
    }
    QCollator collator(QLocale(QLocale::German, QLocale::Germany));
    std::sort(values.begin(), values.end(), [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
    return values;
}

QStringList SuggestionLists::speciesOfGenus(const QString &genus)
{
    return distinctPlantValues(genus, nullptr);
}

QStringList SuggestionLists::variantsOf(const QString &genus, const QString &species)
{
    return distinctPlantValues(genus, &species);
}

bool SuggestionLists::genusExists(const QString &genus)
{
    Table &genera = m_tables.Tab_Gattung;
    TableStateKeeper keep(genera);
    genera.setFiltered(false);
    return genera.locate(QStringLiteral("Familie"), genus, LocateOption::CaseInsensitive);
}

void SuggestionLists::addGenus(const QString &category, const QString &genus)
{
    Table &genera = m_tables.Tab_Gattung;
    TableStateKeeper keep(genera);
    genera.setFiltered(false);
    genera.append();
    genera.setValue(QStringLiteral("Kategorie"), category);
    genera.setValue(QStringLiteral("Familie"), genus);
    genera.post();
    genera.refresh();
    genera.close();
    genera.open();
}

} // namespace vindel
