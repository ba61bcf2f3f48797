// The diary page: which entries it lists and how, the counts and the tab caption, deleting an
// entry with its photo, and the photo click.
#include "DiaryTestSupport.h"
#include "app/RadioGroup.h"
#include "photos/Placeholders.h"
#include "photos/PhotoServices.h"
#include "photos/TFotozeigen.h"
#include "support/TestMain.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

using namespace diarytest;

namespace {

QString tabCaption(AppFixture &app)
{
    QTabWidget *tabs = app.mainWindow()->pageControl();
    return tabs->tabText(tabs->indexOf(diaryPage(app)));
}

QString storedCount(AppFixture &app)
{
    return app.select("SELECT Tagebuch FROM Pflanzen WHERE Nr = 12")[0][0].toString();
}

void choose(RadioGroup *group, int item)
{
    group->findChild<QAbstractButton *>(group->objectName() + "_" + QString::number(item))->click();
}

// Rosa canina, Nr 12: two observations and one watering; another plant has one entry.
void addRosa(AppFixture &app)
{
    addPlant(app, 3, 12, "Rosa canina");
    addPlant(app, 4, 13, "Iris");
    addAction(app, "1", "Gießen");
    addEntry(app, 12, {"03.04.2024", "Beobachtung", "0", "Knospen"});
    addEntry(app, 12, {"15.05.2024", "Gießen", "1", "gut gegossen"});
    addEntry(app, 12, {"01.02.2024", "Beobachtung", "0", "Frost"});
    addEntry(app, 13, {"02.02.2024", "Beobachtung", "0", "andere Pflanze"});
}

} // namespace

class TestDiaryPage : public QObject {
    Q_OBJECT
private slots:
    void filtersAndSort_data();
    void filtersAndSort();
    void plantWithoutEntries();
    void cells();
    void deleteEntry();
    void deletingKeepsFilesOthersName();
    void photoClickOpensTheViewer();
};

void TestDiaryPage::filtersAndSort_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<int>("sort");
    QTest::addColumn<QStringList>("dates");
    QTest::addColumn<QString>("countLabel");

    QTest::newRow("all, newest first") << 0 << 0 << QStringList{"15.05.2024", "03.04.2024", "01.02.2024"}
                                       << "3 Einträge im Tagebuch gefunden!";
    QTest::newRow("all, oldest first") << 0 << 1 << QStringList{"01.02.2024", "03.04.2024", "15.05.2024"}
                                       << "3 Einträge im Tagebuch gefunden!";
    QTest::newRow("actions: one entry") << 1 << 0 << QStringList{"15.05.2024"} << "1 Eintrag im Tagebuch gefunden!";
    QTest::newRow("observations") << 2 << 1 << QStringList{"01.02.2024", "03.04.2024"}
                                  << "2 Einträge im Tagebuch gefunden!";
}

void TestDiaryPage::filtersAndSort()
{
    QFETCH(int, filter);
    QFETCH(int, sort);
    QFETCH(QStringList, dates);
    QFETCH(QString, countLabel);
    AppFixture app;
    addRosa(app);
    app.exec("UPDATE Pflanzen SET Tagebuch = '7'"); // stale
    QVERIFY(app.start());
    app.tables().Tab_Pflanzen_test.locate("Nr", 12);
    TagebuchPage *page = openDiary(app);
    QCOMPARE(page->Label68->text(), QStringLiteral("Rosa canina"));
    QCOMPARE(page->Label69->text(), QStringLiteral("Rosa canina"));
    QCOMPARE(page->DiaryNumber->text(), QStringLiteral("12"));
    // Showing all entries stores the plant's count and shows it in the tab.
    QCOMPARE(storedCount(app), QStringLiteral("3"));
    QCOMPARE(tabCaption(app), QStringLiteral("Tagbuch ( 3 ) "));

    choose(page->RadioGroup1, filter);
    choose(page->RadioGroup2, sort);
    QCOMPARE(column(page, DiaryGrid::DateColumn), dates);
    QCOMPARE(page->DiaryCount->text(), countLabel);
    QCOMPARE(page->StringGrid1->selectedGridRow(), 1);
    QCOMPARE(app.state().CurrentDiaryId, page->StringGrid1->cellText(1, DiaryGrid::IdColumn));
    // The other filters leave the stored count and the caption alone.
    QCOMPARE(storedCount(app), QStringLiteral("3"));
    QCOMPARE(tabCaption(app), QStringLiteral("Tagbuch ( 3 ) "));
}

