// The backup from the settings page and from the reminder on closing, its questions and its
// failures, the snapshot of the open database, and the restore of a backup folder.
#include "settings/DataBackup.h"
#include "settings/StammdatenPage.h"
#include "support/AppFixture.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

#include <sqlite3.h>

using namespace vindel;
using namespace vindel::test;

namespace {

const QDate kToday(2026, 12, 8);

struct Setup {
    QTemporaryDir target;
    QString photoDir;
};

// A catalogue of two plants, a photo folder of 12 BMP and 8 JPEG files, the backup settings.
void prepare(AppFixture &app, Setup &s, const QString &photos = "j")
{
    s.photoDir = app.programDir() + "Fotos/";
    QDir().mkpath(s.photoDir);
    for (int i = 0; i < 12; ++i)
        writeFile(s.photoDir + QStringLiteral("bild%1.bmp").arg(i), QByteArray(100 + i, 'b'));
    for (int i = 0; i < 8; ++i)
        writeFile(s.photoDir + QStringLiteral("foto%1.JPG").arg(i), QByteArray(200 + i, 'j'));
    app.exec("INSERT INTO Pflanzen (ID, Nr, Namen) VALUES (1, 1, 'Rosa canina'), (2, 2, 'Tulipa')");
    app.exec("UPDATE Stammdaten SET Speicherpfad = ?, Sicherungspfad = ?, Fotossichern = ?, Datensicherung = 'j', "
             "DatensicherungTage = 21",
             {s.photoDir, s.target.path() + "/", photos});
    app.prompter().setToday(kToday);
}

StammdatenPage *settingsPage(AppFixture &app)
{
    app.mainWindow()->activatePage("TabSheet5");
    return app.find<StammdatenPage>("TabSheet5");
}

QString dayFolder(const Setup &s) { return s.target.path() + "/Datensicherung Tessaro 08.12.2026/"; }

QString storedBackupDate(AppFixture &app)
{
    return app.select("SELECT Letztesicherung FROM Stammdaten")[0][0].toString();
}

// The rows of a table in a database file, read with SQLite itself.
int rowsIn(const QString &file, const QString &table)
{
    sqlite3 *db = nullptr;
    int n = -1;
    if (sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt *st = nullptr;
        if (sqlite3_prepare_v2(db, ("SELECT COUNT(*) FROM " + table).toUtf8().constData(), -1, &st, nullptr) == SQLITE_OK
            && sqlite3_step(st) == SQLITE_ROW)
            n = sqlite3_column_int(st, 0);
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return n;
}

} // namespace

class TestBackup : public QObject {
    Q_OBJECT
private slots:
    void backupWithPhotosTwiceOnOneDay();
    void unchangedPhotosAreNotCopiedAgain();
    void withoutPhotos();
    void missingTarget();
    void failedCopiesAreReported_data();
    void failedCopiesAreReported();
    void snapshotHoldsWhatTheProgramWrote();
    void reminderRules_data();
    void reminderRules();
    void reminderOnClosing_data();
    void reminderOnClosing();
    void restore();
    void restoreRefusesADamagedBackup();
};

void TestBackup::backupWithPhotosTwiceOnOneDay()
{
    AppFixture app;
    Setup s;
    prepare(app, s);
    QVERIFY(app.start());
    StammdatenPage *page = settingsPage(app);
    const QString program = QFileInfo(DataBackup::programFile()).fileName();
    app.prompter().answerYes();
    page->BitBtn37->click();
    QCOMPARE(app.prompter().messageTexts(),
             (QStringList{"Alle 20 Fotos auch kopieren?", "Datensicherung erfolgreich abgeschlossen!!"}));
    const QString folder = dayFolder(s);
    QCOMPARE(rowsIn(folder + "Pflanzen.mdb", "Pflanzen"), 2);
    QVERIFY(QFileInfo(folder + program).isFile());
    QCOMPARE(QFileInfo(folder + program).size(), QFileInfo(DataBackup::programFile()).size());
    QCOMPARE(QDir(folder + "Fotos").entryList(QDir::Files).size(), 20);
    QCOMPARE(readFile(folder + "Fotos/foto3.JPG"), QByteArray(203, 'j'));
    QCOMPARE(storedBackupDate(app), QStringLiteral("08.12.2026"));
    QCOMPARE(page->Label138->text(), QStringLiteral("08.12.2026"));
    QVERIFY(!page->ProgressBar1->isVisible());

    // The second backup of the day asks about each copy; No keeps them and still stamps the date.
    app.exec("UPDATE Stammdaten SET Letztesicherung = '01.12.2026'");
    app.tables().Tab_Stammdaten.refresh();
    app.prompter().clearRecords();
    app.prompter().answerNo(3);
    page->BitBtn37->click();
    QCOMPARE(app.prompter().messageTexts(),
             (QStringList{"Für dieses Datum ist eine Datensicherung schon vorhanden!",
                          "Datei Pflanzen.mdb ist schon vorhanden, soll sie aktualisiert werden?",
                          "Datei " + program + " ist schon vorhanden, soll sie aktualisiert werden?",
                          "Alle 20 Fotos auch kopieren?", "Datensicherung erfolgreich abgeschlossen!!"}));
    QCOMPARE(storedBackupDate(app), QStringLiteral("08.12.2026"));
    QCOMPARE(rowsIn(folder + "Pflanzen.mdb", "Pflanzen"), 2);
}

// A photo whose copy has its size and time is left alone; a changed one is copied again.
void TestBackup::unchangedPhotosAreNotCopiedAgain()
{
    AppFixture app;
    Setup s;
    prepare(app, s);
    QVERIFY(app.start());
    StammdatenPage *page = settingsPage(app);
    app.prompter().answerYes();
    page->BitBtn37->click();
    const QString copy = dayFolder(s) + "Fotos/bild1.bmp";
    const QDateTime stamp = QFileInfo(copy).lastModified();
    {
        // Same size and time, other bytes: only a copy made again would bring the original back.
        QFile f(copy);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.write(QByteArray(101, 'x'));
        f.flush();
        f.setFileTime(stamp, QFileDevice::FileModificationTime);
    }
    writeFile(s.photoDir + "foto1.JPG", QByteArray(300, 'n'));
    app.prompter().answerYes(3);
    page->BitBtn37->click();
    QCOMPARE(app.prompter().unanswered(), QStringList{});
    QCOMPARE(readFile(copy), QByteArray(101, 'x'));
    QCOMPARE(readFile(dayFolder(s) + "Fotos/foto1.JPG"), QByteArray(300, 'n'));
}

void TestBackup::withoutPhotos()
{
    AppFixture app;
    Setup s;
    prepare(app, s, "n");
    QVERIFY(app.start());
    settingsPage(app)->BitBtn37->click();
    QCOMPARE(app.prompter().messageTexts(), QStringList{"Datensicherung erfolgreich abgeschlossen!!"});
    QVERIFY(QFileInfo(dayFolder(s) + "Pflanzen.mdb").isFile());
    QVERIFY(!QFileInfo::exists(dayFolder(s) + "Fotos"));
}

void TestBackup::missingTarget()
{
    AppFixture app;
    Setup s;
    prepare(app, s);
    app.exec("UPDATE Stammdaten SET Sicherungspfad = ?", {s.target.path() + "/abgezogener Stick/"});
    QVERIFY(app.start());
    settingsPage(app)->BitBtn37->click();
    const QStringList errors = app.prompter().messageTexts(MessageKind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors[0].startsWith("Das ausgewählte Laufwerk oder Verzeichnis ist nicht verfügbar!"));
    QVERIFY(errors[0].endsWith("Datensicherung kann nicht durchgeführt werden!!!"));
    QCOMPARE(storedBackupDate(app), QString());
    QCOMPARE(QDir(s.target.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{});
}

// What stands in the way of a copy: the error says what failed, and the date is not stamped.
void TestBackup::failedCopiesAreReported_data()
{
    QTest::addColumn<QString>("inTheWay");
    QTest::addColumn<QString>("reported");
    QTest::newRow("database") << "Pflanzen.mdb" << "Die Datenbank konnte nicht gesichert werden";
    QTest::newRow("photos") << "Fotos" << "20 von 20 Fotos konnten nicht kopiert werden";
}

void TestBackup::failedCopiesAreReported()
{
    QFETCH(QString, inTheWay);
    QFETCH(QString, reported);
    AppFixture app;
    Setup s;
    prepare(app, s);
    QVERIFY(app.start());
    // A folder where the database copy goes, or a file where the photo folder goes.
    QDir().mkpath(dayFolder(s));
    if (inTheWay == "Pflanzen.mdb")
        QDir().mkpath(dayFolder(s) + inTheWay + "/belegt");
    else
        writeFile(dayFolder(s) + inTheWay, "kein Ordner");
    app.prompter().answerYes(3);
    settingsPage(app)->BitBtn37->click();
    const QStringList errors = app.prompter().messageTexts(MessageKind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].startsWith("Die Datensicherung ist nicht vollständig!"), qPrintable(errors[0]));
    QVERIFY2(errors[0].contains(reported), qPrintable(errors[0]));
    QVERIFY(errors[0].endsWith("Das Datum der letzten Datensicherung wurde nicht geändert."));
    QVERIFY(!app.prompter().messageTexts().contains("Datensicherung erfolgreich abgeschlossen!!"));
    QCOMPARE(storedBackupDate(app), QString());
    // No half-written file is left beside the copies.
    QCOMPARE(QDir(dayFolder(s)).entryList(QDir::Hidden | QDir::Files).filter(".teil"), QStringList{});
}

// The program's last writes sit in its journal; the copy has them, is sound and stands alone.
void TestBackup::snapshotHoldsWhatTheProgramWrote()
{
    AppFixture app;
    Setup s;
    prepare(app, s, "n");
    QVERIFY(app.start());
    app.tables().db.exec("INSERT INTO Pflanzen (ID, Nr, Namen) VALUES (3, 3, 'Iris')");
    QVERIFY(QFileInfo(app.databasePath() + "-wal").size() > 0);
    settingsPage(app)->BitBtn37->click();
    const QString copy = dayFolder(s) + "Pflanzen.mdb";
    QCOMPARE(rowsIn(copy, "Pflanzen"), 3);
    QVERIFY(!QFileInfo::exists(copy + "-wal"));
    QVERIFY(!QFileInfo::exists(dayFolder(s) + ".Pflanzen.mdb.teil"));
}

void TestBackup::reminderRules_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("last");
    QTest::addColumn<bool>("targetExists");
    QTest::addColumn<bool>("due");
    QTest::newRow("older than the interval") << true << 21 << "16.11.2026" << true << true;
    QTest::newRow("exactly the interval") << true << 21 << "17.11.2026" << true << false;
    QTest::newRow("recent") << true << 21 << "01.12.2026" << true << false;
    QTest::newRow("never") << true << 21 << "" << true << true;
    QTest::newRow("unreadable date") << true << 21 << "irgendwann" << true << true;
    QTest::newRow("switched off") << false << 21 << "" << true << false;
    QTest::newRow("target missing") << true << 21 << "" << false << false;
    QTest::newRow("one day") << true << 1 << "06.12.2026" << true << true;
}

