// The photo viewer end to end: its captions and labels from each opener, the edit button and the
// photo editor, stepping through the album at both ends, and going back where it came from.
#include "PhotoPageSupport.h"
#include "photos/FotoalbumPage.h"
#include "photos/AlbumGrid.h"
#include "photos/TFotozeigen.h"
#include "app/Tag.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

using namespace phototest;

namespace {

TFotozeigen *viewer(AppFixture &app) { return app.find<TFotozeigen>("TFotozeigen"); }

// The viewer was the active window; closing it returns to the main window, which activates.
void closeViewer(AppFixture &app)
{
    QVERIFY(app.activate(viewer(app)));
    viewer(app)->close();
    QVERIFY(app.returnToMainWindow());
}

} // namespace

class TestViewer : public QObject {
    Q_OBJECT
private slots:
    void captionsByOpener();
    void namesAndDatesFollowTheirBoxes();
    void photoEditor_data();
    void photoEditor();
    void steppingThroughTheAlbum();
};

void TestViewer::captionsByOpener()
{
    AppFixture app;
    addIris(app, {"", "zwei.JPG", "", "", "", "", "sieben.JPG"});
    writeFile(photoFolder(app) + "zwei.JPG", solidJpeg(Qt::red, {1600, 1200}));
    writeFile(photoFolder(app) + "sieben.JPG", solidJpeg(Qt::blue));
    QVERIFY(app.start());
    TFotozeigen *v = viewer(app);

    choose(app, 2, &PlantPhotoCommands::Fotoanzeigen1);
    QVERIFY(v->isVisible());
    QVERIFY(!app.mainWindow()->isEnabled());
    QCOMPARE(v->windowTitle(), QStringLiteral("Eigenes Foto von Nr.: 15 Iris"));
    QCOMPARE(v->Label1->text(), QStringLiteral("Nr. 15 Iris"));
    QVERIFY(v->BitBtn3->isVisible());
    QCOMPARE(Tag::of(v->BitBtn3), 2);
    QVERIFY(!v->BitBtn1->isVisible() && !v->BitBtn2->isVisible());
    QCOMPARE(app.state().PhotoCode, 2);
    // The picture follows the window's size: decoded for it, not at full resolution.
    QTRY_COMPARE(v->Image1->state(), SlotState::Photo);
    QVERIFY(v->Image1->picture().width() <= v->Image1->frameInDevicePixels().width());
    QVERIFY(v->Image1->picture().width() < 1600);
    closeViewer(app);
    QVERIFY(app.mainWindow()->isEnabled());
    QCOMPARE(app.mainWindow()->activePageName(), QStringLiteral("TabSheet1"));

    choose(app, 7, &PlantPhotoCommands::Fotoanzeigen1);
    QCOMPARE(v->windowTitle(), QStringLiteral("Literaturfoto von Nr.: 15 Iris"));
    QVERIFY(!v->BitBtn3->isVisible()); // no editing of the literature photo
    closeViewer(app);
    QCOMPARE(app.mainWindow()->activePageName(), QStringLiteral("TabSheet2")); // back to the details

    choose(app, 2, &PlantPhotoCommands::Fotoanzeigen1);
    QVERIFY(v->BitBtn3->isVisible()); // shown again for an own photo
    closeViewer(app);
}

// Unticking a box hides its label at once, and for the next photo and the next showing.
void TestViewer::namesAndDatesFollowTheirBoxes()
{
    AppFixture app;
    addIris(app, {"eins.JPG", "zwei.JPG"});
    writeFile(photoFolder(app) + "eins.JPG", solidJpeg(Qt::red));
    writeFile(photoFolder(app) + "zwei.JPG", solidJpeg(Qt::green));
    app.exec("INSERT INTO ListeallerFotos (Fotoname, Fotodatum, Nr) VALUES ('zwei.JPG', '24.12.2025', 15)");
    QVERIFY(app.start());
    TFotozeigen *v = viewer(app);
    choose(app, 2, &PlantPhotoCommands::Fotoanzeigen1);
    QCOMPARE(v->Label2->text(), QStringLiteral("24.12.2025")); // the album's date of this very photo
    QVERIFY(v->Label1->isVisible() && v->Label2->isVisible());
    v->CheckBox1->click();
    QVERIFY(!v->Label1->isVisible());
    QVERIFY(v->Label2->isVisible());
    closeViewer(app);
    choose(app, 1, &PlantPhotoCommands::Fotoanzeigen1);
    QVERIFY(!v->CheckBox1->isChecked());
    QVERIFY(!v->Label1->isVisible());
    closeViewer(app);
}

