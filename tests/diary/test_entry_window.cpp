// The diary entry window: a new entry with its photo, the date check, editing an entry and its
// photo, and a photo that cannot be written.
#include "DiaryTestSupport.h"
#include "diary/TTagebuchneu.h"
#include "photos/PhotoView.h"
#include "photos/Placeholders.h"
#include "support/TestMain.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

using namespace diarytest;

namespace {

TTagebuchneu *entryWindow(AppFixture &app) { return app.find<TTagebuchneu>("TTagebuchneu"); }

// Rosa canina, Nr 12, with the actions "Beobachtung" (0, from the new database) and "Gießen" (1).
void addRosa(AppFixture &app)
{
    addPlant(app, 3, 12, "Rosa canina");
    addAction(app, "1", "Gießen", "gut gießen");
    app.exec("UPDATE Stammdaten SET Fotopfad = ?", {cameraFolder(app)});
    app.prompter().setNow(QDateTime(QDate(2024, 6, 1), QTime(9, 30)));
}

QString camera(AppFixture &app, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(cameraFolder(app));
    writeFile(cameraFolder(app) + name, bytes);
    return cameraFolder(app) + name;
}

QByteArray bitmapBytes()
{
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::green);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// "Foto laden/ändern" with the file the user picks.
void loadPhoto(AppFixture &app, const QString &path)
{
    app.prompter().queueFile(path);
    entryWindow(app)->Fotoladen1->trigger();
}

struct Stored {
    QString date, sortDate, action, number, year, text, photo, photoMark;
};

std::vector<Stored> stored(AppFixture &app)
{
    std::vector<Stored> rows;
    for (const auto &r : app.select("SELECT Datum, SortDatum, Aktion, Aktionkenner, Jahr, Inhalt1, Bild, Bildda, "
                                    "PflanzenID FROM Historie ORDER BY ID"))
        rows.push_back({r[0].toString(), r[1].toString(), r[2].toString(), r[3].toString(), r[4].toString(),
                        r[5].toString(), r[6].toString(), r[7].toString()});
    return rows;
}

} // namespace

class TestEntryWindow : public QObject {
    Q_OBJECT
private slots:
    void newEntriesWithAndWithoutPhoto();
    void dateCheck_data();
    void dateCheck();
    void withoutActionsAnEntryIsAnObservation();
    void editKeepsOrReplacesThePhoto();
    void deletePhoto();
    void photoThatCannotBeWrittenLeavesNoEntry();
    void cancelStoresNothing();
    void datePicker();
};