void TestDiaryPage::plantWithoutEntries()
{
    AppFixture app;
    addPlant(app, 3, 12, "Rosa canina");
    QVERIFY(app.start());
    TagebuchPage *page = openDiary(app);
    QCOMPARE(page->StringGrid1->gridRowCount(), 1); // the header alone
    QCOMPARE(page->StringGrid1->cellText(0, DiaryGrid::TextColumn), QStringLiteral("Eintrag"));
    QCOMPARE(page->DiaryCount->text(), QStringLiteral("0 Einträge im Tagebuch gefunden!"));
    QCOMPARE(storedCount(app), QStringLiteral("0"));
    QCOMPARE(tabCaption(app), QStringLiteral("Tagbuch ( 0 ) "));
    QCOMPARE(app.state().CurrentDiaryId, QString());
    // Nothing to edit or delete: no window opens, no question is asked.
    page->BitBtn27->click();
    page->BitBtn14->click();
    QVERIFY(!app.find<QWidget>("TTagebuchneu")->isVisible());
    QVERIFY(app.prompter().messages().isEmpty());
}

// What each cell holds and shows: dates as written (a date that is none sorts without crashing),
// texts with their line breaks, the photo's path only for a file of the photo folder, the ID.
void TestDiaryPage::cells()
{
    AppFixture app;
    addPlant(app, 3, 12, "Rosa canina");
    writeFile(photoFolder(app) + "1 Nr 12 Historie Rosa canina.JPG", jpegBytes(Qt::red));
    writeFile(app.programDir() + "draussen.JPG", jpegBytes(Qt::blue));
    addEntry(app, 12, {"01.03.2024", "Beobachtung", "0", "Zeile 1\nZeile 2", "1 Nr 12 Historie Rosa canina.JPG"});
    addEntry(app, 12, {"Frühjahr 2012", "Beobachtung", "0", "kein Datum", "fehlt.JPG"});
    addEntry(app, 12, {"02.03.2024", "Beobachtung", "0", "ausserhalb", "../draussen.JPG"});
    QVERIFY(app.start());
    TagebuchPage *page = openDiary(app);
    choose(page->RadioGroup2, 1);
    const QStringList dates = column(page, DiaryGrid::DateColumn);
    QCOMPARE(dates.size(), 3);
    QVERIFY(dates.contains("Frühjahr 2012"));
    QCOMPARE(dates.mid(dates.indexOf("01.03.2024"), 2), (QStringList{"01.03.2024", "02.03.2024"}));
    const int photoRow = dates.indexOf("01.03.2024") + 1;
    const int missingRow = dates.indexOf("Frühjahr 2012") + 1;
    const int outsideRow = dates.indexOf("02.03.2024") + 1;
    QCOMPARE(page->StringGrid1->cellText(photoRow, DiaryGrid::TextColumn), QStringLiteral("Zeile 1\nZeile 2"));
    QCOMPARE(page->StringGrid1->cellText(photoRow, DiaryGrid::PhotoColumn),
             photoFolder(app) + "1 Nr 12 Historie Rosa canina.JPG");
    QCOMPARE(page->StringGrid1->cellText(missingRow, DiaryGrid::PhotoColumn), QString());
    QCOMPARE(page->StringGrid1->cellText(outsideRow, DiaryGrid::PhotoColumn), QString());
    QCOMPARE(page->StringGrid1->cellText(photoRow, DiaryGrid::IdColumn), QStringLiteral("1"));
    QCOMPARE(page->StringGrid1->cellText(0, DiaryGrid::DateColumn), QStringLiteral("Datum"));

    // The photo arrives through the loader; an empty cell shows the own-photo placeholder.
    QTRY_VERIFY(!page->StringGrid1->shownPicture(photoRow).isNull());
    QCOMPARE(page->StringGrid1->shownPicture(photoRow).pixelColor(30, 30).red() > 200, true);
    QCOMPARE(page->StringGrid1->shownPicture(missingRow), placeholderImage(Placeholder::OwnPhoto));
    // A photo that went away after filling shows the photo-missing placeholder.
    QFile::remove(photoFolder(app) + "1 Nr 12 Historie Rosa canina.JPG");
    QCOMPARE(page->StringGrid1->shownPicture(photoRow), placeholderImage(Placeholder::PhotoMissing));
    page->StringGrid1->viewport()->repaint(); // painting every kind of cell
}

