// The list reports and the diary report: their header lines, details, photos, page furniture
// and counts, the list-print window for both its openers, and the catalogue after the preview.
#include "ReportTestSupport.h"
#include "app/RadioGroup.h"
#include "diary/TagebuchPage.h"
#include "reports/TSortieren.h"
#include "support/TestMain.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QPushButton>

using namespace reporttest;

namespace {

TSortieren *listChoice(AppFixture &app) { return app.find<TSortieren>("TSortieren"); }

void choose(RadioGroup *group, int item)
{
    group->findChild<QAbstractButton *>(group->objectName() + "_" + QString::number(item))->click();
}

// Roses and a tulip; Rosa gallica's list photo is its Bild2, a JPEG.
void addGarden(AppFixture &app)
{
    addPlant(app, 1, {{"Nr", 10}, {"Namen", "Rosa canina"}, {"Herkunft", "Wald"}, {"Kategorie", "Sträucher"}});
    addPlant(app, 2, {{"Nr", 11}, {"Namen", "Rosa gallica"}, {"Herkunft", "Baumschule"}, {"FotoListe", "Bild2"},
                      {"Bild2", "2 Nr 11 Bild2 Rosa gallica.JPG"}});
    addPlant(app, 3, {{"Nr", 12}, {"Namen", "Tulipa"}, {"Herkunft", "Markt"}});
    writeFile(photoFolder(app) + "2 Nr 11 Bild2 Rosa gallica.JPG", jpegBytes(Qt::red));
    setOwner(app, "Nein");
}

QStringList column(const report::Document &d, const QString &name)
{
    QStringList out;
    for (const report::Placed *p : d.find(name))
        out << p->text;
    return out;
}

} // namespace

class TestLists : public QObject {
    Q_OBJECT
private slots:
    void longList_data();
    void longList();
    void shortListInAnotherOrder();
    void userListShortForm();
    void userListLongForm();
    void cancelReturnsToTheOpener();
    void diaryReport();
};

void TestLists::longList_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("line2");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("searched") << "Ros" << "Gefilter nach: Namen = Ros*    Sortierung: A - Z"
                              << QStringList{"Rosa canina", "Rosa gallica"};
    QTest::newRow("no search") << "" << "Gefilter nach: Namen = *    Sortierung: A - Z"
                               << QStringList{"Rosa canina", "Rosa gallica", "Tulipa"};
}

void TestLists::longList()
{
    QFETCH(QString, search);
    QFETCH(QString, line2);
    QFETCH(QStringList, names);
    AppFixture app;
    addGarden(app);
    QVERIFY(app.start());
    mainPage(app)->Edit33->setText(search);
    const QString before = catalogueState(app);
    mainPage(app)->BitBtn15->click();
    TSortieren *w = listChoice(app);
    QVERIFY(w->isVisible());
    QVERIFY(!app.mainWindow()->isEnabled());
    w->BitBtn1->click();
    QVERIFY(!w->isVisible());
    QVERIFY(app.mainWindow()->isEnabled());

    const report::Document &d = lastPreview(app);
    QCOMPARE(column(d, "QRLabel23"), QStringList{line2});
    QVERIFY(column(d, "QRLabel15").first().startsWith("Kategorie: "));
    QCOMPARE(column(d, "PlantName"), names);
    QCOMPARE(column(d, "SummaryCount"), QStringList{"Anzahl Pflanzen: " + QString::number(names.size())});
    // The list photo: the column FotoListe names, else the own-photo placeholder.
    const std::vector<const report::Placed *> photos = d.find("QRImage1");
    QVERIFY(isPlaceholder(photos[0], Placeholder::OwnPhoto));
    QCOMPARE(photos[1]->picture.path, photoFolder(app) + "2 Nr 11 Bild2 Rosa gallica.JPG");
    // The PDF holds the same.
    const QString pdf = test::pdfText(app.prompter().previewFiles().last());
    QVERIFY(pdf.contains("Pflanzenliste"));
    QVERIFY(pdf.contains("Rosa gallica"));
    QCOMPARE(catalogueState(app), before);
    QCOMPARE(app.find<AppWindow>("TRep_Liste")->tag, 1);
    QVERIFY(app.returnToMainWindow());
    QCOMPARE(app.mainWindow()->activePageName(), QStringLiteral("TabSheet1"));
    QCOMPARE(catalogueState(app), before);
}

