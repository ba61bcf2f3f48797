// The list window and the "on which lists" window, opened from the plant menu: making and
// deleting lists, putting plants on them and taking them off, and the messages on the way.
#include "reports/ReportTestSupport.h"
#include "lists/TAufListe.h"
#include "lists/TListe.h"
#include "app/RadioGroup.h"
#include "reports/TSortieren.h"
#include "app/DataGrid.h"
#include "support/TestMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QPushButton>

using namespace reporttest;

namespace {

TListe *listWindow(AppFixture &app) { return app.find<TListe>("TListe"); }
TAufListe *listsOfPlant(AppFixture &app) { return app.find<TAufListe>("TAufListe"); }

void triggerMenu(AppFixture &app, const QString &action)
{
    QAction *a = app.find<HauptansichtPage>("TabSheet1")->findChild<QAction *>(action);
    QVERIFY(a);
    a->trigger();
}

void addRoses(AppFixture &app)
{
    addPlant(app, 1, {{"Nr", 10}, {"Namen", "Rosa canina"}});
    addPlant(app, 2, {{"Nr", 11}, {"Namen", "Rosa gallica"}});
}

int count(AppFixture &app, const QString &sql)
{
    const auto rows = app.select(sql);
    return rows.empty() ? -1 : rows.front().front().toInt();
}

} // namespace

class TestListWindows : public QObject {
    Q_OBJECT
private slots:
    void proposedNumber_data();
    void proposedNumber();
    void savingAList_data();
    void savingAList();
    void cancelWritesNothing();
    void addingPlants();
    void addingWithoutAList();
    void deletingAListTakesItsEntries();
    void removingAPlant();
    void onListsWindow();
    void onNoList();
    void printTheSelectedList();
};

void TestListWindows::proposedNumber_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("proposal");
    QTest::newRow("first list") << QStringList{} << "1";
    QTest::newRow("after 1 and 2") << QStringList{"1", "2"} << "3";
    QTest::newRow("10 after 9, counted as numbers") << QStringList{"9", "10", "2"} << "11";
}

void TestListWindows::proposedNumber()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, proposal);
    AppFixture app;
    addRoses(app);
    for (const QString &nr : existing)
        app.exec("INSERT INTO Liste (Nr, Liste) VALUES (?, ?)", {nr, "Liste " + nr});
    QVERIFY(app.start());
    triggerMenu(app, "zurLIste");
    TListe *w = listWindow(app);
    QVERIFY(w->isVisible());
    QVERIFY(!app.mainWindow()->isEnabled());
    QCOMPARE(w->ListCount->text(), QString::number(existing.size()) + " Listen vorhanden!");
    QCOMPARE(w->PlantName->text(), QStringLiteral("Rosa canina"));
    w->BitBtn2->click();
    QCOMPARE(w->Edit1->text(), proposal);
    QVERIFY(w->Edit1->isVisible() && w->Edit2->isVisible());
    QCOMPARE(w->BitBtn2->text(), QStringLiteral("Speichern"));
    QCOMPARE(w->BitBtn3->text(), QStringLiteral("Abbrechen"));
}

void TestListWindows::savingAList_data()
{
    QTest::addColumn<QString>("nr");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message"); // empty: saved
    QTest::newRow("new") << "2" << "Balkon \"Süd\" & O'Neil" << "";
    QTest::newRow("number taken") << "1" << "Beet"
                                  << "   Listen Nr. ist schon vorhanden! Bitte andere Nr. eintragen!  ";
    QTest::newRow("not a number") << "zwei" << "Beet" << "Bitte tragen Sie als Listen Nr. eine Zahl ein!";
    QTest::newRow("no name") << "2" << "  " << "Bitte geben Sie der Liste einen Namen!";
}

