// The data sheets: the single sheet with its sections and photos, the sheet with the diary, the
// print-selection window and the run over every plant of the list; the catalogue afterwards.
#include "ReportTestSupport.h"
#include "catalogue/DetailsPage.h"
#include "reports/TDruckauswahl.h"
#include "reports/TRep_druckansicht.h"
#include "support/TestMain.h"

#include <QPushButton>
#include <QRadioButton>

using namespace reporttest;

namespace {

// Rosa canina (ID 3, Nr 12) with every field, a photo in Bild1, a missing file in Bild2.
void addRosa(AppFixture &app, const QVariantMap &more = {})
{
    QVariantMap plant{{"Nr", 12},           {"Namen", "Rosa canina"}, {"Kategorie", "Sträucher"},
                      {"Familie", "Rosa"},  {"Art", "canina"},        {"Bezeichnung", "Hundsrose"},
                      {"Mundart", "Hagebutte"}, {"Herkunft", "Wald"}, {"Kaufpreis", "4,50"},
                      {"Töpfe", "12 cm"},   {"Sommer", "Sonne"},      {"Winter", "draußen"},
                      {"Bestand", "2019"},  {"Bild1", "3 Nr 12 Bild1 Rosa canina.JPG"},
                      {"Bild2", "fehlt.JPG"}};
    for (auto it = more.cbegin(); it != more.cend(); ++it)
        plant.insert(it.key(), it.value());
    addPlant(app, 3, plant);
    writeFile(photoFolder(app) + "3 Nr 12 Bild1 Rosa canina.JPG", jpegBytes(Qt::red));
}

QVariantMap sections(bool beschreibung, bool pflege, bool vermehrung, bool duengung, bool boden)
{
    return {{"Beschreibung", beschreibung ? "Ein Strauch." : ""}, {"Pflege", pflege ? "Schneiden." : ""},
            {"Vermehrung", vermehrung ? "Stecklinge." : ""}, {"Düngung", duengung ? "Kompost." : ""},
            {"Boden", boden ? "Lehm." : ""}};
}

QStringList sectionHeights(const report::Document &d)
{
    QStringList out;
    for (const report::Page &page : d.pages)
        for (const report::PlacedBand &b : page.bands)
            if (b.name.startsWith("QRSubDetail"))
                out << b.name.mid(11) + "=" + QString::number(b.height);
    return out;
}

void printFromDetails(AppFixture &app)
{
    app.mainWindow()->activatePage("TabSheet2");
    app.find<DetailsPage>("TabSheet2")->BitBtn12->click();
}

} // namespace

class TestDataSheets : public QObject {
    Q_OBJECT
private slots:
    void singleSheet();
    void senderBlock_data();
    void senderBlock();
    void sectionBands_data();
    void sectionBands();
    void longTextRunsOverPages();
    void sheetWithDiary();
    void categoryRun_data();
    void categoryRun();
    void emptyListRunsNothing();
    void cancel();
};

