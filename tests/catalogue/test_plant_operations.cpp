// Deleting, duplicating and renumbering plants on a running program's tables: which rows and
// files go, which stay, and that the database changes are all or nothing.
#include "catalogue/PlantOperations.h"
#include "support/AppFixture.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include <QDir>
#include <QRegularExpression>

using namespace vindel;
using namespace vindel::test;

namespace {

// Two plants with photos and diaries; a file outside the photo folder that a crafted name points at.
struct Garden {
    AppFixture app;
    QString photos;
    Garden()
    {
        photos = app.programDir() + QStringLiteral("Fotos/");
        QDir().mkpath(photos);
        app.exec("INSERT INTO Pflanzen (ID, Nr, Namen, Bild1, Bild3, Bild7) VALUES (1, 7, 'Rosa canina', "
                 "'1 Nr 7 Bild1 Rosa canina.JPG', '1 Nr 7 Bild3 Rosa canina.bmp', 'fremd.JPG')");
        app.exec("INSERT INTO Pflanzen (ID, Nr, Namen, Bild1) VALUES (2, 8, 'Iris', '2 Nr 8 Bild1 Iris.JPG')");
        app.exec("INSERT INTO Historie (PflanzenID, Datum, Bild) VALUES ('7', '01.05.2024', '11 Nr 7 Historie Rosa canina.JPG')");
        app.exec("INSERT INTO Historie (PflanzenID, Datum, Bild) VALUES ('7', '02.05.2024', '')");
        app.exec("INSERT INTO Historie (PflanzenID, Datum, Bild) VALUES ('8', '03.05.2024', '13 Nr 8 Historie Iris.JPG')");
        app.exec("INSERT INTO Historie (PflanzenID, Datum, Bild) VALUES ('70', '04.05.2024', '')");
        app.exec("INSERT INTO Listeninhalt (ListenNr, Liste, PflanzenID, Pflanze) VALUES ('1', 'Beet', 7, 'Rosa canina')");
        app.exec("INSERT INTO Listeninhalt (ListenNr, Liste, PflanzenID, Pflanze) VALUES ('1', 'Beet', 8, 'Iris')");
        for (const char *name : {"1 Nr 7 Bild1 Rosa canina.JPG", "1 Nr 7 Bild3 Rosa canina.bmp", "fremd.JPG",
                                 "2 Nr 8 Bild1 Iris.JPG", "11 Nr 7 Historie Rosa canina.JPG", "13 Nr 8 Historie Iris.JPG"})
            writeFile(photos + QString::fromUtf8(name), jpegBytes(Qt::red));
    }
    bool start()
    {
        if (!app.start())
            return false;
        return app.tables().Tab_Pflanzen_test.locate("ID", 1);
    }
    int rows(const QString &sql) { return app.select(sql).front().front().toInt(); }
};

} // namespace

class TestPlantOperations : public QObject {
    Q_OBJECT
private slots:
    void deleteTakesExactlyThePlantsRowsAndFiles();
    void deleteLeavesFilesOutsideTheFolder_data();
    void deleteLeavesFilesOutsideTheFolder();
    void deleteKeepsWhatOthersStillUse();
    void deleteIsAllOrNothing();
    void duplicate_data();
    void duplicate();
    void duplicateWithUnsafePlantName();
    void nextNumberIgnoresTheFilter();
    void carryNumber();
};