void TestEntryWindow::newEntriesWithAndWithoutPhoto()
{
    AppFixture app;
    addRosa(app);
    const QByteArray jpeg = jpegBytes(Qt::red);
    const QString source = camera(app, "rose.jpg", jpeg);
    QVERIFY(app.start());
    TagebuchPage *page = openDiary(app);
    TTagebuchneu *w = entryWindow(app);

    page->BitBtn13->click();
    QVERIFY(w->isVisible());
    QVERIFY(!app.mainWindow()->isEnabled());
    QCOMPARE(w->Heading->text(), QStringLiteral("Neuer Tagebucheintrag"));
    QCOMPARE(w->Edit1->text(), QStringLiteral("01.06.2024"));
    QCOMPARE(w->ComboBox1->count(), 2);
    QCOMPARE(w->ComboBox1->currentText(), QStringLiteral("Beobachtung")); // number 0 comes first
    QVERIFY(!w->ComboBox1->isEditable());
    QCOMPARE(app.tables().Tab_Pflanzen_test.tag, 1); // the catalogue holds still meanwhile

    w->Edit1->setText("15.03.2012");
    w->ComboBox1->setCurrentText("Gießen");
    w->Memo1->setPlainText("Erste Blüte");
    loadPhoto(app, source);
    QVERIFY(w->photoChosen());
    QCOMPARE(w->Image1->state(), SlotState::Photo);
    w->BitBtn2->click();

    QCOMPARE(app.prompter().messageTexts(), QStringList{"Für diese Pflanze wurde ins Tagebuch eingetragen "});
    QVERIFY(!w->isVisible());
    QVERIFY(app.mainWindow()->isEnabled());
    QCOMPARE(app.tables().Tab_Pflanzen_test.tag, 0);
    std::vector<Stored> rows = stored(app);
    QCOMPARE(rows.size(), size_t(1));
    const QString name = "1 Nr 12 Historie Rosa canina.JPG";
    QCOMPARE(rows[0].date, QStringLiteral("15.03.2012"));
    QCOMPARE(rows[0].sortDate, QStringLiteral("2012-03-15 00:00:00"));
    QCOMPARE(rows[0].action, QStringLiteral("Gießen"));
    QCOMPARE(rows[0].number, QStringLiteral("1"));
    QCOMPARE(rows[0].year, QStringLiteral("2012")); // the entry's year, not the year it was written
    QCOMPARE(rows[0].photo, name);
    QCOMPARE(rows[0].photoMark, QStringLiteral("Bild vorhanden"));
    QCOMPARE(readFile(photoFolder(app) + name), jpeg); // byte for byte
    QCOMPARE(app.select("SELECT Letzte FROM Stammdaten")[0][0].toString(), QStringLiteral("2024-06-01 09:30:00"));
    QCOMPARE(app.mainWindow()->activePageName(), QStringLiteral("TabSheet3"));
    QCOMPARE(column(page, DiaryGrid::TextColumn), QStringList{"Erste Blüte"});

    // The next new entry starts with that date and an empty text, and stores no photo.
    page->BitBtn13->click();
    QCOMPARE(w->Edit1->text(), QStringLiteral("15.03.2012"));
    QCOMPARE(w->Memo1->toPlainText(), QString());
    QCOMPARE(w->Image1->state(), SlotState::Empty);
    QVERIFY(!w->photoChosen());
    w->Memo1->setPlainText("Zweite");
    w->BitBtn2->click();
    rows = stored(app);
    QCOMPARE(rows.size(), size_t(2));
    QCOMPARE(rows[1].photo, QString());
    QCOMPARE(rows[1].action, QStringLiteral("Beobachtung"));
    QCOMPARE(rows[1].number, QStringLiteral("0"));
    QCOMPARE(QDir(photoFolder(app)).entryList(QDir::Files), QStringList{name});
}

void TestEntryWindow::dateCheck_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<int>("answer"); // -1: not asked, 0: No, 1: Yes
    QTest::addColumn<bool>("storedEntry");
    QTest::addColumn<QString>("sortDate");
    QTest::addColumn<QString>("year");

    QTest::newRow("short date") << "15.03.2012" << -1 << true << "2012-03-15 00:00:00" << "2012";
    QTest::newRow("without leading zeros") << "1.5.2012" << -1 << true << "2012-05-01 00:00:00" << "2012";
    QTest::newRow("no date, stored anyway") << "Frühjahr 2012" << 1 << true << "" << "2024";
    QTest::newRow("no date, to be corrected") << "Frühjahr 2012" << 0 << false << "" << "";
    QTest::newRow("31st of February") << "31.02.2012" << 1 << true << "" << "2024";
}

void TestEntryWindow::dateCheck()
{
    QFETCH(QString, date);
    QFETCH(int, answer);
    QFETCH(bool, storedEntry);
    QFETCH(QString, sortDate);
    QFETCH(QString, year);
    AppFixture app;
    addRosa(app);
    QVERIFY(app.start());
    openDiary(app)->BitBtn13->click();
    TTagebuchneu *w = entryWindow(app);
    w->Edit1->setText(date);
    if (answer == 1)
        app.prompter().answerYes();
    else if (answer == 0)
        app.prompter().answerNo();
    w->BitBtn2->click();

    const QString question = "Es ist kein vollsständiges oder richtiges Datum eingetragen\n\nDie Sortierung im Tagebuch "
                             "ist dann nicht korrekt.\n\nWollen Sie trotzdem speichern?";
    QCOMPARE(app.prompter().messageTexts(MessageKind::Confirmation).contains(question), answer != -1);
    const std::vector<Stored> rows = stored(app);
    QCOMPARE(rows.size(), size_t(storedEntry ? 1 : 0));
    QCOMPARE(w->isVisible(), !storedEntry);
    if (!storedEntry) {
        // Nothing pending either: a later save of a good date stores one entry.
        w->Edit1->setText("16.03.2012");
        w->BitBtn2->click();
        QCOMPARE(stored(app).size(), size_t(1));
        return;
    }
    QCOMPARE(rows[0].date, date); // kept as written
    QCOMPARE(rows[0].sortDate, sortDate);
    QCOMPARE(rows[0].year, year);
}

