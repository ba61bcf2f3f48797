// The plant display end to end: every field of the plant box, the details page and the diary
// tab's caption; the seven photo slots with placeholders, missing and damaged files, BMP, EXIF
// orientation and the display rules; photos of plants the user has left are never shown, and
// moving on quickly decodes nothing for the plants passed by.
#include "BrowserTestSupport.h"
#include "app/Tag.h"
#include "photos/PhotoView.h"
#include "photos/PhotoTestData.h"
#include "photos/PlantPhotoSlots.h"
#include "photos/ThumbnailLoader.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

using namespace browsertest;

namespace {

const char *const kImageNames[7] = {"Image1", "Image2", "Image4", "Image6", "Image7", "Image8", "Image9"};

QString photoFolder(AppFixture &app) { return app.programDir() + QStringLiteral("Fotos/"); }

void writePhoto(AppFixture &app, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(photoFolder(app));
    phototest::writeFile(photoFolder(app) + name, bytes);
}

QByteArray solidJpeg(QColor colour, QSize size = {320, 240})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return phototest::encode(image, "JPEG");
}

PhotoView *view(AppFixture &app, int slot) { return app.find<PhotoView>(QLatin1String(kImageNames[slot - 1])); }

// Waits until no slot is loading any more.
bool settled(AppFixture &app)
{
    HauptansichtPage *page = mainView(app);
    for (int slot = 1; slot <= 7; ++slot)
        if (page->photoSlots().state(slot) == SlotState::Loading || view(app, slot)->state() == SlotState::Loading)
            return false;
    return !page->photosWaiting();
}

QString stateName(SlotState s)
{
    switch (s) {
    case SlotState::Empty: return QStringLiteral("empty");
    case SlotState::Photo: return QStringLiteral("photo");
    case SlotState::Missing: return QStringLiteral("missing");
    case SlotState::Damaged: return QStringLiteral("damaged");
    case SlotState::Loading: return QStringLiteral("loading");
    }
    return {};
}

void addPlantWithPhotos(AppFixture &app, int nr, const QString &name, const QStringList &photos)
{
    QStringList columns{QStringLiteral("Nr"), QStringLiteral("Namen")};
    QVariantList values{nr, name};
    for (int i = 0; i < photos.size(); ++i) {
        columns << QStringLiteral("Bild%1").arg(i + 1);
        values << photos[i];
    }
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    app.exec("INSERT INTO Pflanzen (" + columns.join(',') + ") VALUES (" + marks.join(',') + ")", values);
}

} // namespace

class TestPlantDisplay : public QObject {
    Q_OBJECT
private slots:
    void everyFieldOfThePlant();
    void diaryCaptionCountsEntries();
    void numberFieldKeptWhileRenumbering();
    void duplicationKeepsTheFields();
    void photoSlots_data();
    void photoSlots();
    void damagedFileQuietOnEveryVisit();
    void photosAppearUpright();
    void displayRules();
    void largerThumbnailsGetSharperPictures();
    void leftPlantsAreNeverShown();
    void movingOnQuicklyDecodesNothing();
};