void TestDataSheets::singleSheet()
{
    AppFixture app;
    addRosa(app, sections(true, false, false, false, false));
    addPlant(app, 4, {{"Nr", 13}, {"Namen", "Iris"}});
    app.prompter().setToday(QDate(2024, 6, 1));
    QVERIFY(app.start());
    app.tables().Tab_Pflanzen_test.locate("Nr", 12);
    const QString before = catalogueState(app);
    printFromDetails(app);

    QCOMPARE(app.prompter().dialogs().last().detail, QStringLiteral("Pflanzendatenblatt"));
    const report::Document &d = lastPreview(app);
    QCOMPARE(d.pageCount(), 1);
    const QStringList texts = d.texts(0);
    for (const char *expected : {"Pflanzendatenblatt", "Stand vom : 01.06.2024", "Nr.: 12", "Rosa canina", "Hundsrose",
                                 "Hagebutte", "4,50", "Topfgröße:", "12 cm", "draußen", "Beschreibung:", "Ein Strauch.",
                                 "Pflege:"})
        QVERIFY2(texts.contains(expected), expected);
    // 91 + 520 + 56 + 3 × 32 = 763: the page is full, the empty "Boden:" is left out.
    QCOMPARE(d.bandNames(0), (QStringList{"QRBand1", "QRBand2", "QRSubDetail1", "QRSubDetail2", "QRSubDetail3",
                                          "QRSubDetail4"}));
    // Photos: the literature slot is empty, Bild1 is there, Bild2's file is not, Bild3 is empty.
    QVERIFY(isPlaceholder(d.find("QRImage1").front(), Placeholder::ForeignPhoto));
    QCOMPARE(d.find("QRImage2").front()->picture.path, photoFolder(app) + "3 Nr 12 Bild1 Rosa canina.JPG");
    QVERIFY(isPlaceholder(d.find("QRImage3").front(), Placeholder::PhotoMissing));
    QVERIFY(isPlaceholder(d.find("QRImage4").front(), Placeholder::OwnPhoto));
    QCOMPARE(d.find("QRImage2").front()->rect.size(), QSize(210, 153));

    // The catalogue is as it was; the main window stays on the details page.
    QCOMPARE(catalogueState(app), before);
    QCOMPARE(app.find<AppWindow>("TRep_druckansicht")->tag, 1);
    QVERIFY(app.returnToMainWindow());
    QCOMPARE(app.mainWindow()->activePageName(), QStringLiteral("TabSheet2"));
    QCOMPARE(catalogueState(app), before);
}

void TestDataSheets::senderBlock_data()
{
    QTest::addColumn<QString>("printName");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("Ja") << "Ja" << QStringList{"Gärtner Grete", "Rosenweg 3", "79100 Freiburg"};
    QTest::newRow("Nein") << "Nein" << QStringList{"", "", ""};
    QTest::newRow("empty") << "" << QStringList{"", "", ""};
}

void TestDataSheets::senderBlock()
{
    QFETCH(QString, printName);
    QFETCH(QStringList, lines);
    AppFixture app;
    addRosa(app);
    setOwner(app, printName);
    QVERIFY(app.start());
    printFromDetails(app);
    const report::Document &d = lastPreview(app);
    QCOMPARE((QStringList{d.find("QRLabel22").front()->text, d.find("QRLabel23").front()->text,
                          d.find("QRLabel24").front()->text}),
             lines);
}

// A section without text prints its heading alone (32 high); "Boden:" without text is left out
// when the page is full already (title, detail and the four sections above over 750).
void TestDataSheets::sectionBands_data()
{
    QTest::addColumn<QVariantMap>("texts");
    QTest::addColumn<QStringList>("heights");
    QTest::newRow("all empty: 739, Boden stays")
        << sections(false, false, false, false, false) << QStringList{"1=32", "2=32", "3=32", "4=32", "5=32"};
    QTest::newRow("four filled: 835, no Boden") << sections(true, true, true, true, false)
                                                << QStringList{"1=56", "2=56", "3=56", "4=56"};
    QTest::newRow("only Beschreibung: 763, no Boden")
        << sections(true, false, false, false, false) << QStringList{"1=56", "2=32", "3=32", "4=32"};
    QTest::newRow("Boden filled prints") << sections(true, true, true, true, true)
                                         << QStringList{"1=56", "2=56", "3=56", "4=56", "5=56"};
}

void TestDataSheets::sectionBands()
{
    QFETCH(QVariantMap, texts);
    QFETCH(QStringList, heights);
    AppFixture app;
    addRosa(app, texts);
    // Printed after a plant whose sections were all empty: the heights start anew.
    addPlant(app, 2, {{"Nr", 11}, {"Namen", "Aaa leer"}});
    QVERIFY(app.start());
    auto *sheet = app.find<TRep_druckansicht>("TRep_druckansicht");
    app.tables().Tab_Pflanzen_test.locate("Nr", 11);
    sheet->build();
    app.tables().Tab_Pflanzen_test.locate("Nr", 12);
    QCOMPARE(sectionHeights(sheet->build()), heights);
}