void TestListWindows::savingAList()
{
    QFETCH(QString, nr);
    QFETCH(QString, name);
    QFETCH(QString, message);
    AppFixture app;
    addRoses(app);
    app.exec("INSERT INTO Liste (Nr, Liste) VALUES ('1', 'Kübel')");
    app.prompter().setToday(QDate(2025, 4, 7));
    QVERIFY(app.start());
    triggerMenu(app, "zurLIste");
    TListe *w = listWindow(app);
    w->BitBtn2->click();
    w->Edit1->setText(nr);
    w->Edit2->setText(name);
    w->BitBtn2->click();
    if (message.isEmpty()) {
        QCOMPARE(app.prompter().messageTexts(), QStringList{});
        QCOMPARE(count(app, "SELECT COUNT(*) FROM Liste WHERE Nr = '" + nr + "' AND Erstellt = '07.04.2025'"), 1);
        QVERIFY(!w->Edit1->isVisible());
        QCOMPARE(w->BitBtn2->text(), QStringLiteral("Neue Liste"));
        QCOMPARE(w->BitBtn3->text(), QStringLiteral("Liste löschen"));
        QCOMPARE(w->ListCount->text(), QStringLiteral("2 Listen vorhanden!"));
        QCOMPARE(app.tables().Tab_Liste.text("Liste"), name); // the new list is selected
        QCOMPARE(w->EntryCount->text(), QStringLiteral("0 Pflanzen auf der Liste!"));
    } else {
        QCOMPARE(app.prompter().messageTexts(), QStringList{message});
        QCOMPARE(count(app, "SELECT COUNT(*) FROM Liste"), 1);
        QVERIFY(w->Edit1->isVisible());
        QCOMPARE(w->BitBtn2->text(), QStringLiteral("Speichern"));
    }
}

void TestListWindows::cancelWritesNothing()
{
    AppFixture app;
    addRoses(app);
    QVERIFY(app.start());
    triggerMenu(app, "zurLIste");
    TListe *w = listWindow(app);
    w->BitBtn2->click();
    w->Edit2->setText("Beet");
    w->BitBtn3->click();
    QCOMPARE(count(app, "SELECT COUNT(*) FROM Liste"), 0);
    QVERIFY(!w->Edit2->isVisible());
    QCOMPARE(w->BitBtn3->text(), QStringLiteral("Liste löschen"));
    w->BitBtn6->click();
    QVERIFY(!w->isVisible());
    QVERIFY(app.mainWindow()->isEnabled());
}

// The same plant twice gives two rows, both counted; a renamed plant keeps its name on the list.
void TestListWindows::addingPlants()
{
    AppFixture app;
    addRoses(app);
    app.exec("INSERT INTO Liste (Nr, Liste) VALUES ('1', 'Beet'), ('2', 'Kübel')");
    app.prompter().setToday(QDate(2025, 4, 7));
    QVERIFY(app.start());
    triggerMenu(app, "zurLIste");
    TListe *w = listWindow(app);
    QCOMPARE(app.tables().Tab_Liste.text("Liste"), QStringLiteral("Beet"));
    w->BitBtn1->click();
    w->BitBtn1->click();
    QCOMPARE(app.prompter().messageTexts(),
             QStringList(2, "   \"Rosa canina\" zur Liste \"Beet\" hinzu gefügt!  "));
    QCOMPARE(w->EntryCount->text(), QStringLiteral("2 Pflanzen auf der Liste!"));
    QCOMPARE(count(app, "SELECT COUNT(*) FROM Listeninhalt WHERE ListenNr = '1' AND PflanzenID = 10 "
                        "AND Pflanze = 'Rosa canina' AND Liste = 'Beet' AND Erstellt = '07.04.2025'"),
             2);
    // The other list shows none of them.
    app.tables().Tab_Liste.last();
    QCOMPARE(w->EntryCount->text(), QStringLiteral("0 Pflanzen auf der Liste!"));
    app.exec("UPDATE Pflanzen SET Namen = 'Hundsrose' WHERE Nr = 10");
    QCOMPARE(count(app, "SELECT COUNT(*) FROM Listeninhalt WHERE Pflanze = 'Rosa canina'"), 2);
}

void TestListWindows::addingWithoutAList()
{
    AppFixture app;
    addRoses(app);
    QVERIFY(app.start());
    triggerMenu(app, "zurLIste");
    listWindow(app)->BitBtn1->click();
    QCOMPARE(app.prompter().messageTexts(),
             QStringList{"  Keine Liste angelegt! Bitte legen Sie erst eine neue Liste an! "});
    QCOMPARE(count(app, "SELECT COUNT(*) FROM Listeninhalt"), 0);
}

