// The photo album: the plant number read from a file name, where the grid's cells lie, and the
// page end to end (rebuilding the list from the folder, the grid, filters, the reminder).
#include "PhotoPageSupport.h"
#include "app/DataGrid.h"
#include "photos/AlbumGeometry.h"
#include "photos/AlbumGrid.h"
#include "photos/AlbumIndex.h"
#include "photos/FotoalbumPage.h"
#include "photos/PhotoServices.h"
#include "support/RecordingProgress.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

using namespace phototest;

class TestAlbum : public QObject {
    Q_OBJECT
private slots:
    void plantNumberFromName_data();
    void plantNumberFromName();
    void geometry();
    void rebuildFromTheFolder();
    void gridShowsThePhotos();
    void filters_data();
    void filters();
    void reminderWhenTheFolderHasMore();
};

void TestAlbum::plantNumberFromName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("nr"); // invalid: stays empty
    QTest::newRow("plant photo") << "12 Nr 7 Bild2 Rosa canina.JPG" << QVariant(7);
    QTest::newRow("diary photo") << "57 Nr 12 Historie Rosa canina.JPG" << QVariant(12);
    QTest::newRow("literature photo of a duplicate") << "12 Bild7 Rosa.bmp" << QVariant(12);
    QTest::newRow("diary photo without Nr") << "57 Historie x.JPG" << QVariant(57);
    QTest::newRow("diary number that is no number") << "5 Nr x1 Historie y.JPG" << QVariant();
    QTest::newRow("plant number that is no number") << "5 Nr ab Bild1 y.JPG" << QVariant(0);
    QTest::newRow("first word no number") << "Urlaub Bild1.JPG" << QVariant(0);
    QTest::newRow("other file") << "Thumbs.db" << QVariant();
    QTest::newRow("lower case words do not count") << "3 nr 4 bild1.JPG" << QVariant();
    QTest::newRow("Historie before Nr") << "3 Historie Nr 4.JPG" << QVariant();
}

void TestAlbum::plantNumberFromName()
{
    QFETCH(QString, name);
    QFETCH(QVariant, nr);
    const std::optional<int> got = AlbumIndex::plantNumber(name);
    QCOMPARE(got.has_value(), nr.isValid());
    if (got)
        QCOMPARE(*got, nr.toInt());
}

void TestAlbum::geometry()
{
    const AlbumGeometry g(7); // two rows, the second with two photos
    QCOMPARE(g.rows(), 2);
    QCOMPARE(g.contentSize(), QSize(900, 250));
    QCOMPARE(g.cellRect(1, 1), QRect(180, 125, 180, 125));
    QCOMPARE(g.cellRect(1, 1, 100), QRect(180, 25, 180, 125));
    QCOMPARE(AlbumGeometry::index(1, 1), 6);
    const AlbumGeometry::Cell hit = g.cellAt({200, 130});
    QCOMPARE(hit.row, 1);
    QCOMPARE(hit.column, 1);
    QVERIFY(!g.cellAt({200, 260}).valid()); // below the last row
    QVERIFY(!g.cellAt({950, 10}).valid());   // right of the fifth column
    QCOMPARE(g.cellAt({10, 30}, 100).row, 1);
    const AlbumGeometry big(100); // 20 rows
    QCOMPARE(big.visibleRows(300, 0).first, 0);
    QCOMPARE(big.visibleRows(300, 0).last, 2);
    QCOMPARE(big.visibleRows(300, 130).first, 1);
    QCOMPARE(big.visibleRows(300, 130).last, 3);
    QCOMPARE(AlbumGeometry(0).visibleRows(300, 0).last, -1);
    // Full cell height, the width following the picture; a 4:3 photo is 167 wide.
    QCOMPARE(AlbumGeometry::pictureRect({400, 300}, QRect(0, 0, 180, 125)), QRect(0, 0, 167, 125));
    QCOMPARE(AlbumGeometry::pictureRect({300, 400}, QRect(180, 0, 180, 125)), QRect(180, 0, 94, 125));
}