void TestLists::shortListInAnotherOrder()
{
    AppFixture app;
    addGarden(app);
    QVERIFY(app.start());
    const QString before = catalogueState(app);
    mainPage(app)->BitBtn15->click();
    TSortieren *w = listChoice(app);
    QCOMPARE(w->RadioGroup2->itemIndex(), -1);
    choose(w->RadioGroup1, 1);
    choose(w->RadioGroup2, 4); // "Herkunft"
    w->BitBtn1->click();
    const report::Document &d = lastPreview(app);
    QVERIFY(d.find("QRImage1").empty());
    QCOMPARE(column(d, "PlantName"), (QStringList{"Rosa gallica", "Tulipa", "Rosa canina"})); // Baumschule, Markt, Wald
    QCOMPARE(column(d, "QRLabel2"), QStringList{"Gefilter nach: Namen = *    Sortierung: Herkunft"});
    QCOMPARE(catalogueState(app), before); // the catalogue keeps its own order
}

// A user list of 45 entries, short form: the furniture on the first page only, the column header
// on every page, "Anzahl Pflanzen:" 45.
void TestLists::userListShortForm()
{
    AppFixture app;
    addGarden(app);
    app.exec("INSERT INTO Liste (Nr, Liste, Erstellt) VALUES ('3', 'Balkon', '01.05.2024')");
    for (int i = 1; i <= 45; ++i)
        app.exec("INSERT INTO Listeninhalt (PflanzenID, Pflanze, Erstellt, Liste, ListenNr) VALUES (?, ?, ?, 'Balkon', '3')",
                 {QString::number(100 + i), QStringLiteral("Pflanze %1").arg(i), QStringLiteral("02.05.2024")});
    QVERIFY(app.start());
    Table &entries = app.tables().Tab_Listeninhalt;
    entries.open();
    entries.setFilter("(ListenNr = '3')");
    entries.setFiltered(true);
    auto *lists = app.find<AppWindow>("TListe");
    QVERIFY(app.activate(lists));
    TSortieren *w = listChoice(app);
    w->showOver(lists);
    QVERIFY(!lists->isEnabled());
    choose(w->RadioGroup1, 1);
    w->BitBtn1->click();
    QVERIFY(lists->isEnabled());

    const report::Document &d = lastPreview(app);
    QVERIFY(d.pageCount() >= 2);
    QCOMPARE(column(d, "ListTitle").size(), 1);
    QCOMPARE(column(d, "QRLabel15"), QStringList{"Liste: Balkon"});
    QCOMPARE(column(d, "QRLabel2"), QStringList{"Listen Nr.: 3"});
    QCOMPARE(int(d.find("HeadNr").size()), d.pageCount());
    for (int p = 0; p < d.pageCount(); ++p)
        QCOMPARE(d.bandNames(p).contains("QRBand4"), true);
    QCOMPARE(column(d, "EntryPlant").size(), 45);
    QCOMPARE(column(d, "SummaryCount"), QStringList{"Anzahl Pflanzen: 45"});
    QCOMPARE(test::pdfPageCount(app.prompter().previewFiles().last()), d.pageCount());
}

