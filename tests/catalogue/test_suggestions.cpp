// The suggestion lists of the entry boxes, built each time a box opens, and the question for a
// new genus when the genus box of the new-plant page is left.
#include "catalogue/NeuePflanzePage.h"
#include "catalogue/SuggestionBox.h"
#include "catalogue/SuggestionLists.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QLineEdit>

using namespace vindel;
using namespace vindel::test;

namespace {

NeuePflanzePage *openPage(AppFixture &app)
{
    app.mainWindow()->activatePage(QStringLiteral("TabSheet4"));
    return app.mainWindow()->neuePflanze();
}

// What the box offers once the user opens it.
QStringList openList(SuggestionBox *box)
{
    box->showPopup();
    box->hidePopup();
    return box->suggestions();
}

void setSuggestions(AppFixture &app, const QList<QStringList> &rows)
{
    app.exec("DELETE FROM ComboboxListe");
    for (const QStringList &r : rows)
        app.exec("INSERT INTO ComboboxListe (Herkunft, Sommer, Winter) VALUES (?, ?, ?)",
                 {r.value(0).isNull() ? QVariant() : QVariant(r.value(0)), r.value(1), r.value(2)});
}

} // namespace

class TestSuggestions : public QObject {
    Q_OBJECT
private slots:
    void emptyTableGivesEmptyLists();
    void distinctValues_data();
    void distinctValues();
    void listsAreBuiltAfreshAndKeepTheTypedText();
    void habitats();
    void generaOfTheCategory_data();
    void generaOfTheCategory();
    void newGenusQuestion_data();
    void newGenusQuestion();
};

void TestSuggestions::emptyTableGivesEmptyLists()
{
    AppFixture app;
    setSuggestions(app, {{"", "", ""}, {"", "", ""}});
    QVERIFY(app.start());
    NeuePflanzePage *page = openPage(app);
    for (SuggestionBox *box : {page->ComboBox13, page->ComboBox14, page->ComboBox15, page->ComboBox19})
        QVERIFY2(openList(box).isEmpty(), qPrintable(box->objectName()));
    app.exec("DELETE FROM ComboboxListe");
    QVERIFY(openList(page->ComboBox13).isEmpty());
    QVERIFY(app.prompter().messages().isEmpty());
}

void TestSuggestions::distinctValues_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("column");
    QTest::newRow("origin") << "ComboBox13" << 0;
    QTest::newRow("summer") << "ComboBox14" << 1;
    QTest::newRow("winter") << "ComboBox15" << 2;
}

void TestSuggestions::distinctValues()
{
    QFETCH(QString, box);
    QFETCH(int, column);
    AppFixture app;
    const QStringList values{"Zoo", "Aachen", "Zoo", "zoo", "", "Markt", "Zoo"};
    QList<QStringList> rows;
    for (const QString &v : values) {
        QStringList r{"x", "x", "x"};
        r[column] = v;
        rows << r;
    }
    setSuggestions(app, rows);
    QVERIFY(app.start());
    NeuePflanzePage *page = openPage(app);
    const QStringList list = openList(page->findChild<SuggestionBox *>(box));
    // Each value once, the first in order too, capitals kept apart, sorted by the column.
    QCOMPARE(list.size(), 4);
    QCOMPARE(list.first(), QStringLiteral("Aachen"));
    QCOMPARE(list.indexOf(QStringLiteral("Markt")), 1);
    QVERIFY(list.contains(QStringLiteral("Zoo")));
    QVERIFY(list.contains(QStringLiteral("zoo")));
}

void TestSuggestions::listsAreBuiltAfreshAndKeepTheTypedText()
{
    AppFixture app;
    setSuggestions(app, {{"Markt", "Beet", "Keller"}});
    QVERIFY(app.start());
    NeuePflanzePage *page = openPage(app);
    page->ComboBox13->setEditText(QStringLiteral("Nachbar"));
    QCOMPARE(openList(page->ComboBox13), QStringList{QStringLiteral("Markt")});
    QCOMPARE(page->ComboBox13->currentText(), QStringLiteral("Nachbar"));

    app.exec("INSERT INTO ComboboxListe (Herkunft) VALUES ('Baumschule')");
    QCOMPARE(openList(page->ComboBox13), (QStringList{QStringLiteral("Baumschule"), QStringLiteral("Markt")}));
    QCOMPARE(page->ComboBox13->currentText(), QStringLiteral("Nachbar"));

    // Picking a suggestion is what is stored.
    page->ComboBox13->setCurrentIndex(0);
    QCOMPARE(page->ComboBox13->currentText(), QStringLiteral("Baumschule"));
}

void TestSuggestions::habitats()
{
    AppFixture app;
    for (const char *habitat : {"", "Wiese", "Wald", "Wiese"})
        app.exec("INSERT INTO Pflanzen (Nr, Namen, Vorkommen) VALUES (1, 'P', ?)", {QString::fromUtf8(habitat)});
    app.exec("INSERT INTO Pflanzen (Nr, Namen) VALUES (2, 'Ohne')");
    QVERIFY(app.start());
    NeuePflanzePage *page = openPage(app);
    QCOMPARE(openList(page->ComboBox19), (QStringList{QStringLiteral("Wald"), QStringLiteral("Wiese")}));

    app.exec("UPDATE Pflanzen SET Vorkommen = ''");
    QVERIFY(openList(page->ComboBox19).isEmpty());
}