void TestPlantDisplay::everyFieldOfThePlant()
{
    // Column, control: the plant box and the details page.
    const std::vector<std::pair<const char *, const char *>> fields{
        {"Kategorie", "Edit16"}, {"Namen", "Edit15"},       {"Familie", "Edit34"},      {"Art", "Edit4"},
        {"Variante", "Edit30"},  {"Bezeichnung", "Edit8"},  {"Vorkommen", "Edit25"},    {"Feldnummer", "Edit49"},
        {"Mundart", "Edit17"},   {"Aussaat", "Edit12"},     {"Kaufpreis", "Edit11"},    {"Herkunft", "Edit9"},
        {"Blüte", "Edit13"},     {"Töpfe", "Edit10"},       {"Bestand", "Edit24"},      {"Sommer", "Edit14"},
        {"Winter", "Edit27"},    {"Beschreibung", "Memo3"}, {"Pflege", "Memo4"},        {"Vermehrung", "Memo5"},
        {"Düngung", "Memo1"},    {"Boden", "Memo6"},        {"Webseite1", "Edit54"},    {"Webseite2", "Edit55"},
        {"Webseite3", "Edit56"},
    };
    Catalogue app;
    QStringList columns{"Nr", "Nummeriert", "Beschriftet", "FotoListe"};
    QVariantList values{42, "Ja", "Nein", "Bild3"};
    for (const auto &[column, control] : fields) {
        columns << '"' + QString::fromUtf8(column) + '"';
        values << QString::fromUtf8(column) + QStringLiteral(" von ") + QLatin1String(control);
    }
    values[4 + 1] = QStringLiteral("Zitronengras"); // Namen: the grid is sorted by it
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << "?";
    app.exec("INSERT INTO Pflanzen (" + columns.join(',') + ") VALUES (" + marks.join(',') + ")", values);
    HauptansichtPage *page = app.start();
    QVERIFY(page);
    QVERIFY(clickRow(page->DBGrid1, "Zitronengras", 1));

    for (size_t i = 0; i < fields.size(); ++i) {
        const QString name = QLatin1String(fields[i].second);
        QWidget *w = app.find(name);
        QVERIFY2(w, qPrintable(name));
        QString shown;
        if (auto *e = qobject_cast<QLineEdit *>(w))
            shown = e->text();
        else if (auto *m = qobject_cast<QPlainTextEdit *>(w))
            shown = m->toPlainText();
        QCOMPARE(shown, values[int(i) + 4].toString());
    }
    QCOMPARE(page->Label125->text(), QStringLiteral("42"));
    QCOMPARE(page->Edit46->text(), QStringLiteral("42"));
    QVERIFY(page->Edit46->isHidden());
    QVERIFY(page->CheckBox1->isChecked());
    QVERIFY(!page->CheckBox2->isChecked());
    QCOMPARE(page->ComboBox7->currentText(), QStringLiteral("Bild3"));
    QCOMPARE(app.find<QLabel>("Label52")->text(), QStringLiteral("Zitronengras"));
    QCOMPARE(app.find<QLabel>("Label53")->text(), QStringLiteral("Zitronengras"));
    QCOMPARE(app.state().CurrentPlantNr, 42);
    QCOMPARE(app.state().CurrentPlantNrText, QStringLiteral("42"));
    QCOMPARE(app.state().CurrentPlantId, int(app.tables().Tab_Pflanzen_test.integer("ID")));

    // Another plant: its own values, empty fields for empty columns.
    QVERIFY(clickRow(page->DBGrid1, "Rotklee", 1));
    QCOMPARE(page->Edit15->text(), QStringLiteral("Rotklee"));
    QCOMPARE(page->Edit34->text(), QString());
    QCOMPARE(app.find<QPlainTextEdit>("Memo3")->toPlainText(), QString());
    QVERIFY(!page->CheckBox1->isChecked());
    QCOMPARE(page->ComboBox7->currentText(), QString());
    QCOMPARE(page->Label125->text(), QStringLiteral("5"));

    // The list photo choice of an empty slot says so.
    QVERIFY(page->ComboBox7->findText("Bild2") >= 0);
    page->ComboBox7->setEnabled(true);
    page->ComboBox7->setCurrentIndex(0);
    QVERIFY(choose(page->ComboBox7, "Bild2"));
    QCOMPARE(app.prompter().messageTexts(), QStringList{"          Kein Foto vorhanden!         "});
}

