#include "data/RowFilter.h"
#include "data/Schema.h"

#include <QTest>

#include <map>

using namespace vindel;

namespace {

using Row = std::vector<QVariant>;
using Values = std::initializer_list<std::pair<const char *, QVariant>>;

const QVariant Null;

Row makeRow(const TableDef &table, Values values)
{
    Row row(table.columns.size());
    for (const auto &[name, value] : values) {
        const ColumnDef *c = table.column(QString::fromUtf8(name));
        if (!c)
            qFatal("no column %s in %s", name, qPrintable(table.name));
        row[size_t(c - table.columns.data())] = value;
    }
    return row;
}

struct Fixture {
    const TableDef *table = nullptr;
    std::vector<Row> rows;
};

const Fixture &fixture(const QString &name)
{
    static const std::map<QString, Fixture> all = [] {
        std::map<QString, Fixture> f;
        const TableDef &p = *Schema::table("Pflanzen");
        f["Pflanzen"] = {&p,
                         {
                             makeRow(p, {{"ID", 1LL}, {"Nr", 1LL}, {"Namen", "Rosa canina"}, {"Kategorie", "Stauden"},
                                         {"Familie", "Rosa"}, {"Töpfe", "2"}}),
                             makeRow(p, {{"ID", 2LL}, {"Nr", 2LL}, {"Namen", "Äpfelrose"}, {"Kategorie", "Gehölze"},
                                         {"Familie", "Malus"}, {"Töpfe", ""}}),
                             makeRow(p, {{"ID", 3LL}, {"Nr", 7LL}, {"Namen", "über_all"}, {"Kategorie", "Gehölze"},
                                         {"Familie", " Alle"}, {"Töpfe", "Ton"}}),
                             makeRow(p, {{"ID", 4LL}, {"Nr", 10LL}, {"Namen", "O'Brien"}, {"Kategorie", ""},
                                         {"Familie", "Alle"}, {"Düngung", "Hornspäne"}}),
                             makeRow(p, {{"ID", 5LL}, {"Nr", 12LL}}),
                             makeRow(p, {{"ID", 6LL}, {"Namen", "Mohn [rot]? Nr.1+"}, {"Kategorie", "STAUDEN"},
                                         {"Familie", "Papaver"}}),
                             makeRow(p, {{"ID", 7LL}, {"Nr", 3LL}, {"Namen", "ÖLWEIDE"}, {"Kategorie", "Einjährige"},
                                         {"Familie", "rosa"}}),
                         }};
        const TableDef &h = *Schema::table("Historie");
        auto diary = [&h](const char *plant, QVariant action, QVariant kind, const char *year, QVariant sortDate,
                          QVariant date) {
            return makeRow(h, {{"PflanzenID", plant}, {"Aktion", action}, {"Aktionkenner", kind}, {"Jahr", year},
                               {"SortDatum", sortDate}, {"Datum", date}});
        };
        f["Historie"] = {&h,
                         {
                             diary("7", "Schnitt", "3", "2012", "2012-03-05 00:00:00", "05.03.2012"),
                             diary("7", "", "0", "2012", "2012-06-01 14:30:00", "01.06.2012"),
                             diary("7", Null, Null, "2012", Null, Null),
                             diary("7", "Düngung", "2", "2011", "2011-12-31 00:00:00", "31.12.2011"),
                             diary("12", "Schnitt", "1", "2012", "2012-03-05 00:00:00", "05.03.2012"),
                             diary("17", "Gießen", "4", "2012", "2013-01-01 00:00:00", "01.01.2013"),
                         }};
        const TableDef &l = *Schema::table("Listeninhalt");
        f["Listeninhalt"] = {&l,
                             {
                                 makeRow(l, {{"ListenNr", "1"}, {"PflanzenID", 7LL}}),
                                 makeRow(l, {{"ListenNr", "1"}, {"PflanzenID", 12LL}}),
                                 makeRow(l, {{"ListenNr", "10"}, {"PflanzenID", 7LL}}),
                                 makeRow(l, {{"ListenNr", "2"}, {"PflanzenID", 1LL}}),
                                 makeRow(l, {{"PflanzenID", 17LL}}),
                             }};
        const TableDef &a = *Schema::table("Aktionen");
        f["Aktionen"] = {&a,
                         {
                             makeRow(a, {{"Kenner", "0"}, {"Bezeichnung", "Beobachtung"}}),
                             makeRow(a, {{"Kenner", "1"}}),
                             makeRow(a, {{"Kenner", "7"}}),
                             makeRow(a, {{"Bezeichnung", "ohne Kenner"}}),
                         }};
        const TableDef &e = *Schema::table("Etiketten");
        f["Etiketten"] = {&e,
                          {
                              makeRow(e, {{"Zeile1StyleFett", 1LL}}),
                              makeRow(e, {{"Zeile1StyleFett", 0LL}}),
                              makeRow(e, {}),
                          }};
        return f;
    }();
    return all.at(name);
}

QList<int> matchingRows(const RowFilter &filter, const Fixture &f)
{
    QList<int> rows;
    for (size_t i = 0; i < f.rows.size(); ++i)
        if (filter.matches(f.rows[i]))
            rows << int(i);
    return rows;
}

} // namespace