void TestViewer::photoEditor_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<QString>("message"); // empty: none
    const QString gone = "Es ist ein Fehler aufgetreten!\n\nDas Foto befindet sich nicht mehr im Ordner \"Fotos\"";
    QTest::newRow("no editor stored")
        << "" << true << true
        << "Es ist noch kein Programm zur Fotobearbeitung in den Stammdaten gespeichert!\n\nBitte gehen Sie zu den "
           "Stammdaten und speichern dort Ihr favorisiertes Programm für die Fotobearbeitung";
    QTest::newRow("editor started") << "/usr/bin/gimp" << true << true << "";
    QTest::newRow("editor fails to start") << "/opt/kaputt" << false << true << gone;
    QTest::newRow("photo gone meanwhile") << "/usr/bin/gimp" << true << false << gone;
}

// The stored editor gets the photo's path as one argument of its own; no shell comes between.
void TestViewer::photoEditor()
{
    QFETCH(QString, editor);
    QFETCH(bool, starts);
    QFETCH(bool, fileThere);
    QFETCH(QString, message);
    AppFixture app;
    addIris(app, {"", "", "Mein Foto; rm -rf $HOME.JPG"});
    writeFile(photoFolder(app) + "Mein Foto; rm -rf $HOME.JPG", solidJpeg(Qt::red));
    app.exec("UPDATE Stammdaten SET Fotobearbeitung = ?", {editor});
    QVERIFY(app.start());
    app.prompter().startProgramSucceeds = starts;
    choose(app, 3, &PlantPhotoCommands::Fotoanzeigen1);
    if (!fileThere)
        QFile::remove(photoFolder(app) + "Mein Foto; rm -rf $HOME.JPG");
    app.prompter().clearRecords();
    viewer(app)->BitBtn3->click();
    QCOMPARE(app.prompter().messageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    QStringList started;
    for (const DialogCall &d : app.prompter().dialogs())
        if (d.dialog == "startProgram")
            started << d.detail;
    if (!editor.isEmpty() && fileThere)
        QCOMPARE(started, QStringList{editor + "|" + photoFolder(app) + "Mein Foto; rm -rf $HOME.JPG"});
    else
        QCOMPARE(started, QStringList());
    QCOMPARE(Tag::of(viewer(app)->BitBtn3), editor.isEmpty() ? 3 : 0); // used up once an editor is stored
    closeViewer(app);
}

// From the album the viewer steps through the album's photos in its order; at either end it
// stays on the end photo. Closing goes back to the album.
void TestViewer::steppingThroughTheAlbum()
{
    AppFixture app;
    addIris(app);
    const QStringList names{"10 Nr 1 Bild1 a.JPG", "11 Nr 2 Bild1 b.JPG", "12 Nr 3 Bild1 c.JPG"};
    for (const QString &n : names) {
        writeFile(photoFolder(app) + n, solidJpeg(Qt::yellow));
        app.exec("INSERT INTO ListeallerFotos (Fotoname, Fotodatum, Nr) VALUES (?, '01.05.2025', 1)", {n});
    }
    QVERIFY(app.start());
    app.mainWindow()->activatePage("TabSheet6");
    auto *album = app.find<FotoalbumPage>("TabSheet6");
    album->StringGrid2SelectCell(0, 2);
    album->StringGrid2DblClick();
    TFotozeigen *v = viewer(app);
    QVERIFY(v->isVisible());
    QCOMPARE(v->windowTitle(), "Nr.: " + names[2]);
    QCOMPARE(v->Label1->text(), QStringLiteral("Nr. 12 Nr 3 Bild1 c"));
    QVERIFY(v->BitBtn1->isVisible() && v->BitBtn2->isVisible());
    QCOMPARE(Tag::of(v->BitBtn3), 0);
    v->BitBtn1->click(); // the last photo: it stays
    QCOMPARE(v->windowTitle(), "Nr.: " + names[2]);
    for (int i = 0; i < 3; ++i)
        v->BitBtn2->click();
    QCOMPARE(v->windowTitle(), "Nr.: " + names[0]);
    QCOMPARE(v->shownPath(), photoFolder(app) + names[0]);
    v->BitBtn1->click();
    QCOMPARE(v->Label1->text(), "Nr. " + names[1]);
    closeViewer(app);
    QCOMPARE(app.mainWindow()->activePageName(), QStringLiteral("TabSheet6"));
    QCOMPARE(app.state().PhotoCode, 0);
    QCOMPARE(Tag::of(album->StringGrid2), 0);
}

VINDEL_TEST_MAIN(TestViewer)
#include "test_viewer.moc"