void TestPlantOperations::deleteTakesExactlyThePlantsRowsAndFiles()
{
    Garden g;
    g.app.prompter().setNow(QDateTime(QDate(2024, 8, 1), QTime(9, 30)));
    QVERIFY(g.start());
    const PlantOperations::Deleted d = PlantOperations(g.app.context()).deleteCurrentPlant();
    QVERIFY(d.deleted);
    QCOMPARE(d.diaryEntries, 2);
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Pflanzen"), 1);
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Pflanzen WHERE ID = 2"), 1);
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Historie WHERE PflanzenID = '7'"), 0);
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Historie"), 2); // Iris's and number 70's
    // List entries are not touched.
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Listeninhalt"), 2);
    QCOMPARE(filesIn(g.photos), (QStringList{"13 Nr 8 Historie Iris.JPG", "2 Nr 8 Bild1 Iris.JPG"}));
    QCOMPARE(g.app.select("SELECT Letzte FROM Stammdaten")[0][0].toString(), QStringLiteral("2024-08-01 09:30:00"));
    // The cursor is on the first plant that is left.
    QCOMPARE(g.app.tables().Tab_Pflanzen_test.integer("ID"), 2);
    QCOMPARE(g.app.state().FilterText, QStringLiteral("(PflanzenID = '7')"));
}

void TestPlantOperations::deleteLeavesFilesOutsideTheFolder_data()
{
    QTest::addColumn<QString>("storedName");
    QTest::newRow("parent folder") << "../outside.JPG";
    QTest::newRow("subfolder") << "sub/inside.JPG";
    QTest::newRow("absolute") << "/tmp/abs.JPG";
    QTest::newRow("backslash") << "..\\outside.JPG";
    QTest::newRow("dot dot") << "..";
}

void TestPlantOperations::deleteLeavesFilesOutsideTheFolder()
{
    QFETCH(QString, storedName);
    Garden g;
    QDir().mkpath(g.photos + "sub");
    const QString outside = g.app.programDir() + "outside.JPG";
    writeFile(outside, "x");
    writeFile(g.photos + "sub/inside.JPG", "x");
    g.app.exec("UPDATE Pflanzen SET Bild2 = ? WHERE ID = 1", {storedName});
    g.app.exec("UPDATE Historie SET Bild = ? WHERE Datum = '02.05.2024'", {storedName});
    QVERIFY(g.start());
    QVERIFY(PlantOperations(g.app.context()).deleteCurrentPlant().deleted);
    QVERIFY(QFile::exists(outside));
    QVERIFY(QFile::exists(g.photos + "sub/inside.JPG"));
    QVERIFY(QDir(g.app.programDir()).exists());
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Pflanzen WHERE ID = 1"), 0);
}

void TestPlantOperations::deleteKeepsWhatOthersStillUse()
{
    Garden g;
    // Iris names the rose's literature photo too; a third plant shares the rose's number.
    g.app.exec("UPDATE Pflanzen SET Bild7 = 'fremd.JPG' WHERE ID = 2");
    g.app.exec("INSERT INTO Pflanzen (ID, Nr, Namen) VALUES (3, 7, 'Rosa gallica')");
    QVERIFY(g.start());
    const PlantOperations::Deleted d = PlantOperations(g.app.context()).deleteCurrentPlant();
    QVERIFY(d.deleted);
    QCOMPARE(d.keptFiles, QStringList{"fremd.JPG"});
    QVERIFY(QFile::exists(g.photos + "fremd.JPG"));
    QVERIFY(!QFile::exists(g.photos + "1 Nr 7 Bild1 Rosa canina.JPG"));
    // The diary of number 7 belongs to Rosa gallica as well and stays, photos included.
    QCOMPARE(d.diaryEntries, 0);
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Historie WHERE PflanzenID = '7'"), 2);
    QVERIFY(QFile::exists(g.photos + "11 Nr 7 Historie Rosa canina.JPG"));
}

void TestPlantOperations::deleteIsAllOrNothing()
{
    Garden g;
    QVERIFY(g.start());
    // The settings row cannot take the stamp: the last write of the deletion fails.
    g.app.tables().db.exec("CREATE TRIGGER no_stamp BEFORE UPDATE ON Stammdaten BEGIN SELECT RAISE(ABORT, 'gesperrt'); END");
    bool failed = false;
    try {
        PlantOperations(g.app.context()).deleteCurrentPlant();
    } catch (const DatabaseError &) {
        failed = true;
    }
    QVERIFY(failed);
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Pflanzen"), 2);
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Historie"), 4);
    QCOMPARE(filesIn(g.photos).size(), 6);
    // The table objects show the stored rows again.
    QCOMPARE(g.app.tables().Tab_Pflanzen_test.recordCount(), 2);
}