void TestEntryWindow::withoutActionsAnEntryIsAnObservation()
{
    AppFixture app;
    addRosa(app);
    QVERIFY(app.start());
    // Start-up puts the observation back when it is missing; it goes afterwards.
    app.exec("DELETE FROM Aktionen");
    app.tables().Tab_Aktion.refresh();
    openDiary(app)->BitBtn13->click();
    TTagebuchneu *w = entryWindow(app);
    QCOMPARE(w->ComboBox1->count(), 0);
    w->BitBtn2->click();
    const std::vector<Stored> rows = stored(app);
    QCOMPARE(rows.size(), size_t(1));
    QCOMPARE(rows[0].action, QStringLiteral("Beobachtung"));
    QCOMPARE(rows[0].number, QStringLiteral("0"));
}

void TestEntryWindow::editKeepsOrReplacesThePhoto()
{
    AppFixture app;
    addRosa(app);
    const QString old = "1 Nr 12 Historie Rosa canina.JPG";
    writeFile(photoFolder(app) + old, jpegBytes(Qt::red));
    addEntry(app, 12, {"01.05.2024", "Gießen", "1", "vorher", old});
    addEntry(app, 12, {"01.04.2024", "Beobachtung", "0", "anderer Eintrag"});
    const QString bitmap = camera(app, "neu.BMP", bitmapBytes());
    QVERIFY(app.start());
    TagebuchPage *page = openDiary(app);
    TTagebuchneu *w = entryWindow(app);

    clickCell(page, 1, DiaryGrid::TextColumn);
    page->BitBtn27->click();
    QCOMPARE(w->Heading->text(), QStringLiteral("Tagebucheintrag bearbeiten"));
    QCOMPARE(w->Edit1->text(), QStringLiteral("01.05.2024"));
    QCOMPARE(w->Memo1->toPlainText(), QStringLiteral("vorher"));
    QCOMPARE(w->ComboBox1->currentText(), QStringLiteral("Gießen"));
    QVERIFY(w->ComboBox1->isEditable());
    QCOMPARE(w->Image1->state(), SlotState::Photo);
    QCOMPARE(app.state().CurrentPhotoPath, photoFolder(app) + old);

    // Without a new photo, the stored one stays.
    w->Memo1->setPlainText("nachher");
    w->ComboBox1->setEditText("Beobachtung");
    w->BitBtn2->click();
    std::vector<Stored> rows = stored(app);
    QCOMPARE(rows[0].text, QStringLiteral("nachher"));
    QCOMPARE(rows[0].number, QStringLiteral("0"));
    QCOMPARE(rows[0].photo, old);
    QVERIFY(QFile::exists(photoFolder(app) + old));
    QCOMPARE(w->Edit1->text(), QString()); // an edit leaves no date for the next entry
    QCOMPARE(rows[1].text, QStringLiteral("anderer Eintrag"));

    // A bitmap replaces it under the bitmap's name; the old file goes.
    clickCell(page, 1, DiaryGrid::TextColumn);
    page->BitBtn27->click();
    loadPhoto(app, bitmap);
    w->BitBtn2->click();
    rows = stored(app);
    QCOMPARE(rows[0].photo, QStringLiteral("1 Nr 12 Historie Rosa canina.bmp"));
    QVERIFY(QFile::exists(photoFolder(app) + rows[0].photo));
    QVERIFY(!QFile::exists(photoFolder(app) + old));
    QCOMPARE(QImage(photoFolder(app) + rows[0].photo).pixelColor(5, 5), QColor(Qt::green));
}

void TestEntryWindow::deletePhoto()
{
    AppFixture app;
    addRosa(app);
    const QString photo = "1 Nr 12 Historie Rosa canina.JPG";
    writeFile(photoFolder(app) + photo, jpegBytes(Qt::red));
    addEntry(app, 12, {"01.05.2024", "Gießen", "1", "mit Foto", photo});
    QVERIFY(app.start());
    TagebuchPage *page = openDiary(app);
    TTagebuchneu *w = entryWindow(app);
    page->BitBtn27->click();
    w->Image1Click(QPoint(0, 0));
    w->PopupMenu1->hide();
    QVERIFY(w->Fotoanzeigen1->isEnabled());
    QVERIFY(w->Fotolschen1->isEnabled());

    app.prompter().answerNo();
    w->Fotolschen1->trigger();
    QVERIFY(QFile::exists(photoFolder(app) + photo));
    app.prompter().answerYes();
    w->Fotolschen1->trigger();
    QCOMPARE(app.prompter().messageTexts().last(), QStringLiteral("Wollen Sie das Bild wirklich Löschen?"));
    QVERIFY(!QFile::exists(photoFolder(app) + photo));
    QCOMPARE(stored(app)[0].photo, QString()); // stored at once
    QCOMPARE(w->Image1->state(), SlotState::Empty);
    w->Image1Click(QPoint(0, 0));
    w->PopupMenu1->hide();
    QVERIFY(!w->Fotolschen1->isEnabled());
    w->BitBtn3->click();
}