class TestFilter : public QObject {
    Q_OBJECT

private slots:
    void matchesRows_data();
    void matchesRows();
    void rejectsInvalid_data();
    void rejectsInvalid();
    void quotedValuesRoundTrip_data();
    void quotedValuesRoundTrip();
    void toleratesShortRows();
};

void TestFilter::matchesRows_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QList<int>>("expected");

    const QList<int> allPlants{0, 1, 2, 3, 4, 5, 6};
    auto add = [](const char *tag, const char *table, const QString &expression, const QList<int> &expected) {
        QTest::newRow(tag) << QString::fromUtf8(table) << expression << expected;
    };

    // Blank filters, and the category/genus filters of the catalogue.
    add("empty", "Pflanzen", "", allPlants);
    add("blanks only", "Pflanzen", "   ", allPlants);
    add("category", "Pflanzen", "(Kategorie LIKE 'Stauden')", {0, 5});
    add("category or genus Alle", "Pflanzen", "(Kategorie LIKE 'Stauden') OR (Familie  LIKE ' Alle')", {0, 2, 5});
    add("leading blank significant", "Pflanzen", "(Familie  LIKE ' Alle')", {2});
    add("without blank", "Pflanzen", "(Familie LIKE 'Alle')", {3});
    add("= keeps blank", "Pflanzen", "(Familie = ' Alle')", {2});
    add("= without blank after", "Pflanzen", "(Familie ='Rosa')", {0, 6});
    add("category and genus", "Pflanzen", "(Kategorie LIKE 'Stauden') AND (Familie LIKE 'Rosa')", {0});
    add("prefix clauses", "Pflanzen", "(Kategorie LIKE 'Stauden*') AND (Familie LIKE '*')", {0, 5});
    add("star matches NULL", "Pflanzen", "(Kategorie LIKE '*')", allPlants);
    add("percent matches all", "Pflanzen", "(Kategorie LIKE '%')", allPlants);
    add("LIKE empty", "Pflanzen", "(Kategorie LIKE '')", {3, 4});
    add("= empty", "Pflanzen", "(Kategorie = '')", {3, 4});
    add("<> empty", "Pflanzen", "(Kategorie <> '')", {0, 1, 2, 5, 6});
    add("ordered text, NULL as empty", "Pflanzen", "(Kategorie < 'H')", {1, 2, 3, 4, 6});

    // Wildcards and plain characters.
    add("no wildcard is exact", "Pflanzen", "(Namen LIKE 'Rosa')", {});
    add("prefix", "Pflanzen", "(Namen LIKE 'rosa*')", {0});
    add("suffix", "Pflanzen", "(Namen LIKE '*rose')", {1});
    add("contains", "Pflanzen", "(Namen LIKE '*ROSE*')", {1});
    add("contains both", "Pflanzen", "(Namen LIKE '*ros*')", {0, 1});
    add("star in the middle", "Pflanzen", "(Namen LIKE 'R*n*a')", {0});
    add("percent in the middle", "Pflanzen", "(Namen LIKE 'r%a')", {0});
    add("middle needs room", "Pflanzen", "(Namen LIKE 'Rosa c*a canina')", {});
    add("underscore plain", "Pflanzen", "(Namen LIKE 'über_all')", {2});
    add("underscore not a wildcard", "Pflanzen", "(Namen LIKE 'übe_*')", {});
    add("question mark plain", "Pflanzen", "(Namen LIKE 'über?all')", {});
    add("glob characters plain", "Pflanzen", "(Namen LIKE 'Mohn [rot]? Nr.1+')", {5});
    add("brackets inside pattern", "Pflanzen", "(Namen LIKE '*[rot]?*')", {5});
    add("dot plain", "Pflanzen", "(Namen LIKE 'Mohn.*')", {});

    // Case of umlauts.
    add("umlaut prefix", "Pflanzen", "(Namen LIKE 'äpfel*')", {1});
    add("umlaut capital", "Pflanzen", "(Namen LIKE 'ÜBER*')", {2});
    add("umlaut contains", "Pflanzen", "(Namen LIKE '*ölw*')", {6});
    add("umlaut LIKE exact", "Pflanzen", "(Namen LIKE 'Ölweide')", {6});
    add("umlaut =", "Pflanzen", "(Namen = 'ölweide')", {6});
    add("apostrophe", "Pflanzen", "(Namen = 'O''Brien')", {3});
    add("apostrophe in pattern", "Pflanzen", "(Namen LIKE 'o''b*')", {3});

    // Integer columns.
    add("LIKE on number", "Pflanzen", "(Nr  LIKE '12')", {4});
    add("LIKE number prefix", "Pflanzen", "(Nr LIKE '1*')", {0, 3, 4});
    add("LIKE number suffix", "Pflanzen", "(Nr LIKE '*2')", {1, 4});
    add("number =", "Pflanzen", "(Nr = 7)", {2});
    add("number = quoted", "Pflanzen", "(Nr = '7')", {2});
    add("number = decimal", "Pflanzen", "(Nr = 12.0)", {4});
    add("number range", "Pflanzen", "(Nr > 2) AND (Nr <= 10)", {2, 3, 6});
    add("number >=", "Pflanzen", "(Nr >= 10)", {3, 4});
    add("number < quoted", "Pflanzen", "(Nr < '3')", {0, 1});
    add("number <> includes NULL", "Pflanzen", "(Nr <> 12)", {0, 1, 2, 3, 5, 6});
    add("number = text", "Pflanzen", "(Nr = 'abc')", {});
    add("number <> text", "Pflanzen", "(Nr <> 'abc')", allPlants);
    add("number < text", "Pflanzen", "(Nr < 'abc')", {});

    // Unquoted numbers on text columns compare numbers, quoted ones compare text.
    add("text = unquoted number", "Pflanzen", "(Töpfe = 2)", {0});
    add("text = unquoted 02", "Pflanzen", "(Töpfe = 02)", {0});
    add("text = quoted 02", "Pflanzen", "(Töpfe = '02')", {});

    // Precedence, nesting, keywords and names.
    add("AND before OR (left)", "Pflanzen", "(Familie = 'Malus') OR (Nr = 1) AND (Familie = 'rosa')", {0, 1});
    add("AND before OR (right)", "Pflanzen", "(Nr = 2) AND (Familie = 'Rosa') OR (Nr = 7)", {2});
    add("parentheses group OR", "Pflanzen", "((Nr = 1) OR (Nr = 2)) AND (Familie = 'Rosa')", {0});
    add("deep nesting", "Pflanzen", QString(20, '(') + "Nr = 7" + QString(20, ')'), {2});
    add("lower-case keywords and names", "Pflanzen", "kategorie like 'stauden' or FAMILIE Like ' Alle'", {0, 2, 5});
    add("bracketed name", "Pflanzen", "([Kategorie] LIKE 'Stauden')", {0, 5});
    add("umlaut in name", "Pflanzen", "(düngung LIKE 'HORN*')", {3});
    add("umlaut in bracketed name", "Pflanzen", "([TÖPFE] = 'ton')", {2});

    // The diary filters.
    add("year calendar", "Historie",
        " (" + QString(" (PflanzenID LIKE ") + "7" + ") " + " AND " + " (Aktion <> '') " + " AND " + " (Jahr LIKE '"
            + "2012" + "') " + ") ",
        {0});
    add("plant unquoted LIKE on text", "Historie", "(PflanzenID LIKE 7)", {0, 1, 2, 3});
    add("plant quoted", "Historie", "(PflanzenID = '7')", {0, 1, 2, 3});
    add("plant unquoted = on text", "Historie", "(PflanzenID = 7 )", {0, 1, 2, 3});
    add("actions only", "Historie", "(PflanzenID = '7') AND (Aktionkenner <> '0')", {0, 2, 3});
    add("observations only", "Historie", "(PflanzenID = '7') AND (Aktionkenner = '0')", {1});
    add("action not empty", "Historie", "(Aktion <> '')", {0, 3, 4, 5});
    add("date = German", "Historie", "(SortDatum = '05.03.2012')", {0, 4});
    add("date = ISO", "Historie", "(SortDatum = '2012-03-05')", {0, 4});
    add("date range", "Historie", "(SortDatum >= '01.03.2012') AND (SortDatum < '01.01.2013')", {0, 1, 4});
    add("date after, hash literal", "Historie", "(SortDatum > #2012-06-01#)", {1, 5});
    add("date <> includes NULL", "Historie", "(SortDatum <> '05.03.2012')", {1, 2, 3, 5});
    add("date LIKE stored text", "Historie", "(SortDatum LIKE '2012-03*')", {0, 4});
    add("date = non-date text", "Historie", "(SortDatum = 'Frühjahr')", {});
    add("date = empty", "Historie", "(SortDatum = '')", {2});
    add("date text column prefix", "Historie", "(Datum LIKE '05.03*')", {0, 4});

    // List contents, actions, yes/no.
    add("list unquoted LIKE", "Listeninhalt", "(ListenNr LIKE 1 )", {0, 1});
    add("plant unquoted = on integer", "Listeninhalt", "(PflanzenID = 7 )", {0, 2});
    add("plant quoted = on integer", "Listeninhalt", "(PflanzenID = '7')", {0, 2});
    add("integer LIKE prefix", "Listeninhalt", "(PflanzenID LIKE '1*')", {1, 3, 4});
    add("action code without parentheses", "Aktionen", "Kenner <> 0", {1, 2, 3});
    add("action code =", "Aktionen", "Kenner = 0", {0});
    add("yes/no number", "Etiketten", "(Zeile1StyleFett = 1)", {0});
    add("yes/no word", "Etiketten", "(Zeile1StyleFett = True)", {0});
    add("yes/no German word", "Etiketten", "(Zeile1StyleFett = nein)", {1});
}