void TestPlantDisplay::diaryCaptionCountsEntries()
{
    Catalogue app;
    for (int i = 0; i < 3; ++i)
        app.exec("INSERT INTO Historie (PflanzenID, Datum, Aktion) VALUES ('12', '01.05.2020', 'Beobachtung')");
    app.exec("INSERT INTO Historie (PflanzenID, Datum, Aktion) VALUES ('1', '01.05.2020', 'Beobachtung')");
    app.exec("INSERT INTO Historie (PflanzenID, Datum, Aktion) VALUES ('120', '01.05.2020', 'Beobachtung')");
    HauptansichtPage *page = app.start();
    QVERIFY(page);
    QTabWidget *tabs = app.mainWindow()->pageControl();
    QVERIFY(clickRow(page->DBGrid1, "Rosmarin", 1));
    QCOMPARE(tabs->tabText(2), QStringLiteral("Tagbuch ( 3 )   "));
    QCOMPARE(app.state().FilterText, QStringLiteral("(PflanzenID = '12')"));
    QCOMPARE(app.state().FilterValue, QStringLiteral("12"));
    QVERIFY(!app.tables().Tab_Historie.filtered());
    QVERIFY(clickRow(page->DBGrid1, "Agave americana", 1));
    QCOMPARE(tabs->tabText(2), QStringLiteral("Tagbuch ( 0 )   "));
}

void TestPlantDisplay::numberFieldKeptWhileRenumbering()
{
    Catalogue app;
    HauptansichtPage *page = app.start();
    QVERIFY(page);
    QVERIFY(clickRow(page->DBGrid1, "Rosmarin", 1));
    // The number dialog put a new, unsaved number into the field.
    page->Edit46->setText(QStringLiteral("99"));
    Tag::set(page->Edit46, 1);
    page->Pflanzezeigen();
    QCOMPARE(page->Edit46->text(), QStringLiteral("99"));
    QCOMPARE(page->Label125->text(), QStringLiteral("12"));
    Tag::set(page->Edit46, 0);
    page->Pflanzezeigen();
    QCOMPARE(page->Edit46->text(), QStringLiteral("12"));
}

// While a plant is being duplicated the fields keep what is being copied; only the current-plant
// variables and the diary count follow the cursor.
void TestPlantDisplay::duplicationKeepsTheFields()
{
    Catalogue app;
    app.exec("INSERT INTO Historie (PflanzenID, Datum, Aktion) VALUES ('5', '01.05.2020', 'Beobachtung')");
    HauptansichtPage *page = app.start();
    QVERIFY(page);
    QVERIFY(clickRow(page->DBGrid1, "Rosmarin", 1));
    QWidget *duplicate = app.find("BitBtn22");
    QVERIFY(duplicate);
    Tag::set(duplicate, 1);
    QVERIFY(clickRow(page->DBGrid1, "Rotklee", 1));
    QCOMPARE(page->Edit15->text(), QStringLiteral("Rosmarin"));
    QCOMPARE(page->Label125->text(), QStringLiteral("12"));
    QCOMPARE(app.state().CurrentPlantNr, 5);
    QCOMPARE(app.state().CurrentPlantId, int(app.tables().Tab_Pflanzen_test.integer("ID")));
    QCOMPARE(app.mainWindow()->pageControl()->tabText(2), QStringLiteral("Tagbuch ( 1 )   "));
    Tag::set(duplicate, 0);
    page->Pflanzezeigen();
    QCOMPARE(page->Edit15->text(), QStringLiteral("Rotklee"));
}

void TestPlantDisplay::photoSlots_data()
{
    QTest::addColumn<QStringList>("columns"); // Bild1 ... Bild7
    QTest::addColumn<QStringList>("states");
    QTest::newRow("no photos") << QStringList{"", "", "", "", "", "", ""}
                               << QStringList{"empty", "empty", "empty", "empty", "empty", "empty", "empty"};
    QTest::newRow("Bild3 deleted from the folder")
        << QStringList{"good.JPG", "", "gone.JPG", "", "good.JPG", "", ""}
        << QStringList{"photo", "empty", "missing", "empty", "photo", "empty", "empty"};
    QTest::newRow("damaged JPEGs") << QStringList{"half.JPG", "noise.jpg", "", "", "", "", "header.JPG"}
                                   << QStringList{"damaged", "damaged", "empty", "empty", "empty", "empty", "damaged"};
    QTest::newRow("BMP and a literature photo") << QStringList{"", "", "", "", "", "pic.bmp", "good.JPG"}
                                                << QStringList{"empty", "empty", "empty", "empty", "empty", "photo",
                                                               "photo"};
    QTest::newRow("names outside the folder") << QStringList{"../Pflanzen.mdb", "/etc/passwd", "", "", "", "", ""}
                                              << QStringList{"missing", "missing", "empty", "empty", "empty", "empty",
                                                             "empty"};
}