void TestBackup::reminderRules()
{
    QFETCH(bool, on);
    QFETCH(int, days);
    QFETCH(QString, last);
    QFETCH(bool, targetExists);
    QFETCH(bool, due);
    DataBackup::Reminder r;
    r.on = on;
    r.days = days;
    r.lastBackup = last;
    QCOMPARE(r.due(kToday, targetExists), due);
}

// On closing, the stored settings decide; the settings page need not have been opened.
void TestBackup::reminderOnClosing_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("No: nothing copied") << false;
    QTest::newRow("Yes: the backup runs") << true;
}

void TestBackup::reminderOnClosing()
{
    QFETCH(bool, yes);
    AppFixture app;
    Setup s;
    prepare(app, s, "n");
    app.exec("UPDATE Stammdaten SET Letztesicherung = '01.11.2026'");
    QVERIFY(app.start());
    if (yes)
        app.prompter().answerYes();
    else
        app.prompter().answerNo();
    app.mainWindow()->close();
    QVERIFY(app.ended());
    QCOMPARE(app.prompter().messageTexts(MessageKind::WarningQuestion),
             QStringList{"Letzet Datensicherung ist vom 01.11.2026\n\nDamit älter als 21 Tage!\n\nSoll eine "
                         "Datensicherung automatisch durchgeführt werden!"});
    QCOMPARE(QFileInfo(dayFolder(s) + "Pflanzen.mdb").isFile(), yes);
    QCOMPARE(storedBackupDate(app), yes ? QStringLiteral("08.12.2026") : QStringLiteral("01.11.2026"));
}