// "Aktuallisieren" lists every entry of the folder with a name longer than three characters,
// whatever the filter, with its date and the plant number its name tells.
void TestAlbum::rebuildFromTheFolder()
{
    AppFixture app;
    QDir().mkpath(photoFolder(app));
    const QStringList names{"12 Nr 7 Bild2 Rosa.JPG", "57 Nr 12 Historie Rosa.JPG", "12 Bild7 Rosa.bmp",
                            "5 Nr x1 Historie y.JPG", "abc", "notiz.txt"};
    for (const QString &n : names)
        writeFile(photoFolder(app) + n, "x");
    QDir().mkpath(photoFolder(app) + "Unterordner");
    app.exec("INSERT INTO ListeallerFotos (Fotoname, Fotodatum, Nr) VALUES ('alt.JPG', '01.01.2000', 1)");
    QVERIFY(app.start());
    auto *album = app.find<FotoalbumPage>("TabSheet6");
    app.mainWindow()->activatePage("TabSheet6");
    album->ComboBox21->setCurrentIndex(0);
    album->Edit51->setText("1"); // a filter is set: the rebuild still replaces every row
    app.prompter().clearRecords();

    RecordingProgress progress;
    const int rows = AlbumIndex::rebuild(app.tables(), photoFolder(app), progress);
    QCOMPARE(rows, 6); // "abc" is too short; the subfolder counts
    QCOMPARE(progress.maximum(), qint64(6 + 30)); // six files
    QCOMPARE(progress.values.first(), qint64(10));
    QCOMPARE(progress.values.last(), qint64(10 + 10 + 7)); // one step per entry, skipped or not
    auto stored = app.select("SELECT Fotoname, Nr, Fotodatum FROM ListeallerFotos ORDER BY Fotoname");
    QStringList got;
    for (const auto &r : stored)
        got << r[0].toString() + "=" + (r[1].isNull() ? "leer" : r[1].toString());
    QCOMPARE(got, (QStringList{"12 Bild7 Rosa.bmp=12", "12 Nr 7 Bild2 Rosa.JPG=7", "5 Nr x1 Historie y.JPG=leer",
                               "57 Nr 12 Historie Rosa.JPG=12", "Unterordner=leer", "notiz.txt=leer"}));
    QCOMPARE(stored[0][2].toString(), QFileInfo(photoFolder(app) + "12 Bild7 Rosa.bmp").lastModified().toString("dd.MM.yyyy"));

    // The button does the same and shows the count of what the filter lets through.
    album->Edit51->setText("*");
    album->BitBtn38->click();
    QCOMPARE(album->Label140->text(), QStringLiteral("6 Fotos gefunden"));
    QVERIFY(!album->ProgressBar1->isVisible());
}

// Seven photos give two rows, the second with two; a file deleted since leaves its cell empty,
// one that cannot be read shows the photo-missing placeholder, without a message.
void TestAlbum::gridShowsThePhotos()
{
    AppFixture app;
    QDir().mkpath(photoFolder(app));
    QStringList names;
    for (int i = 1; i <= 7; ++i) {
        names << QStringLiteral("%1 Nr %1 Bild1 P.JPG").arg(i);
        app.exec("INSERT INTO ListeallerFotos (Fotoname, Fotodatum, Nr) VALUES (?, '01.05.2025', ?)", {names.last(), i});
        if (i != 3)
            writeFile(photoFolder(app) + names.last(), i == 5 ? QByteArray("kaputt") : solidJpeg(Qt::green, {800, 600}));
    }
    QVERIFY(app.start());
    app.mainWindow()->activatePage("TabSheet6");
    auto *album = app.find<FotoalbumPage>("TabSheet6");
    AlbumGrid *grid = album->StringGrid2;
    QCOMPARE(grid->geometry().rows(), 2);
    QCOMPARE(grid->cellText(0, 0), photoFolder(app) + names[0]);
    QCOMPARE(grid->cellText(0, 2), QString()); // deleted file
    QCOMPARE(grid->cellText(1, 1), photoFolder(app) + names[6]);
    QCOMPARE(grid->cellText(1, 2), QString());
    QTRY_VERIFY(!grid->shownPicture(6).isNull());
    QCOMPARE(grid->shownPicture(6).height(), AlbumGeometry::kRowHeight);
    QTRY_COMPARE(grid->shownPicture(4), placeholderImage(Placeholder::PhotoMissing));
    QVERIFY(grid->shownPicture(2).isNull());
    QCOMPARE(album->Label140->text(), QStringLiteral("7 Fotos gefunden"));
    // Nothing is said about the unreadable file (only the reminder that the folder lost one).
    QCOMPARE(app.prompter().messageTexts().size(), 1);
    QVERIFY(app.prompter().messageTexts().first().startsWith("Bitte klicken Sie auf den Button"));
    // The list of the table, shown and hidden.
    album->Button2->click();
    QVERIFY(album->DBGrid6->isVisible());
    QCOMPARE(album->Button2->text(), QStringLiteral("Liste ausblenden"));
    album->Button2->click();
    QVERIFY(!album->DBGrid6->isVisible());
    QCOMPARE(album->Button2->text(), QStringLiteral("Liste anzeigen"));
}