void TestSuggestions::generaOfTheCategory_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QStringList>("genera");
    QTest::newRow("Stauden") << "Stauden" << QStringList{"Aster", "Iris", "Phlox"};
    QTest::newRow("any case") << "stauden" << QStringList{"Aster", "Iris", "Phlox"};
    QTest::newRow("Kakteen") << "Kakteen" << QStringList{"Aloe", "Phlox"};
    QTest::newRow("empty category box") << "" << QStringList{"Phlox", "Rudbeckia"};
    QTest::newRow("apostrophe") << "Gräser's" << QStringList{"Carex", "Phlox"};
}

void TestSuggestions::generaOfTheCategory()
{
    QFETCH(QString, category);
    QFETCH(QStringList, genera);
    AppFixture app;
    for (const char *c : {"Stauden", "Kakteen", "Gräser's"})
        app.exec("INSERT INTO Kategorien (Namen) VALUES (?)", {QString::fromUtf8(c)});
    const std::pair<const char *, const char *> rows[] = {{"Iris", "Stauden"}, {"Aloe", "Kakteen"},
                                                          {"Aster", "Stauden"}, {"Phlox", " Alle"},
                                                          {"Rudbeckia", ""}, {"Carex", "Gräser's"}};
    for (const auto &[genus, cat] : rows)
        app.exec("INSERT INTO Gattung (Familie, Kategorie) VALUES (?, ?)", {QString::fromUtf8(genus), QString::fromUtf8(cat)});
    QVERIFY(app.start());
    Table &genusTable = app.tables().Tab_Gattung;
    const QString filterBefore = genusTable.filter();
    const bool filteredBefore = genusTable.filtered();
    const qint64 currentBefore = genusTable.integer("ID");

    NeuePflanzePage *page = openPage(app);
    page->ComboBox1->setEditText(category);
    page->ComboBox16->setEditText(QStringLiteral("Getippt"));
    QCOMPARE(openList(page->ComboBox16), genera);
    QCOMPARE(page->ComboBox16->currentText(), QStringLiteral("Getippt"));
    // Opening the category box refills the genus list for the category shown.
    page->ComboBox16->clear();
    openList(page->ComboBox1);
    QCOMPARE(page->ComboBox16->suggestions(), genera);

    // The catalogue's genus table is left as it was.
    QCOMPARE(genusTable.filter(), filterBefore);
    QCOMPARE(genusTable.filtered(), filteredBefore);
    QCOMPARE(genusTable.integer("ID"), currentBefore);
    QCOMPARE(genusTable.tag, 0);
    QVERIFY(app.prompter().messages().isEmpty());
}

void TestSuggestions::newGenusQuestion_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("genus");
    QTest::addColumn<int>("answer"); // -1: no question expected, 0 No, 1 Yes
    QTest::addColumn<bool>("stored");
    QTest::newRow("existing under another category") << "Stauden" << "Aloe" << -1 << false;
    QTest::newRow("existing with other capitals") << "Kakteen" << "aLOE" << -1 << false;
    QTest::newRow("empty box") << "Stauden" << "" << -1 << false;
    QTest::newRow("new, No") << "Stauden" << "Salvia" << 0 << false;
    QTest::newRow("new, Yes") << "Stauden" << "Salvia" << 1 << true;
    QTest::newRow("new, Yes, empty category") << "" << "Salvia" << 1 << true;
}

void TestSuggestions::newGenusQuestion()
{
    QFETCH(QString, category);
    QFETCH(QString, genus);
    QFETCH(int, answer);
    QFETCH(bool, stored);
    AppFixture app;
    app.exec("INSERT INTO Kategorien (Namen) VALUES ('Stauden')");
    app.exec("INSERT INTO Kategorien (Namen) VALUES ('Kakteen')");
    app.exec("INSERT INTO Gattung (Familie, Kategorie) VALUES ('Aloe', 'Kakteen')");
    if (answer == 1)
        app.prompter().answerYes();
    else if (answer == 0)
        app.prompter().answerNo();
    QVERIFY(app.start());
    NeuePflanzePage *page = openPage(app);
    page->ComboBox1->setEditText(category);
    page->ComboBox16->setFocus();
    QTRY_VERIFY(page->ComboBox16->hasFocus());
    QTest::keyClicks(page->ComboBox16->lineEdit(), genus);
    page->Edit31->setFocus(); // leaving the box
    QTRY_VERIFY(page->Edit31->hasFocus());
    QCoreApplication::processEvents(); // the question comes once the focus has moved

    const QStringList expectedQuestions = answer < 0 ? QStringList{}
                                                     : QStringList{QStringLiteral("Die Gattung ist noch nicht vorhanden! Speichern?")};
    QCOMPARE(app.prompter().messageTexts(), expectedQuestions);
    // The focus is where the user went, so the next letters land there.
    QCOMPARE(QApplication::focusWidget(), page->Edit31);
    if (stored) {
        const auto rows = app.select("SELECT Kategorie FROM Gattung WHERE Familie = ?", {genus});
        QCOMPARE(rows.size(), size_t(1));
        QCOMPARE(rows[0][0].toString(), category);
    }
    QCOMPARE(app.select("SELECT COUNT(*) FROM Gattung")[0][0].toInt(), stored ? 3 : 2);
    // The genus typed stays in the box and so in the plant when it is saved.
    QCOMPARE(page->ComboBox16->currentText(), genus);
    QCOMPARE(app.prompter().pendingAnswers(), 0);
}

VINDEL_TEST_MAIN(TestSuggestions)
#include "test_suggestions.moc"