// The long form prints each entry's plant in full, also one the catalogue does not show now.
void TestLists::userListLongForm()
{
    AppFixture app;
    addGarden(app);
    app.exec("INSERT INTO Listeninhalt (PflanzenID, Pflanze, Erstellt, Liste, ListenNr) VALUES "
             "('12', 'Tulipa', '02.05.2024', 'Beet', '4'), ('11', 'Rosa gallica', '02.05.2024', 'Beet', '4'), "
             "('99', 'gelöscht', '02.05.2024', 'Beet', '4')");
    app.exec("INSERT INTO Liste (Nr, Liste) VALUES ('4', 'Beet')");
    QVERIFY(app.start());
    mainPage(app)->Edit33->setText("Rosa c");
    const QString before = catalogueState(app);
    auto *lists = app.find<AppWindow>("TListe");
    QVERIFY(app.activate(lists));
    listChoice(app)->showOver(lists);
    listChoice(app)->BitBtn1->click();
    const report::Document &d = lastPreview(app);
    // The list window sorts A - Z by the name stored on the entry: the deleted plant comes first.
    QCOMPARE(column(d, "PlantName"), (QStringList{"", "Rosa gallica", "Tulipa"}));
    QCOMPARE(column(d, "PlantOriginCaption").size(), 3);
    QCOMPARE(column(d, "QRLabel15").first(), QStringLiteral("Liste: Beet"));
    QCOMPARE(d.find("QRImage1")[1]->picture.path, photoFolder(app) + "2 Nr 11 Bild2 Rosa gallica.JPG");
    QCOMPARE(catalogueState(app), before);
}

void TestLists::cancelReturnsToTheOpener()
{
    AppFixture app;
    addGarden(app);
    QVERIFY(app.start());
    auto *lists = app.find<AppWindow>("TListe");
    QVERIFY(app.activate(lists));
    TSortieren *w = listChoice(app);
    w->showOver(lists);
    w->BitBtn2->click();
    QVERIFY(lists->isEnabled());
    w->showOver(lists);
    w->close(); // the title bar's close acts as "Abbruch"
    QVERIFY(!w->isVisible());
    QVERIFY(lists->isEnabled());
    mainPage(app)->BitBtn15->click();
    w->close();
    QVERIFY(app.mainWindow()->isEnabled());
    QVERIFY(app.prompter().previews().empty());
}

void TestLists::diaryReport()
{
    AppFixture app;
    addGarden(app);
    writeFile(photoFolder(app) + "1 Nr 10 Historie Rosa canina.JPG", jpegBytes(Qt::green));
    addEntry(app, 10, "01.05.2024", "Gießen", "1", "gegossen", "1 Nr 10 Historie Rosa canina.JPG");
    addEntry(app, 10, "02.05.2024", "Beobachtung", "0", "Knospen");
    addEntry(app, 10, "03.05.2024", "Gießen", "1", "wieder gegossen");
    addEntry(app, 11, "03.05.2024", "Gießen", "1", "andere Pflanze");
    app.exec("INSERT INTO Aktionen (Kenner, Bezeichnung) VALUES ('1', 'Gießen')");
    QVERIFY(app.start());
    mainPage(app)->Edit33->setText("Ros");
    app.tables().Tab_Pflanzen_test.locate("Nr", 10);
    app.mainWindow()->activatePage("TabSheet3");
    auto *page = app.find<TagebuchPage>("TabSheet3");
    choose(page->RadioGroup1, 1); // actions only
    const QString before = catalogueState(app);
    page->BitBtn19->click();

    const report::Document &d = lastPreview(app);
    QCOMPARE(app.prompter().dialogs().last().detail, QStringLiteral("Tagebuch"));
    QCOMPARE(column(d, "DiaryPlant"), QStringList{"Rosa canina"});
    QCOMPARE(column(d, "EntryDate"), (QStringList{"03.05.2024", "01.05.2024"})); // the page's filter and order
    QVERIFY(isPlaceholder(d.find("QRImage1").front(), Placeholder::ForeignPhoto));
    QVERIFY(isPlaceholder(d.find("QRImage2")[0], Placeholder::OwnPhoto));
    QCOMPARE(d.find("QRImage2")[1]->picture.path, photoFolder(app) + "1 Nr 10 Historie Rosa canina.JPG");
    QCOMPARE(column(d, "PlantGenusCaption"), QStringList{"Gattung:"});
    QCOMPARE(catalogueState(app), before);
    QVERIFY(app.returnToMainWindow());
    QCOMPARE(app.mainWindow()->activePageName(), QStringLiteral("TabSheet3"));
    QCOMPARE(app.tables().Tab_Pflanzen_test.recordCount(), 2);
}

VINDEL_TEST_MAIN(TestLists)
#include "test_lists.moc"