void TestPlantDisplay::photoSlots()
{
    QFETCH(QStringList, columns);
    QFETCH(QStringList, states);
    AppFixture app;
    const QByteArray good = solidJpeg(Qt::red);
    writePhoto(app, "good.JPG", good);
    writePhoto(app, "half.JPG", good.left(good.size() / 2));
    writePhoto(app, "header.JPG", good.left(40));
    writePhoto(app, "noise.jpg", QByteArray(3000, 'x'));
    writePhoto(app, "pic.bmp", phototest::encode(phototest::quadrants(64, 48), "BMP"));
    addPlantWithPhotos(app, 1, "Aloe", columns);
    QVERIFY(app.start());
    QTRY_VERIFY(settled(app));

    for (int slot = 1; slot <= 7; ++slot) {
        PhotoView *v = view(app, slot);
        QVERIFY2(v, kImageNames[slot - 1]);
        QCOMPARE(stateName(v->state()), states[slot - 1]);
        const QImage &shown = v->picture();
        const QString state = states[slot - 1];
        if (state == QLatin1String("empty"))
            QCOMPARE(shown, placeholderImage(slot == 7 ? Placeholder::ForeignPhoto : Placeholder::OwnPhoto));
        else if (state == QLatin1String("photo"))
            QVERIFY(!shown.isNull() && shown != placeholderImage(Placeholder::PhotoMissing));
        else
            QCOMPARE(shown, placeholderImage(Placeholder::PhotoMissing));
    }
    QCOMPARE(view(app, 7)->parentWidget()->objectName(), QStringLiteral("GroupBox9"));
    // No message box for any of it.
    QVERIFY(app.prompter().messages().isEmpty());
    const int last = int(columns.lastIndexOf(QRegularExpression(".+")));
    if (last >= 0)
        QCOMPARE(app.state().CurrentPhotoPath, photoFolder(app) + columns[last]);
}

void TestPlantDisplay::damagedFileQuietOnEveryVisit()
{
    AppFixture app;
    const QByteArray good = solidJpeg(Qt::green);
    writePhoto(app, "half.JPG", good.left(good.size() / 3));
    addPlantWithPhotos(app, 1, "Aloe", {"half.JPG"});
    addPlantWithPhotos(app, 2, "Beifuß", {});
    QVERIFY(app.start());
    HauptansichtPage *page = mainView(app);
    QTRY_VERIFY(settled(app));
    QCOMPARE(view(app, 1)->state(), SlotState::Damaged);
    const qint64 decodes = page->thumbnailLoader().stats().decodesStarted;
    for (int i = 0; i < 3; ++i) {
        QVERIFY(clickRow(page->DBGrid1, "Beifuß", 1));
        QTRY_VERIFY(settled(app));
        QVERIFY(clickRow(page->DBGrid1, "Aloe", 1));
        QTRY_VERIFY(settled(app));
        QCOMPARE(view(app, 1)->state(), SlotState::Damaged);
    }
    // Known to be damaged: not decoded again, and never a message.
    QCOMPARE(page->thumbnailLoader().stats().decodesStarted, decodes);
    QVERIFY(app.prompter().messages().isEmpty());
    QVERIFY(app.mainWindow()->isVisible());
}

void TestPlantDisplay::photosAppearUpright()
{
    AppFixture app;
    // Stored lying on its side; the camera noted "turn 90° clockwise to view".
    writePhoto(app, "turned.JPG",
               phototest::withExif(phototest::encode(phototest::quadrants(400, 200), "JPEG"), 6));
    addPlantWithPhotos(app, 1, "Aloe", {"turned.JPG", "", "", "", "", "", "turned.JPG"});
    QVERIFY(app.start());
    QTRY_VERIFY(settled(app));
    for (int slot : {1, 7}) {
        const QImage &shown = view(app, slot)->picture();
        QCOMPARE(view(app, slot)->state(), SlotState::Photo);
        QVERIFY2(shown.height() > shown.width(), kImageNames[slot - 1]);
        // The left half of the stored picture (red top, blue bottom) now forms the top row:
        // blue at the top left, red at the top right.
        QVERIFY(phototest::near(shown.pixel(shown.width() / 4, shown.height() / 8), Qt::blue));
        QVERIFY(phototest::near(shown.pixel(shown.width() * 3 / 4, shown.height() / 8), Qt::red));
    }
}