void TestFilter::matchesRows()
{
    QFETCH(QString, table);
    QFETCH(QString, expression);
    QFETCH(QList<int>, expected);

    const Fixture &f = fixture(table);
    std::unique_ptr<RowFilter> filter;
    try {
        filter = RowFilter::compile(expression, f.table->columns);
    } catch (const DatabaseError &e) {
        QFAIL(qPrintable(e.message()));
    }
    QCOMPARE(matchingRows(*filter, f), expected);
}

void TestFilter::rejectsInvalid_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("named"); // the message must name the problem

    QTest::newRow("unclosed") << "(Namen = 'a'" << "„)“ erwartet";
    QTest::newRow("unclosed nested") << "((Namen = 'a')" << "„)“ erwartet";
    QTest::newRow("extra close") << "Namen = 'a')" << "öffnende Klammer";
    QTest::newRow("missing operator") << "(Namen 'a')" << "Vergleichsoperator";
    QTest::newRow("name only") << "(Namen)" << "Vergleichsoperator";
    QTest::newRow("missing value") << "(Namen = )" << "Vergleichswert";
    QTest::newRow("LIKE without value") << "(Namen LIKE)" << "Vergleichswert";
    QTest::newRow("keyword as value") << "(Namen = AND (Nr = 1))" << "Vergleichswert";
    QTest::newRow("doubled operator") << "(Namen == 'a')" << "Vergleichswert";
    QTest::newRow("unterminated quote") << "(Namen = 'abc)" << "Hochkomma";
    QTest::newRow("unescaped apostrophe") << "(Namen = 'O'Brien')" << "Hochkomma";
    QTest::newRow("unknown column") << "(Gibtsnicht = 'a')" << "„Gibtsnicht“";
    QTest::newRow("trailing AND") << "(Namen = 'a') AND" << "nach „AND“ fehlt";
    QTest::newRow("trailing OR") << "(Namen = 'a') OR" << "nach „OR“ fehlt";
    QTest::newRow("leading AND") << "AND (Namen = 'a')" << "Spaltenname erwartet";
    QTest::newRow("missing AND") << "(Namen = 'a') (Nr = 1)" << "nach dem Ende";
    QTest::newRow("trailing word") << "(Namen = 'a') XYZ" << "„XYZ“";
    QTest::newRow("empty parentheses") << "()" << "Spaltenname erwartet";
    QTest::newRow("missing column") << "(= 'a')" << "Spaltenname erwartet";
    QTest::newRow("unclosed bracket") << "([Namen = 'a')" << "eckige Klammer";
    QTest::newRow("two values") << "(Namen LIKE 'a' 'b')" << "„)“ erwartet";
    QTest::newRow("unquoted two words") << "(Namen = Rosa canina)" << "„canina“";
    QTest::newRow("absurd nesting") << QString(100000, '(') + "Namen = 'a'" + QString(100000, ')')
                                    << "verschachtelt";
}