// A text longer than a page is not lost: it goes on on the next page.
void TestDataSheets::longTextRunsOverPages()
{
    QStringList lines;
    for (int i = 1; i <= 120; ++i)
        lines << QStringLiteral("Absatz %1 über die Pflege der Hundsrose.").arg(i);
    AppFixture app;
    addRosa(app, {{"Pflege", lines.join('\n')}});
    QVERIFY(app.start());
    printFromDetails(app);
    const report::Document &d = lastPreview(app);
    QVERIFY(d.pageCount() >= 2);
    QStringList printed;
    for (const report::Placed *part : d.find("QRSubDetail2Text"))
        printed += part->text.split('\n');
    QCOMPARE(printed, lines);
    QVERIFY(test::pdfPageCount(app.prompter().previewFiles().last()) >= 2);
}

void TestDataSheets::sheetWithDiary()
{
    AppFixture app;
    addRosa(app);
    addPlant(app, 4, {{"Nr", 13}, {"Namen", "Iris"}});
    addPlant(app, 9, {{"Nr", 14}, {"Namen", "Lilie"}});
    writeFile(photoFolder(app) + "1 Nr 12 Historie Rosa canina.JPG", jpegBytes(Qt::green));
    addEntry(app, 12, "01.05.2024", "Gießen", "1", "gut gegossen", "1 Nr 12 Historie Rosa canina.JPG");
    addEntry(app, 12, "02.05.2024", "Beobachtung", "0", "erste Blüte");
    addEntry(app, 13, "03.05.2024", "Beobachtung", "0", "andere Pflanze");
    QVERIFY(app.start());
    app.tables().Tab_Pflanzen_test.locate("Nr", 12);
    const QString before = catalogueState(app);
    mainPage(app)->BitBtn20->click();
    auto *choice = app.find<TDruckauswahl>("TDruckauswahl");
    QVERIFY(choice->isVisible());
    QVERIFY(!app.mainWindow()->isEnabled());
    choice->RadioButton2->setChecked(true);
    choice->BitBtn1->click();
    QVERIFY(!choice->isVisible());
    QVERIFY(app.mainWindow()->isEnabled());

    const report::Document &d = lastPreview(app);
    QCOMPARE(app.prompter().dialogs().last().detail, QStringLiteral("Pflanzendatenblatt mit Tagebuch"));
    const QString dump = d.dump();
    QVERIFY(dump.contains("Band GroupHeaderBand1"));
    QCOMPARE(d.find("EntryDate").size(), size_t(2));
    QStringList texts;
    for (int p = 0; p < d.pageCount(); ++p)
        texts += d.texts(p);
    QVERIFY(texts.contains("gut gegossen"));
    QVERIFY(texts.contains("erste Blüte"));
    QVERIFY(!texts.contains("andere Pflanze"));
    QCOMPARE(d.find("QRImage5")[0]->picture.path.isEmpty() + d.find("QRImage5")[1]->picture.path.isEmpty(), 1);
    for (const report::Placed *entryPhoto : d.find("QRImage5"))
        QVERIFY(!entryPhoto->picture.path.isEmpty() || isPlaceholder(entryPhoto, Placeholder::ForeignPhoto));
    QCOMPARE(catalogueState(app), before);

    // A plant without entries: the diary's heading, no entry.
    app.tables().Tab_Pflanzen_test.locate("Nr", 14);
    mainPage(app)->BitBtn20->click();
    choice->BitBtn1->click();
    const report::Document &none = lastPreview(app);
    QVERIFY(none.dump().contains("Band GroupHeaderBand1"));
    QVERIFY(!none.dump().contains("Band QRSubDetail1"));
}

void TestDataSheets::categoryRun_data()
{
    QTest::addColumn<bool>("withDiary");
    QTest::newRow("Datenblätter") << false;
    QTest::newRow("Datenblätter mit Tagebuch") << true;
}

