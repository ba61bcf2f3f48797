#pragma once

#include <QString>
#include <QStringList>

namespace vindel {

class DataTables;
class Dataset;
class Table;

// Where the suggestions of the entry boxes come from. Every list is built afresh from the
// database; nothing is cached. The table objects used are left as they were found (filter,
// position), so filling a list never changes what the catalogue shows.
class SuggestionLists {
public:
    explicit SuggestionLists(DataTables &tables) : m_tables(tables) {}

    // Each distinct non-empty value of the column once, in the source's current order. Values that
    // differ only in letter case are different values.
    static QStringList distinctValues(Dataset &source, const QString &column);

    // The names to choose a category from: in the category cursor's order, a name that repeats
    // the one before it once, without " Alle". The cursor is walked under its scroll guard and
    // left at its end.
    static QStringList categoryNames(Table &categories);

    // ComboboxListe.Herkunft, .Sommer or .Winter, sorted by that column.
    QStringList fromComboboxListe(const QString &column);
    // The habitats stored for plants (Pflanzen.Vorkommen), sorted.
    QStringList habitats();
    // The genera of a category plus those offered in every category (" Alle"), in the genus
    // table's order, without the " Alle" row. No de-duplication.
    QStringList generaOfCategory(const QString &category);
    // The genera the genus table shows now (the catalogue's category), without " Alle".
    QStringList shownGenera();
    // Species stored for plants of the genus (any case), and varieties stored for that genus and
    // species; sorted, each once.
    QStringList speciesOfGenus(const QString &genus);
    QStringList variantsOf(const QString &genus, const QString &species);

    // A genus of that name exists in any category, ignoring letter case.
    bool genusExists(const QString &genus);
    void addGenus(const QString &category, const QString &genus);

private:
    QStringList distinctPlantValues(const QString &genus, const QString *species);
    DataTables &m_tables;
};

} // namespace vindel
