// The photo menu of the seven slots end to end: loading (with the extension rule, JPEG kept byte
// for byte, BMP written anew, FotoListe), replacing, deleting, printing, and what stays in the
// photo folder.
#include "PhotoPageSupport.h"
#include "support/PdfFiles.h"
#include "support/TestMain.h"

#include <QImageReader>

using namespace phototest;

class TestPhotoCommands : public QObject {
    Q_OBJECT
private slots:
    void menuOffersWhatTheSlotHas();
    void otherExtensionsAreRefused_data();
    void otherExtensionsAreRefused();
    void jpegIsStoredByteForByte();
    void bitmapIsWrittenAnewAndReplacesAJpeg();
    void deletingAsksFirst_data();
    void deletingAsksFirst();
    void printsThePictureOfTheSlot_data();
    void printsThePictureOfTheSlot();
};

void TestPhotoCommands::menuOffersWhatTheSlotHas()
{
    AppFixture app;
    addIris(app, {"da.JPG", "weg.JPG"});
    writeFile(photoFolder(app) + "da.JPG", solidJpeg(Qt::red));
    QVERIFY(app.start());
    PlantPhotoCommands &c = commands(app);
    c.PopupMenu1Popup(1, QPoint(5, 5));
    for (QAction *a : {c.Fotoanzeigen1, c.Fotoladen1, c.Drucken1, c.Fotolschen1, c.Abbrechen1})
        QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
    QCOMPARE(app.state().PhotoCode, 0); // set when the menu closes
    c.PopupMenu1->hide();
    QCOMPARE(app.state().PhotoCode, 1);
    c.Abbrechen1->trigger();
    QCOMPARE(app.state().PhotoCode, 0);

    // A file that is gone: the slot shows its placeholder, only loading and cancelling are offered.
    c.PopupMenu1Popup(2, QPoint(5, 5));
    QCOMPARE(app.state().CurrentPhotoPath, photoFolder(app) + "weg.JPG");
    QVERIFY(c.Fotoladen1->isEnabled() && c.Abbrechen1->isEnabled());
    QVERIFY(!c.Fotoanzeigen1->isEnabled() && !c.Drucken1->isEnabled() && !c.Fotolschen1->isEnabled());
    QCOMPARE(app.find<PhotoView>("Image2")->picture(), placeholderImage(Placeholder::OwnPhoto));
    c.PopupMenu1->hide();
}

void TestPhotoCommands::otherExtensionsAreRefused_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow(".jpeg") << "Blume.jpeg";
    QTest::newRow("mixed case .Jpg") << "Blume.Jpg";
    QTest::newRow(".png") << "Blume.png";
}

void TestPhotoCommands::otherExtensionsAreRefused()
{
    QFETCH(QString, file);
    AppFixture app;
    addIris(app);
    QVERIFY(app.start());
    app.prompter().queueFile(sourceFile(app, file, solidJpeg(Qt::green)));
    choose(app, 4, &PlantPhotoCommands::Fotoladen1);
    QCOMPARE(app.prompter().messageTexts(),
             QStringList{"Das Bild hat nicht das richtige Format von \".BMP\" oder \".JPG\"!"});
    QCOMPARE(app.select("SELECT Bild4 FROM Pflanzen")[0][0].toString(), QString());
    QCOMPARE(filesIn(photoFolder(app)), QStringList());
    QCOMPARE(app.state().PhotoCode, 0);
}

void TestPhotoCommands::jpegIsStoredByteForByte()
{
    AppFixture app;
    addIris(app);
    QVERIFY(app.start());
    const QByteArray bytes = withExif(solidJpeg(Qt::blue, {400, 300}), 1);
    app.prompter().queueFile(sourceFile(app, "urlaub.jpg", bytes));
    choose(app, 4, &PlantPhotoCommands::Fotoladen1);
    QCOMPARE(app.prompter().messageTexts(), QStringList());
    QCOMPARE(app.prompter().dialogs().last().dialog, QStringLiteral("openFile"));
    QCOMPARE(app.prompter().dialogs().last().detail, sourceFolder(app)); // starts in Fotopfad
    const QString name = "3 Nr 15 Bild4 Iris.JPG";
    QCOMPARE(app.select("SELECT Bild4, FotoListe FROM Pflanzen")[0], (std::vector<QVariant>{name, QVariant()}));
    QCOMPARE(readFile(photoFolder(app) + name), bytes);
    QTRY_COMPARE(app.find<PhotoView>("Image6")->state(), SlotState::Photo);
}