// The present data is kept first, then the backup's database and photos come back and the
// catalogue shows them.
void TestBackup::restore()
{
    AppFixture app;
    Setup s;
    prepare(app, s);
    QVERIFY(app.start());
    StammdatenPage *page = settingsPage(app);
    app.prompter().answerYes();
    page->BitBtn37->click();
    // Later: a plant deleted, a photo overwritten, the day moves on.
    app.tables().db.exec("DELETE FROM Pflanzen WHERE ID = 2");
    writeFile(s.photoDir + "foto2.JPG", "später");
    app.tables().Tab_Pflanzen_test.refresh();
    app.prompter().setNow(QDateTime(QDate(2026, 12, 9), QTime(10, 30, 5)));
    app.prompter().clearRecords();

    app.prompter().queueFolder(dayFolder(s));
    app.prompter().answerYes();
    page->BitBtn38->click();
    const QStringList shown = app.prompter().messageTexts();
    QVERIFY2(shown.size() >= 2, qPrintable(shown.join('|')));
    QCOMPARE(shown[0], QStringLiteral("Datensicherung vom 08.12.2026 zurückspielen?\n\nSie enthält 2 Pflanzen, 0 "
                                      "Tagebucheinträge und 20 Fotos.\n\nDie jetzigen Daten werden vorher in einem "
                                      "eigenen Ordner gesichert und dann ersetzt."));
    QVERIFY2(shown.last().startsWith("Die Datensicherung vom 08.12.2026 wurde zurückgespielt."), qPrintable(shown.last()));
    QCOMPARE(app.select("SELECT COUNT(*) FROM Pflanzen")[0][0].toInt(), 2);
    QCOMPARE(app.tables().Tab_Pflanzen_test.recordCount(), 2);
    QCOMPARE(readFile(s.photoDir + "foto2.JPG"), QByteArray(202, 'j'));
    const QString kept = s.target.path() + "/Datensicherung Tessaro vor dem Zurückspielen 09.12.2026 10.30.05/";
    QCOMPARE(rowsIn(kept + "Pflanzen.mdb", "Pflanzen"), 1);
    QCOMPARE(readFile(kept + "Fotos/foto2.JPG"), QByteArray("später"));
}

void TestBackup::restoreRefusesADamagedBackup()
{
    AppFixture app;
    Setup s;
    prepare(app, s);
    QVERIFY(app.start());
    const QString folder = s.target.path() + "/Datensicherung Tessaro 01.12.2026/";
    QByteArray damaged = readFile(app.databasePath());
    QVERIFY(!damaged.isEmpty());
    damaged.replace(0, 16, QByteArray(16, 'X'));
    QDir().mkpath(folder);
    writeFile(folder + "Pflanzen.mdb", damaged);
    app.prompter().queueFolder(folder);
    settingsPage(app)->BitBtn38->click();
    const QStringList errors = app.prompter().messageTexts(MessageKind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors[0].startsWith("Diese Datensicherung kann nicht zurückgespielt werden."));
    QVERIFY(errors[0].endsWith("Es wurde nichts verändert."));
    QCOMPARE(app.prompter().messageTexts(MessageKind::Confirmation), QStringList{});
    QCOMPARE(app.select("SELECT COUNT(*) FROM Pflanzen")[0][0].toInt(), 2);
    QCOMPARE(QDir(s.target.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
}

VINDEL_TEST_MAIN(TestBackup)
#include "test_backup.moc"