void TestPlantDisplay::displayRules()
{
    AppFixture app;
    writePhoto(app, "wide.JPG", solidJpeg(Qt::yellow, {400, 100}));
    writePhoto(app, "small.JPG", solidJpeg(Qt::yellow, {120, 90}));
    writePhoto(app, "large.JPG", solidJpeg(Qt::yellow, {1600, 1200}));
    addPlantWithPhotos(app, 1, "Aloe", {"wide.JPG", "small.JPG", "", "", "", "", "small.JPG"});
    addPlantWithPhotos(app, 2, "Beifuß", {"", "", "", "", "", "", "large.JPG"});
    QVERIFY(app.start());
    app.mainWindow()->activatePage("TabSheet2"); // the details page is laid out
    app.mainWindow()->activatePage("TabSheet1");
    QTRY_VERIFY(settled(app));

    // Thumbnails: stretched proportionally until the frame is filled in one direction.
    PhotoView *wide = view(app, 1);
    const QRect frame = wide->contentsRect();
    QRect r = wide->pictureRect();
    QVERIFY(frame.contains(r));
    QCOMPARE(r.width(), frame.width());
    QVERIFY(qAbs(r.height() - frame.width() / 4) <= 1);
    PhotoView *small = view(app, 2);
    r = small->pictureRect();
    QVERIFY(r.width() > 120 || r.height() > 90); // enlarged to the frame
    QVERIFY(r.width() == small->contentsRect().width() || r.height() == small->contentsRect().height());

    // The literature photo: a smaller picture keeps its size, a larger one is shrunk to fit.
    PhotoView *literature = view(app, 7);
    QVERIFY(literature->contentsRect().width() > 200);
    QCOMPARE(literature->pictureRect().size(), QSize(120, 90));
    QVERIFY(clickRow(mainView(app)->DBGrid1, "Beifuß", 1));
    QTRY_VERIFY(settled(app));
    r = literature->pictureRect();
    QVERIFY(literature->contentsRect().contains(r));
    QVERIFY(r.width() == literature->contentsRect().width() || r.height() == literature->contentsRect().height());
    QVERIFY(qAbs(r.width() * 3 - r.height() * 4) <= 4);
}

// The enlarged layout of a bigger window: the thumbnails get pictures made for their new size.
void TestPlantDisplay::largerThumbnailsGetSharperPictures()
{
    AppFixture app;
    writePhoto(app, "big.JPG", solidJpeg(Qt::yellow, {1600, 1200}));
    addPlantWithPhotos(app, 1, "Aloe", {"big.JPG", "big.JPG"});
    QVERIFY(app.start());
    QTRY_VERIFY(settled(app));
    PhotoView *thumb = view(app, 1);
    const QSize before = thumb->picture().size();
    app.mainWindow()->resize(1400, 1050);
    QTRY_VERIFY(thumb->frameInDevicePixels().width() > 180);
    QTRY_COMPARE(mainView(app)->photoSlots().frameSize(1), thumb->frameInDevicePixels());
    QTRY_VERIFY(settled(app));
    QVERIFY(thumb->picture().width() > before.width());
    const QRect r = thumb->pictureRect(), frame = thumb->contentsRect();
    QVERIFY(r.width() == frame.width() || r.height() == frame.height());
    QCOMPARE(r.size(), thumb->picture().size()); // made for the frame: drawn unscaled
}