void TestAlbum::filters_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("name start") << "Name" << "12" << QStringList{"12 Nr 7 Bild2 Rosa.JPG", "12 Bild7 Rosa.bmp"};
    QTest::newRow("number") << "Nr." << "12" << QStringList{"57 Nr 12 Historie Rosa.JPG", "12 Bild7 Rosa.bmp"};
    QTest::newRow("number, not a number") << "Nr." << "x" << QStringList{"Urlaub Bild1.JPG"};
    QTest::newRow("date start") << "Datum" << "24.12" << QStringList{"57 Nr 12 Historie Rosa.JPG"};
    QTest::newRow("star: everything") << "Name" << "*"
                                      << QStringList{"12 Nr 7 Bild2 Rosa.JPG", "57 Nr 12 Historie Rosa.JPG",
                                                     "12 Bild7 Rosa.bmp", "Urlaub Bild1.JPG"};
    QTest::newRow("a quote in the entry") << "Name" << "O'" << QStringList{};
}

void TestAlbum::filters()
{
    QFETCH(QString, field);
    QFETCH(QString, entry);
    QFETCH(QStringList, shown);
    AppFixture app;
    QDir().mkpath(photoFolder(app));
    const std::vector<std::tuple<QString, QString, int>> rows{{"12 Nr 7 Bild2 Rosa.JPG", "01.05.2025", 7},
                                                              {"57 Nr 12 Historie Rosa.JPG", "24.12.2024", 12},
                                                              {"12 Bild7 Rosa.bmp", "01.05.2025", 12},
                                                              {"Urlaub Bild1.JPG", "02.05.2025", 0}};
    for (const auto &[name, date, nr] : rows) {
        app.exec("INSERT INTO ListeallerFotos (Fotoname, Fotodatum, Nr) VALUES (?, ?, ?)", {name, date, nr});
        writeFile(photoFolder(app) + name, "x");
    }
    QVERIFY(app.start());
    app.mainWindow()->activatePage("TabSheet6");
    auto *album = app.find<FotoalbumPage>("TabSheet6");
    album->ComboBox21->setCurrentIndex(album->ComboBox21->findText(field));
    album->ComboBox21Change();
    QCOMPARE(album->Edit51->text(), field == "Nr." ? QString() : QStringLiteral("*"));
    album->Edit51->setText(entry);
    QStringList cells;
    for (const QString &c : album->StringGrid2->cells())
        cells << QFileInfo(c).fileName();
    QCOMPARE(cells, shown);
    QCOMPARE(album->Label140->text(), QString::number(shown.size()) + " Fotos gefunden");
    QVERIFY(app.prompter().messageTexts(MessageKind::Error).isEmpty());
}

// Showing the page says so when the folder holds another number of files than the list, as long
// as no filter is set.
void TestAlbum::reminderWhenTheFolderHasMore()
{
    AppFixture app;
    QDir().mkpath(photoFolder(app));
    writeFile(photoFolder(app) + "1 Nr 1 Bild1 a.JPG", "x");
    writeFile(photoFolder(app) + "2 Nr 2 Bild1 b.JPG", "x");
    app.exec("INSERT INTO ListeallerFotos (Fotoname, Fotodatum, Nr) VALUES ('1 Nr 1 Bild1 a.JPG', '01.05.2025', 1)");
    QVERIFY(app.start());
    const QString reminder = "Bitte klicken Sie auf den Button \"Aktuallisieren\"\n\nEs gibt neue Fotos in Ihrer "
                             "Sammlung die noch nicht im Fotoalbum gelistet sind";
    app.mainWindow()->activatePage("TabSheet6");
    QCOMPARE(app.prompter().messageTexts(), QStringList{reminder});
    QCOMPARE(app.state().PhotoFileCount, 2);
    auto *album = app.find<FotoalbumPage>("TabSheet6");
    album->Edit51->setText("1");
    app.prompter().clearRecords();
    album->TabSheet6Show();
    QCOMPARE(app.prompter().messageTexts(), QStringList{}); // a filter is set
    album->Edit51->setText("*");
    album->BitBtn38->click();
    album->TabSheet6Show();
    QCOMPARE(app.prompter().messageTexts(), QStringList{});
}

VINDEL_TEST_MAIN(TestAlbum)
#include "test_album.moc"