void TestFilter::rejectsInvalid()
{
    QFETCH(QString, expression);
    QFETCH(QString, named);
    try {
        RowFilter::compile(expression, Schema::plantTable().columns);
        QFAIL("compiled without error");
    } catch (const DatabaseError &e) {
        QVERIFY2(e.message().startsWith("Ungültiger Filter: "), qPrintable(e.message()));
        QVERIFY2(e.message().contains(named), qPrintable(e.message()));
    }
}

void TestFilter::quotedValuesRoundTrip_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("apostrophe") << "O'Brien";
    QTest::newRow("only apostrophe") << "'";
    QTest::newRow("doubled apostrophes") << "a''b'";
    QTest::newRow("leading blank") << " Alle";
    QTest::newRow("empty") << "";
    QTest::newRow("wildcards") << "50% * _";
    QTest::newRow("operators and parentheses") << ") OR (Namen <> '";
}

void TestFilter::quotedValuesRoundTrip()
{
    QFETCH(QString, value);
    const TableDef &plants = Schema::plantTable();
    const Row same = makeRow(plants, {{"Namen", value}});
    const Row other = makeRow(plants, {{"Namen", value + "x"}});

    const auto equal = RowFilter::compile("(Namen = " + filterQuoted(value) + ")", plants.columns);
    QVERIFY(equal->matches(same));
    QVERIFY(!equal->matches(other));

    const auto prefix = RowFilter::compile("(Namen LIKE " + filterQuoted(value + "*") + ")", plants.columns);
    QVERIFY(prefix->matches(same));
    QVERIFY(prefix->matches(other));

    QCOMPARE(filterQuoted("O'Brien"), QString("'O''Brien'"));
}

void TestFilter::toleratesShortRows()
{
    // A row with fewer values than columns reads the missing ones as NULL.
    const auto filled = RowFilter::compile("(Namen <> '')", Schema::plantTable().columns);
    const auto empty = RowFilter::compile("(Namen = '') AND (Nr <> 1)", Schema::plantTable().columns);
    QVERIFY(!filled->matches({}));
    QVERIFY(empty->matches({}));
}

QTEST_APPLESS_MAIN(TestFilter)
#include "test_filter.moc"