void TestPlantOperations::duplicate_data()
{
    QTest::addColumn<QString>("literature"); // stored name of the source's Bild7
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<QString>("copyName");   // expected Bild7 of the copy
    QTest::addColumn<bool>("copied");
    QTest::newRow("no literature photo") << "" << false << "" << false;
    QTest::newRow("JPEG") << "1 Bild7 Rosa canina.JPG" << true << "9 Bild7 Rosa canina.JPG" << true;
    QTest::newRow("bitmap") << "1 Bild7 Rosa canina.bmp" << true << "9 Bild7 Rosa canina.bmp" << true;
    QTest::newRow("file missing") << "weg.JPG" << false << "9 Bild7 Rosa canina.JPG" << false;
    // A stored name that leads out of the photo folder is never read, even when a file is there.
    QTest::newRow("name outside the folder") << "../aussen.JPG" << true << "9 Bild7 Rosa canina.JPG" << false;
}

void TestPlantOperations::duplicate()
{
    QFETCH(QString, literature);
    QFETCH(bool, fileThere);
    QFETCH(QString, copyName);
    QFETCH(bool, copied);
    Garden g;
    g.app.exec("UPDATE Pflanzen SET Bild7 = ?, Kategorie = 'Stauden', Familie = 'Rosa', Art = 'canina', "
               "Pflege = 'viel Licht', Düngung = 'Kompost', FotoListe = 'Bild3', Nummeriert = 'Ja', "
               "Webseite1 = 'www.rosen.de', Tagebuch = '2', Etikett = 'E', Feldnummer = 'F-1' WHERE ID = 1",
               {literature});
    QByteArray source;
    if (literature.endsWith(".JPG")) {
        source = jpegBytes(Qt::darkGreen);
    } else if (literature.endsWith(".bmp")) {
        QImage bmp(30, 20, QImage::Format_RGB32);
        bmp.fill(Qt::blue);
        QBuffer b(&source);
        b.open(QIODevice::WriteOnly);
        bmp.save(&b, "BMP");
    }
    if (fileThere)
        writeFile(g.photos + literature, source);
    QVERIFY(g.start());
    const PlantOperations::Duplicated d = PlantOperations(g.app.context()).duplicateCurrentPlant();
    QVERIFY(d.created);
    QCOMPARE(d.nr, 9);
    QCOMPARE(g.app.state().NextPlantNr, 9);
    QCOMPARE(d.literaturePhoto, copyName);
    QCOMPARE(d.photoCopied, copied);
    QVERIFY(d.photoError.isEmpty());

    const auto rows = g.app.select("SELECT Namen, Kategorie, Familie, Art, Pflege, Düngung, Feldnummer, Bild1, Bild3, "
                                   "Bild7, FotoListe, Nummeriert, Webseite1, Tagebuch, Etikett, ID FROM Pflanzen WHERE Nr = 9");
    QCOMPARE(rows.size(), size_t(1));
    const auto &r = rows[0];
    QCOMPARE(r[0].toString(), QStringLiteral("Rosa canina"));
    QCOMPARE(r[1].toString(), QStringLiteral("Stauden"));
    QCOMPARE(r[2].toString(), QStringLiteral("Rosa"));
    QCOMPARE(r[3].toString(), QStringLiteral("canina"));
    QCOMPARE(r[4].toString(), QStringLiteral("viel Licht"));
    QCOMPARE(r[5].toString(), QStringLiteral("Kompost"));
    QCOMPARE(r[6].toString(), QStringLiteral("F-1"));
    for (int i : {7, 8, 10, 11, 12, 13, 14})
        QVERIFY2(r[size_t(i)].toString().isEmpty(), qPrintable(QString::number(i)));
    QCOMPARE(r[9].toString(), copyName);
    QCOMPARE(r[15].toLongLong(), d.id);

    if (copied) {
        const QByteArray copy = readFile(g.photos + copyName);
        if (copyName.endsWith(".JPG"))
            QCOMPARE(copy, source); // byte for byte
        else
            QCOMPARE(QImage::fromData(copy, "BMP").pixel(5, 5), QColor(Qt::blue).rgb());
        QCOMPARE(readFile(g.photos + literature), source);
    } else {
        QVERIFY(!QFile::exists(g.photos + copyName) || copyName.isEmpty());
        if (fileThere)
            QCOMPARE(readFile(g.photos + literature), source);
    }
    // The cursor is on the copy, the plants sorted by name.
    Table &plants = g.app.tables().Tab_Pflanzen_test;
    QCOMPARE(plants.integer("ID"), d.id);
    QCOMPARE(plants.sort(), QStringLiteral("Namen"));
    // The source is unchanged.
    QCOMPARE(g.app.select("SELECT Bild7, Nr FROM Pflanzen WHERE ID = 1")[0][0].toString(), literature);
}

