// The catalogue search as a pure function: which plant filter a search text builds in a category
// and genus, and which texts a field rewrites before it searches.
#include "catalogue/CatalogueSearch.h"

#include <QtTest>

using namespace vindel;

class TestSearchFilter : public QObject {
    Q_OBJECT
private slots:
    void plantFilter_data();
    void plantFilter();
    void correctedText_data();
    void correctedText();
    void yesNoFilter_data();
    void yesNoFilter();
};

void TestSearchFilter::plantFilter_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("genus");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("filter"); // "-": every plant, no filter
    const QString all = QStringLiteral(" Alle");

    QTest::newRow("all categories, empty text") << all << all << "Namen" << "" << "-";
    QTest::newRow("all categories, star") << all << "Rosa" << "Namen" << "*" << "-";
    QTest::newRow("all categories ignore the genus") << all << "Rosa" << "Art" << "can" << "(Art LIKE 'can*')";
    QTest::newRow("category, empty text: every genus")
        << "Stauden" << "Rosa" << "Namen" << "" << "(Kategorie LIKE 'Stauden*')";
    QTest::newRow("category, star: no clause at all") << "Stauden" << "Rosa" << "Namen" << "*" << "";
    QTest::newRow("category and all genera")
        << "Stauden" << all << "Namen" << "ro" << "(Kategorie LIKE 'Stauden*') AND (Namen  LIKE 'ro*')";
    QTest::newRow("category and genus")
        << "Stauden" << "Rosa" << "Namen" << "ro"
        << "(Kategorie LIKE 'Stauden*') AND (Familie LIKE 'Rosa*') AND (Namen  LIKE 'ro*')";
    QTest::newRow("star first: anywhere in the column")
        << "Stauden" << all << "Namen" << "*ro" << "(Kategorie LIKE 'Stauden*') AND (Namen  LIKE '*ro*')";
    QTest::newRow("field to column") << all << all << "Standort Sommer" << "Bal" << "(Sommer LIKE 'Bal*')";
    QTest::newRow("remark") << all << all << "Bemerkung" << "alt" << "(Bezeichnung LIKE 'alt*')";
    QTest::newRow("number, all categories: exact") << all << all << "Nr." << "12" << "(Nr  LIKE '12')";
    QTest::newRow("number in a category")
        << "Stauden" << "Rosa" << "Nr." << "12" << "(Kategorie LIKE 'Stauden') AND (Nr  LIKE '12')";
    QTest::newRow("genus that is a blank") << "Stauden" << all << "Gattung" << " " << "(Familie LIKE ' ')";
    QTest::newRow("a quote in a name")
        << "Bauer's Garten" << all << "Namen" << "O'H"
        << "(Kategorie LIKE 'Bauer''s Garten*') AND (Namen  LIKE 'O''H*')";
    QTest::newRow("genus table not open") << "Stauden" << "" << "Art" << "x"
                                          << "(Kategorie LIKE 'Stauden*') AND (Familie LIKE '*') AND (Art  LIKE 'x*')";
}

void TestSearchFilter::plantFilter()
{
    QFETCH(QString, category);
    QFETCH(QString, genus);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, filter);
    const std::optional<QString> got = CatalogueSearch::plantFilter(category, genus, field, text);
    QCOMPARE(got.value_or(QStringLiteral("-")), filter);
}

void TestSearchFilter::correctedText_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("corrected"); // "-": the text stands
    QTest::newRow("number") << "Nr." << "12" << "-";
    QTest::newRow("not a number") << "Nr." << "12x" << "1";
    QTest::newRow("leading zeros") << "Nr." << "007" << "7";
    QTest::newRow("empty number") << "Nr." << "" << "-";
    QTest::newRow("star number") << "Nr." << "*" << "-";
    QTest::newRow("numbered takes Ja only") << "Nummeriert" << "" << "Ja";
    QTest::newRow("numbered Ja") << "Nummeriert" << "Ja" << "-";
    QTest::newRow("names take anything") << "Namen" << "12x" << "-";
}

void TestSearchFilter::correctedText()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, corrected);
    QCOMPARE(CatalogueSearch::correctedText(field, text).value_or(QStringLiteral("-")), corrected);
}

void TestSearchFilter::yesNoFilter_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("filter");
    QTest::newRow("all categories") << " Alle" << "Nummeriert" << "Nein"
                                    << "(Kategorie LIKE '*') AND (Nummeriert LIKE 'Nein')";
    QTest::newRow("a category") << "Stauden" << "Beschriftet" << "Ja"
                                << "(Kategorie LIKE 'Stauden*') AND (Beschriftet LIKE 'Ja')";
}

void TestSearchFilter::yesNoFilter()
{
    QFETCH(QString, category);
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, filter);
    QCOMPARE(CatalogueSearch::yesNoFilter(category, field, value), filter);
}

QTEST_GUILESS_MAIN(TestSearchFilter)
#include "test_search_filter.moc"