// A bitmap is written anew as a bitmap; loaded into slot 1 it becomes the list photo. Replacing
// the JPEG of slot 1 by it leaves the JPEG file in the folder.
void TestPhotoCommands::bitmapIsWrittenAnewAndReplacesAJpeg()
{
    AppFixture app;
    addIris(app);
    QVERIFY(app.start());
    app.prompter().queueFile(sourceFile(app, "erst.JPG", solidJpeg(Qt::red)));
    choose(app, 1, &PlantPhotoCommands::Fotoladen1);
    app.prompter().queueFile(sourceFile(app, "dann.BMP", encode(quadrants(64, 48), "BMP")));
    choose(app, 1, &PlantPhotoCommands::Fotoladen1);
    QCOMPARE(app.prompter().messageTexts(), QStringList());
    QCOMPARE(app.select("SELECT Bild1, FotoListe FROM Pflanzen")[0],
             (std::vector<QVariant>{"3 Nr 15 Bild1 Iris.bmp", "Bild1"}));
    QCOMPARE(filesIn(photoFolder(app)), (QStringList{"3 Nr 15 Bild1 Iris.JPG", "3 Nr 15 Bild1 Iris.bmp"}));
    QImageReader stored(photoFolder(app) + "3 Nr 15 Bild1 Iris.bmp");
    QCOMPARE(stored.format(), QByteArray("bmp"));
    const QImage picture = stored.read();
    QCOMPARE(picture.size(), QSize(64, 48));
    QVERIFY(near(picture.pixel(10, 10), Qt::red));
    QVERIFY(near(picture.pixel(50, 40), Qt::white));
    // Slot 2 leaves the list photo alone.
    app.prompter().queueFile(sourceFile(app, "zwei.jpg", solidJpeg(Qt::green)));
    app.exec("UPDATE Pflanzen SET FotoListe = 'Bild3'");
    app.tables().Tab_Pflanzen_test.refresh();
    choose(app, 2, &PlantPhotoCommands::Fotoladen1);
    QCOMPARE(app.select("SELECT FotoListe FROM Pflanzen")[0][0].toString(), QStringLiteral("Bild3"));
}

void TestPhotoCommands::deletingAsksFirst_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("sharedWithAnotherPlant");
    QTest::newRow("Yes") << true << false;
    QTest::newRow("No") << false << false;
    QTest::newRow("Yes, but another plant names the file") << true << true;
}

void TestPhotoCommands::deletingAsksFirst()
{
    QFETCH(bool, yes);
    QFETCH(bool, sharedWithAnotherPlant);
    AppFixture app;
    addIris(app, {"3 Nr 15 Bild1 Iris.JPG"});
    app.exec("UPDATE Pflanzen SET FotoListe = 'Bild1'");
    if (sharedWithAnotherPlant)
        app.exec("INSERT INTO Pflanzen (Nr, Namen, Bild5) VALUES (16, 'Zwilling', '3 Nr 15 Bild1 Iris.JPG')");
    writeFile(photoFolder(app) + "3 Nr 15 Bild1 Iris.JPG", solidJpeg(Qt::red));
    QVERIFY(app.start());
    app.tables().Tab_Pflanzen_test.locate("Nr", 15);
    yes ? app.prompter().answerYes() : app.prompter().answerNo();
    choose(app, 1, &PlantPhotoCommands::Fotolschen1);
    QCOMPARE(app.prompter().messageTexts(), QStringList{"Wollen Sie das Bild wirklich Löschen?"});
    QCOMPARE(app.select("SELECT Bild1, FotoListe FROM Pflanzen WHERE Nr = 15")[0],
             (std::vector<QVariant>{yes ? "" : "3 Nr 15 Bild1 Iris.JPG", "Bild1"}));
    QCOMPARE(QFile::exists(photoFolder(app) + "3 Nr 15 Bild1 Iris.JPG"), !yes || sharedWithAnotherPlant);
    if (yes)
        QTRY_COMPARE(app.find<PhotoView>("Image1")->picture(), placeholderImage(Placeholder::OwnPhoto));
    QCOMPARE(app.state().PhotoCode, 0);
}

void TestPhotoCommands::printsThePictureOfTheSlot_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("slot 5") << 5 << QColor(Qt::red);
    QTest::newRow("slot 7, the literature photo") << 7 << QColor(Qt::blue);
}

// The picture goes to the printer whole and unscaled: one picture pixel per printer dot, at the
// top left of the page.
void TestPhotoCommands::printsThePictureOfTheSlot()
{
    QFETCH(int, slot);
    QFETCH(QColor, colour);
    AppFixture app;
    addIris(app, {"", "", "", "", "fuenf.JPG", "", "sieben.JPG"});
    writeFile(photoFolder(app) + "fuenf.JPG", solidJpeg(Qt::red, {600, 300}));
    writeFile(photoFolder(app) + "sieben.JPG", solidJpeg(Qt::blue, {600, 300}));
    QVERIFY(app.start());
    app.prompter().queuePrintSetup(false);
    choose(app, slot, &PlantPhotoCommands::Drucken1);
    QVERIFY(app.prompter().printedFiles().isEmpty()); // cancelled: nothing printed
    app.prompter().queuePrintSetup(true);
    choose(app, slot, &PlantPhotoCommands::Drucken1);
    QCOMPARE(app.prompter().printedFiles().size(), 1);

    // At 1200 dots per inch 600 x 300 pixels are half by a quarter inch: 150 x 75 at 300 dpi.
    const QImage page = pdfPage(app.prompter().printedFiles().first(), 1, 300);
    QVERIFY(!page.isNull());
    QRect painted;
    for (int y = 0; y < page.height() / 3; ++y)
        for (int x = 0; x < page.width() / 2; ++x)
            if (qGray(page.pixel(x, y)) < 200)
                painted |= QRect(x, y, 1, 1);
    QVERIFY(qAbs(painted.width() - 150) <= 2 && qAbs(painted.height() - 75) <= 2);
    QVERIFY(painted.left() < 100 && painted.top() < 100); // the top left of the printable area
    QVERIFY(near(page.pixel(painted.center()), colour));
}

VINDEL_TEST_MAIN(TestPhotoCommands)
#include "test_photo_commands.moc"