void TestPlantOperations::duplicateWithUnsafePlantName()
{
    Garden g;
    g.app.exec("UPDATE Pflanzen SET Namen = '../../Rosa/canina', Bild7 = 'fremd.JPG' WHERE ID = 1");
    QVERIFY(g.start());
    const PlantOperations::Duplicated d = PlantOperations(g.app.context()).duplicateCurrentPlant();
    QVERIFY(d.photoCopied);
    QCOMPARE(d.literaturePhoto, QStringLiteral("9 Bild7 .._.._Rosa_canina.JPG"));
    QVERIFY(QFile::exists(g.photos + d.literaturePhoto));
    // The plant name itself stays as typed.
    QCOMPARE(g.app.select("SELECT Namen FROM Pflanzen WHERE Nr = 9")[0][0].toString(), QStringLiteral("../../Rosa/canina"));
    // Nothing was written beside the photo folder.
    QCOMPARE(filesIn(g.app.programDir()).filter(QRegularExpression("^(?!Pflanzen\\.mdb)")), QStringList());
    QCOMPARE(QDir(g.app.programDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"Fotos"});
}

void TestPlantOperations::nextNumberIgnoresTheFilter()
{
    Garden g;
    QVERIFY(g.start());
    Table &plants = g.app.tables().Tab_Pflanzen_test;
    plants.setFilter(QStringLiteral("(Namen LIKE 'Iris')"));
    plants.setFiltered(true);
    QCOMPARE(PlantOperations(g.app.context()).nextPlantNumber(), 9);
    QVERIFY(plants.filtered());
    QCOMPARE(plants.recordCount(), 1);
}

void TestPlantOperations::carryNumber()
{
    Garden g;
    QVERIFY(g.start());
    PlantOperations ops(g.app.context());
    // Another plant keeps 7: its rows stay.
    g.app.tables().db.exec("INSERT INTO Pflanzen (ID, Nr, Namen) VALUES (3, 7, 'Rosa gallica')");
    QCOMPARE(ops.carryNumber(7, 12, 1), 0);
    g.app.tables().db.exec("DELETE FROM Pflanzen WHERE ID = 3");
    QCOMPARE(ops.carryNumber(7, 12, 1), 3);
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Historie WHERE PflanzenID = '12'"), 2);
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Historie WHERE PflanzenID = '70'"), 1);
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Listeninhalt WHERE PflanzenID = 12"), 1);
    QCOMPARE(g.rows("SELECT COUNT(*) FROM Listeninhalt WHERE PflanzenID = 8"), 1);
    QCOMPARE(ops.carryNumber(8, 8, 2), 0);
}

VINDEL_TEST_MAIN(TestPlantOperations)
#include "test_plant_operations.moc"