// All entries of the list go, whichever entry is selected; other lists keep theirs. A quote in
// the list's name or number breaks nothing.
void TestListWindows::deletingAListTakesItsEntries()
{
    AppFixture app;
    addRoses(app);
    app.exec("INSERT INTO Liste (Nr, Liste) VALUES ('1', 'Omas \"beste\" Rosen'), ('2''', 'Kübel')");
    app.exec("INSERT INTO Listeninhalt (ListenNr, Liste, PflanzenID, Pflanze) VALUES "
             "('1', 'x', 10, 'Rosa canina'), ('1', 'x', 11, 'Rosa gallica'), ('2''', 'Kübel', 10, 'Rosa canina')");
    QVERIFY(app.start());
    triggerMenu(app, "zurLIste");
    TListe *w = listWindow(app);
    QCOMPARE(w->EntryCount->text(), QStringLiteral("2 Pflanzen auf der Liste!"));
    app.tables().Tab_Listeninhalt.last();
    app.prompter().answerNo();
    w->BitBtn3->click();
    QCOMPARE(count(app, "SELECT COUNT(*) FROM Listeninhalt"), 3);
    app.prompter().answerYes();
    w->BitBtn3->click();
    QCOMPARE(app.prompter().messageTexts().last(),
             QStringLiteral("      Die Liste \"Omas \"beste\" Rosen\" wirklich löschen? Es werden auch alle Einträge zu "
                            "dieser Liste gelöscht! "));
    QCOMPARE(count(app, "SELECT COUNT(*) FROM Liste"), 1);
    QCOMPARE(count(app, "SELECT COUNT(*) FROM Listeninhalt WHERE ListenNr = '1'"), 0);
    QCOMPARE(count(app, "SELECT COUNT(*) FROM Listeninhalt WHERE ListenNr = '2'''"), 1);
    QCOMPARE(w->ListCount->text(), QStringLiteral("1 Listen vorhanden!"));
    QCOMPARE(w->EntryCount->text(), QStringLiteral("1 Pflanzen auf der Liste!"));
}

void TestListWindows::removingAPlant()
{
    AppFixture app;
    addRoses(app);
    app.exec("INSERT INTO Liste (Nr, Liste) VALUES ('1', 'Beet')");
    app.exec("INSERT INTO Listeninhalt (ListenNr, Liste, PflanzenID, Pflanze) VALUES "
             "('1', 'Beet', 10, 'Rosa canina'), ('1', 'Beet', 11, 'Rosa gallica')");
    QVERIFY(app.start());
    triggerMenu(app, "zurLIste");
    TListe *w = listWindow(app);
    QCOMPARE(app.tables().Tab_Listeninhalt.text("Pflanze"), QStringLiteral("Rosa canina")); // A - Z
    app.tables().Tab_Listeninhalt.last();
    app.prompter().answerYes();
    w->BitBtn5->click();
    QCOMPARE(app.prompter().messageTexts().last(), QStringLiteral(" Pflanze \"Rosa gallica\" von der Liste löschen?  "));
    QCOMPARE(count(app, "SELECT COUNT(*) FROM Listeninhalt WHERE PflanzenID = 11"), 0);
    QCOMPARE(w->EntryCount->text(), QStringLiteral("1 Pflanzen auf der Liste!"));
    // "nach Nummern" orders by plant number.
    w->ComboBox8->setCurrentIndex(1);
    w->ComboBox8Change();
    QCOMPARE(app.tables().Tab_Listeninhalt.sort(), QStringLiteral("PflanzenID"));
}