void TestDiaryPage::deleteEntry()
{
    AppFixture app;
    addPlant(app, 3, 12, "Rosa canina");
    const QString photo = "2 Nr 12 Historie Rosa canina.JPG";
    writeFile(photoFolder(app) + photo, jpegBytes(Qt::red));
    addEntry(app, 12, {"01.03.2024", "Beobachtung", "0", "bleibt"});
    addEntry(app, 12, {"02.03.2024", "Beobachtung", "0", "geht", photo});
    app.prompter().setNow(QDateTime(QDate(2024, 6, 1), QTime(10, 0)));
    QVERIFY(app.start());
    TagebuchPage *page = openDiary(app);
    QCOMPARE(column(page, DiaryGrid::TextColumn), (QStringList{"geht", "bleibt"}));

    app.prompter().answerNo();
    clickCell(page, 1, DiaryGrid::TextColumn);
    page->BitBtn14->click();
    QCOMPARE(count(app, "SELECT count(*) FROM Historie"), 2);

    app.prompter().clearRecords();
    app.prompter().answerYes();
    page->BitBtn14->click();
    QCOMPARE(app.prompter().messageTexts(), QStringList{"Diesen Datensatz wirklich löschen?"});
    QCOMPARE(app.select("SELECT Inhalt1 FROM Historie")[0][0].toString(), QStringLiteral("bleibt"));
    QVERIFY(!QFile::exists(photoFolder(app) + photo));
    QCOMPARE(column(page, DiaryGrid::TextColumn), QStringList{"bleibt"});
    QCOMPARE(page->DiaryCount->text(), QStringLiteral("1 Einträge gefunden!"));
    QCOMPARE(tabCaption(app), QStringLiteral("Tagbuch ( 1 )     "));
    QCOMPARE(storedCount(app), QStringLiteral("1"));
    QCOMPARE(app.select("SELECT Letzte FROM Stammdaten")[0][0].toString(), QStringLiteral("2024-06-01 10:00:00"));
}

// A photo file still named by another entry, or lying outside the photo folder, stays.
void TestDiaryPage::deletingKeepsFilesOthersName()
{
    AppFixture app;
    addPlant(app, 3, 12, "Rosa canina");
    const QString shared = "5 Nr 12 Historie Rosa canina.JPG";
    writeFile(photoFolder(app) + shared, jpegBytes(Qt::red));
    writeFile(app.programDir() + "draussen.JPG", jpegBytes(Qt::blue));
    addEntry(app, 12, {"01.03.2024", "Beobachtung", "0", "a", shared});
    addEntry(app, 12, {"02.03.2024", "Beobachtung", "0", "b", shared});
    addEntry(app, 12, {"03.03.2024", "Beobachtung", "0", "c", "../draussen.JPG"});
    QVERIFY(app.start());
    TagebuchPage *page = openDiary(app);
    app.prompter().answerYes(2);
    page->BitBtn14->click(); // c, newest first
    page->BitBtn14->click(); // b
    QCOMPARE(column(page, DiaryGrid::TextColumn), QStringList{"a"});
    QVERIFY(QFile::exists(app.programDir() + "draussen.JPG"));
    QVERIFY(QFile::exists(photoFolder(app) + shared));
}

void TestDiaryPage::photoClickOpensTheViewer()
{
    AppFixture app;
    addPlant(app, 3, 12, "Rosa canina");
    const QString photo = "1 Nr 12 Historie Rosa canina.JPG";
    writeFile(photoFolder(app) + photo, jpegBytes(Qt::red));
    addEntry(app, 12, {"02.03.2024", "Beobachtung", "0", "mit Foto", photo});
    addEntry(app, 12, {"01.03.2024", "Beobachtung", "0", "ohne Foto"});
    QVERIFY(app.start());
    TagebuchPage *page = openDiary(app);
    auto *viewer = app.find<TFotozeigen>("TFotozeigen");

    clickCell(page, 2, DiaryGrid::PhotoColumn); // no photo: nothing opens
    QVERIFY(!viewer->isVisible());
    QCOMPARE(app.state().CurrentDiaryId, page->StringGrid1->cellText(2, DiaryGrid::IdColumn));

    clickCell(page, 1, DiaryGrid::PhotoColumn);
    QTRY_VERIFY(viewer->isVisible());
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Eigenes Foto im Tagebuch von Nr.: 12 Rosa canina"));
    QCOMPARE(viewer->shownPath(), photoFolder(app) + photo);
    QCOMPARE(app.state().PhotoCode, 8);
    QVERIFY(!app.mainWindow()->isEnabled());

    // Closing the viewer returns to the diary page.
    viewer->close();
    QVERIFY(app.returnToMainWindow());
    QCOMPARE(app.mainWindow()->activePageName(), QStringLiteral("TabSheet3"));
    QVERIFY(app.mainWindow()->isEnabled());
}

VINDEL_TEST_MAIN(TestDiaryPage)
#include "test_diary_page.moc"