// One preview per plant of the list, in the order of ID, each with its own plant; a second run
// begins with the first plant again; the catalogue is as before.
void TestDataSheets::categoryRun()
{
    QFETCH(bool, withDiary);
    AppFixture app;
    addPlant(app, 7, {{"Nr", 1}, {"Namen", "Rose C"}});
    addPlant(app, 5, {{"Nr", 2}, {"Namen", "Rose A"}, {"Bild7", "5 Bild7 Rose A.JPG"}});
    addPlant(app, 6, {{"Nr", 3}, {"Namen", "Rose B"}});
    addPlant(app, 8, {{"Nr", 4}, {"Namen", "Tulpe"}});
    writeFile(photoFolder(app) + "5 Bild7 Rose A.JPG", jpegBytes(Qt::blue));
    addEntry(app, 3, "01.05.2024", "Beobachtung", "0", "Eintrag von Rose B");
    setOwner(app, "Nein");
    QVERIFY(app.start());
    mainPage(app)->Edit33->setText("Rose");
    const QString before = catalogueState(app);
    auto *choice = app.find<TDruckauswahl>("TDruckauswahl");
    for (int run = 0; run < 2; ++run) {
        app.prompter().clearRecords();
        const size_t previewed = app.prompter().previews().size();
        mainPage(app)->BitBtn20->click();
        (withDiary ? choice->RadioButton4 : choice->RadioButton3)->setChecked(true);
        choice->BitBtn1->click();
        QCOMPARE(app.prompter().previews().size() - previewed, size_t(3));
        QStringList names;
        for (size_t i = previewed; i < app.prompter().previews().size(); ++i)
            names << app.prompter().previews()[i].find(withDiary ? "ValueNamen" : "ValueNamen").front()->text;
        QCOMPARE(names, (QStringList{"Rose A", "Rose B", "Rose C"}));
        const report::Document &first = app.prompter().previews()[previewed];
        QCOMPARE(first.find("QRImage1").front()->picture.path, photoFolder(app) + "5 Bild7 Rose A.JPG");
        if (withDiary) {
            QCOMPARE(app.prompter().previews()[previewed + 1].find("EntryDate").size(), size_t(1));
            QCOMPARE(app.prompter().previews()[previewed].find("EntryDate").size(), size_t(0));
        } else {
            // The run's sheet prints the owner whatever DruckName says.
            QCOMPARE(first.find("SenderNachname").front()->text, QStringLiteral("Gärtner"));
        }
        QVERIFY(!choice->isVisible());
        QVERIFY(app.mainWindow()->isEnabled());
        QCOMPARE(catalogueState(app), before);
    }
}

void TestDataSheets::emptyListRunsNothing()
{
    AppFixture app;
    addPlant(app, 5, {{"Nr", 2}, {"Namen", "Rose A"}});
    QVERIFY(app.start());
    mainPage(app)->Edit33->setText("Zypresse");
    auto *choice = app.find<TDruckauswahl>("TDruckauswahl");
    mainPage(app)->BitBtn20->click();
    choice->RadioButton3->setChecked(true);
    choice->BitBtn1->click();
    QVERIFY(app.prompter().previews().empty());
    QVERIFY(!choice->isVisible());
    QVERIFY(app.mainWindow()->isEnabled());
}

void TestDataSheets::cancel()
{
    AppFixture app;
    addRosa(app);
    QVERIFY(app.start());
    auto *choice = app.find<TDruckauswahl>("TDruckauswahl");
    mainPage(app)->BitBtn20->click();
    choice->BitBtn2->click();
    QVERIFY(!choice->isVisible());
    QVERIFY(app.mainWindow()->isEnabled());
    mainPage(app)->BitBtn20->click();
    choice->close(); // as "Abbruch"
    QVERIFY(!choice->isVisible());
    QVERIFY(app.mainWindow()->isEnabled());
    QVERIFY(app.prompter().previews().empty());
}

VINDEL_TEST_MAIN(TestDataSheets)
#include "test_data_sheets.moc"