void TestPlantDisplay::leftPlantsAreNeverShown()
{
    AppFixture app;
    for (int i = 1; i <= 7; ++i) {
        writePhoto(app, QStringLiteral("red%1.JPG").arg(i), solidJpeg(Qt::red, {1600, 1200}));
        writePhoto(app, QStringLiteral("blue%1.JPG").arg(i), solidJpeg(Qt::blue, {1600, 1200}));
    }
    QStringList red, blue;
    for (int i = 1; i <= 7; ++i) {
        red << QStringLiteral("red%1.JPG").arg(i);
        blue << QStringLiteral("blue%1.JPG").arg(i);
    }
    addPlantWithPhotos(app, 1, "Aloe", {});
    addPlantWithPhotos(app, 2, "Beifuß", red);
    addPlantWithPhotos(app, 3, "Chili", blue);
    QVERIFY(app.start());
    HauptansichtPage *page = mainView(app);
    QTRY_VERIFY(settled(app));
    QTest::qWait(HauptansichtPage::kSettleMs + 20);
    // Through the red plant to the blue one before the red photos are decoded.
    QVERIFY(clickRow(page->DBGrid1, "Beifuß", 1));
    QVERIFY(clickRow(page->DBGrid1, "Chili", 1));
    QTRY_VERIFY(settled(app));
    for (int slot = 1; slot <= 7; ++slot) {
        const QImage &shown = view(app, slot)->picture();
        QCOMPARE(view(app, slot)->state(), SlotState::Photo);
        QVERIFY2(phototest::near(shown.pixel(shown.width() / 2, shown.height() / 2), Qt::blue), kImageNames[slot - 1]);
    }
    QCOMPARE(page->thumbnailLoader().queuedCount(), 0);
}

// Holding the Down key: the first plant's photos are fetched at once; while the key repeats,
// nothing is queued or decoded for the plants passed by; the plant the list stops on follows.
void TestPlantDisplay::movingOnQuicklyDecodesNothing()
{
    AppFixture app;
    for (int p = 1; p <= 6; ++p) {
        QStringList photos;
        for (int s = 1; s <= 7; ++s) {
            const QString name = QStringLiteral("p%1_%2.JPG").arg(p).arg(s);
            writePhoto(app, name, solidJpeg(QColor::fromHsv(p * 50, 200, 200), {400, 300}));
            photos << name;
        }
        addPlantWithPhotos(app, p, QStringLiteral("Pflanze %1").arg(p), photos);
    }
    QVERIFY(app.start());
    HauptansichtPage *page = mainView(app);
    QTRY_VERIFY(settled(app));
    QTest::qWait(HauptansichtPage::kSettleMs + 20);
    ThumbnailLoader &loader = page->thumbnailLoader();
    const ThumbnailStats before = loader.stats();

    DataGrid *grid = page->DBGrid1;
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down); // the first press: Pflanze 2 at once
    QCOMPARE(page->Edit15->text(), QStringLiteral("Pflanze 2"));
    QVERIFY(!page->photosWaiting());
    for (int i = 0; i < 3; ++i) { // the key repeats
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(grid, &press);
        QVERIFY(page->photosWaiting());
        QCOMPARE(loader.queuedCount(), 0);
    }
    QCOMPARE(page->Edit15->text(), QStringLiteral("Pflanze 5"));
    QCOMPARE(view(app, 1)->state(), SlotState::Loading); // nothing of the plants passed by
    QCOMPARE(loader.stats().requests - before.requests, 7);
    // Releasing the key fetches the photos of the plant the list stopped on at once.
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(grid, &release);
    QVERIFY(!page->photosWaiting());
    QTRY_VERIFY(settled(app));
    // Seven requests for the first plant, seven for the last, none for those in between.
    QCOMPARE(loader.stats().requests - before.requests, 14);
    QVERIFY(loader.stats().decodesStarted - before.decodesStarted <= 14);
    QVERIFY(loader.stats().maxQueued <= 7);
    for (int slot = 1; slot <= 7; ++slot)
        QCOMPARE(view(app, slot)->state(), SlotState::Photo);
    const QImage &shown = view(app, 1)->picture();
    QVERIFY(phototest::near(shown.pixel(shown.width() / 2, shown.height() / 2), QColor::fromHsv(250, 200, 200)));
}

VINDEL_TEST_MAIN(TestPlantDisplay)
#include "test_plant_display.moc"