// The lists of the current plant; "Listen bearbeiten" opens the list window on the chosen one,
// and the main window stays disabled the whole way.
void TestListWindows::onListsWindow()
{
    AppFixture app;
    addRoses(app);
    app.exec("INSERT INTO Liste (Nr, Liste) VALUES ('1', 'Beet'), ('2', 'Kübel'), ('3', 'Balkon')");
    app.exec("INSERT INTO Listeninhalt (ListenNr, Liste, PflanzenID, Pflanze) VALUES "
             "('1', 'Beet', 10, 'Rosa canina'), ('2', 'Kübel', 10, 'Rosa canina'), ('3', 'Balkon', 11, 'Rosa gallica')");
    QVERIFY(app.start());
    triggerMenu(app, "PflanzegehrtzuListe1");
    TAufListe *on = listsOfPlant(app);
    QVERIFY(on->isVisible());
    QCOMPARE(on->PlantName->text(), QStringLiteral("Rosa canina"));
    QVERIFY(on->Label2->isVisible() && on->DBGrid1->isVisible() && !on->Label3->isVisible());
    QCOMPARE(app.tables().Tab_Listeninhalt.recordCount(), 2);
    QCOMPARE(app.tables().Tab_Listeninhalt.text("Liste"), QStringLiteral("Kübel")); // the last row
    on->BitBtn2->click();
    TListe *w = listWindow(app);
    QVERIFY(!on->isVisible());
    QVERIFY(w->isVisible());
    QVERIFY(!app.mainWindow()->isEnabled());
    QCOMPARE(app.tables().Tab_Liste.text("Nr"), QStringLiteral("2"));
    QCOMPARE(w->EntryCount->text(), QStringLiteral("1 Pflanzen auf der Liste!"));
    w->BitBtn6->click();
    QVERIFY(app.mainWindow()->isEnabled());
}

void TestListWindows::onNoList()
{
    AppFixture app;
    addRoses(app);
    app.exec("INSERT INTO Liste (Nr, Liste) VALUES ('1', 'Beet'), ('2', 'Kübel')");
    QVERIFY(app.start());
    triggerMenu(app, "PflanzegehrtzuListe1");
    TAufListe *on = listsOfPlant(app);
    QVERIFY(on->Label3->isVisible());
    QCOMPARE(on->Label3->text(), QStringLiteral("Pflanze steht auf keiner Liste!"));
    QVERIFY(!on->Label2->isVisible() && !on->DBGrid1->isVisible());
    on->BitBtn2->click();
    QVERIFY(listWindow(app)->isVisible());
    QCOMPARE(app.tables().Tab_Liste.text("Nr"), QStringLiteral("1")); // the list selected before
    on->close();
    listWindow(app)->close(); // the close box is "Schliessen"
    QVERIFY(!listWindow(app)->isVisible());
    QVERIFY(app.mainWindow()->isEnabled());
}

// "Liste drucken" prints the list selected in the window, through the list-print window.
void TestListWindows::printTheSelectedList()
{
    AppFixture app;
    addRoses(app);
    app.exec("INSERT INTO Liste (Nr, Liste) VALUES ('1', 'Beet'), ('2', 'Kübel')");
    app.exec("INSERT INTO Listeninhalt (ListenNr, Liste, PflanzenID, Pflanze) VALUES "
             "('1', 'Beet', 10, 'Rosa canina'), ('2', 'Kübel', 11, 'Rosa gallica'), ('2', 'Kübel', 10, 'Rosa canina')");
    QVERIFY(app.start());
    triggerMenu(app, "zurLIste");
    TListe *w = listWindow(app);
    app.tables().Tab_Liste.last();
    w->BitBtn4->click();
    auto *choice = app.find<TSortieren>("TSortieren");
    QVERIFY(choice->isVisible());
    QVERIFY(!w->isEnabled());
    choice->RadioGroup1->findChild<QAbstractButton *>("RadioGroup1_1")->click(); // the short form
    choice->BitBtn1->click();
    QVERIFY(w->isEnabled());
    QCOMPARE(app.prompter().previews().size(), size_t(1));
    QStringList printed;
    for (const report::Placed *p : app.prompter().previews().back().find("QRLabel15"))
        printed << p->text;
    QCOMPARE(printed, QStringList{"Liste: Kübel"});
    QCOMPARE(int(app.prompter().previews().back().find("EntryPlant").size()), 2);
}

VINDEL_TEST_MAIN(TestListWindows)
#include "test_list_windows.moc"