// The photo folder cannot be written: the entry is not stored either, the window stays open.
void TestEntryWindow::photoThatCannotBeWrittenLeavesNoEntry()
{
    AppFixture app;
    addRosa(app);
    writeFile(app.programDir() + "blockiert", "eine Datei, kein Ordner");
    app.exec("UPDATE Stammdaten SET Speicherpfad = ?", {app.programDir() + "blockiert/"});
    const QString source = camera(app, "rose.jpg", jpegBytes(Qt::red));
    QVERIFY(app.start());
    openDiary(app)->BitBtn13->click();
    TTagebuchneu *w = entryWindow(app);
    loadPhoto(app, source);
    w->BitBtn2->click();
    QCOMPARE(app.prompter().messageTexts(MessageKind::Error).size(), 1);
    QVERIFY(app.prompter().messageTexts(MessageKind::Error)[0].startsWith("Das Foto kann nicht im Fotoordner"));
    QCOMPARE(count(app, "SELECT count(*) FROM Historie"), 0);
    QCOMPARE(app.tables().Tab_Historie.recordCount(), 0);
    QVERIFY(w->isVisible());
    QVERIFY(app.select("SELECT Letzte FROM Stammdaten")[0][0].isNull());
    // Cancelling leaves the catalogue as it was.
    w->BitBtn3->click();
    QVERIFY(!w->isVisible());
    QCOMPARE(app.tables().Tab_Pflanzen_test.tag, 0);
    QCOMPARE(count(app, "SELECT count(*) FROM Historie"), 0);
}

void TestEntryWindow::cancelStoresNothing()
{
    AppFixture app;
    addRosa(app);
    const QString source = camera(app, "rose.jpg", jpegBytes(Qt::red));
    QVERIFY(app.start());
    openDiary(app)->BitBtn13->click();
    TTagebuchneu *w = entryWindow(app);
    w->Memo1->setPlainText("verworfen");
    loadPhoto(app, source);
    w->close(); // as "Abbrechen"
    QVERIFY(!w->isVisible());
    QVERIFY(app.mainWindow()->isEnabled());
    QCOMPARE(count(app, "SELECT count(*) FROM Historie"), 0);
    QVERIFY(QDir(photoFolder(app)).entryList(QDir::Files).isEmpty());
    QCOMPARE(app.tables().Tab_Pflanzen_test.tag, 0);
}

void TestEntryWindow::datePicker()
{
    AppFixture app;
    addRosa(app);
    QVERIFY(app.start());
    openDiary(app)->BitBtn13->click();
    TTagebuchneu *w = entryWindow(app);
    w->Image11->click();
    QVERIFY(w->MonthCalendar2->isVisible());
    QCOMPARE(w->MonthCalendar2->selectedDate(), QDate(2024, 6, 1));
    QCOMPARE(w->MonthCalendar2->firstDayOfWeek(), Qt::Monday);
    w->MonthCalendar2->setSelectedDate(QDate(2024, 5, 7));
    emit w->MonthCalendar2->activated(QDate(2024, 5, 7));
    QCOMPARE(w->Edit1->text(), QStringLiteral("07.05.2024"));
    QVERIFY(!w->MonthCalendar2->isVisible());
    // Esc hides the picker, wherever the focus is.
    w->Image11->click();
    QVERIFY(app.activate(w));
    w->Memo1->setFocus();
    QTest::keyClick(w->Memo1, Qt::Key_Escape);
    QVERIFY(!w->MonthCalendar2->isVisible());
    QCOMPARE(w->Edit1->text(), QStringLiteral("07.05.2024"));
    w->BitBtn3->click();
}

VINDEL_TEST_MAIN(TestEntryWindow)
#include "test_entry_window.moc"
