// Schema upgrade of older databases and the data steps of start-up.
#include "data/DataTables.h"
#include "data/NewDatabase.h"
#include "data/SchemaUpgrade.h"
#include "data/Clock.h"
#include "data/ShortDate.h"
#include "data/StartupData.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vindel;

namespace {

// A database as a version before 3.0 left it: no colour, backup or web columns, no photo index,
// Düngung and Boden as text.
void createOldDatabase(Database &db, bool duengungText = true, bool bodenText = true)
{
    db.exec("CREATE TABLE Kategorien (ID INTEGER PRIMARY KEY AUTOINCREMENT, Namen TEXT(50))");
    db.exec("CREATE TABLE Gattung (ID INTEGER PRIMARY KEY AUTOINCREMENT, Familie TEXT(50), Kategorie TEXT(50))");
    QStringList plantCols;
    for (const ColumnDef &c : Schema::plantTable().columns) {
        if (c.name == "Feldnummer" || c.name == "Etikett" || c.name == "Vorkommen" || c.name.startsWith("Webseite"))
            continue;
        QString type = Schema::declaredType(c);
        if ((c.name == "Düngung" && duengungText) || (c.name == "Boden" && bodenText))
            type = "TEXT(50)";
        plantCols << Schema::quoteIdentifier(c.name) + " " + type
                         + (c.kind == ColumnKind::AutoNumber ? " PRIMARY KEY AUTOINCREMENT" : "");
    }
    db.exec("CREATE TABLE Pflanzen (" + plantCols.join(", ") + ")");
    db.exec("CREATE TABLE Historie (ID INTEGER PRIMARY KEY AUTOINCREMENT, PflanzenID TEXT(50), Datum TEXT(50), "
            "Inhalt1 LONGTEXT, Aktion TEXT(50), Jahr TEXT(50), Bild TEXT(255), Bildda TEXT(50))");
    db.exec("CREATE TABLE Aktionen (Bezeichnung TEXT(50), Bemerkung TEXT(255))");
    db.exec("CREATE TABLE ComboboxListe (Herkunft TEXT(50), Sommer TEXT(50), Winter TEXT(50))");
    db.exec("CREATE TABLE Kontakte (ID INTEGER PRIMARY KEY AUTOINCREMENT, Nachname TEXT(50))");
    db.exec("CREATE TABLE Stammdaten (Vorname TEXT(50), Nachname TEXT(50), \"Straße\" TEXT(255), DruckName "
            "TEXT(50), Speicherpfad TEXT(255), Fotopfad TEXT(255), Letzte DATETIME)");
    db.exec("CREATE TABLE Liste (Nr TEXT(50), Liste TEXT(255), Erstellt TEXT(50))");
    db.exec("CREATE TABLE Listeninhalt (ListenNr TEXT(50), Liste TEXT(255), PflanzenID INTEGER, Pflanze "
            "TEXT(255), Erstellt TEXT(50))");
    db.exec("CREATE TABLE Etiketten (EName TEXT(50), Breite INTEGER)");

    db.exec("INSERT INTO Kategorien (Namen) VALUES (' Alle'), ('Stauden')");
    db.exec("INSERT INTO Gattung (Familie, Kategorie) VALUES (' Alle', ' Alle'), ('Rosa', 'Stauden')");
    db.exec("INSERT INTO Pflanzen (Nr, Namen, Kategorie, Familie, \"Düngung\", Boden) VALUES "
            "(1, 'Rosa canina', 'Stauden', 'Rosa', 'alle 2 Wochen', 'lehmig'), (2, 'Aloe', 'Stauden', '', NULL, '')");
    db.exec("INSERT INTO Historie (PflanzenID, Datum, Aktion, Jahr) VALUES "
            "('1', '12.04.2012', 'Gießen', '2012'), ('1', '31.02.2012', '', ''), ('2', 'Frühjahr 2012', NULL, NULL), "
            "('2', '1.5.2012', NULL, NULL)");
    db.exec("INSERT INTO Aktionen VALUES ('Gießen', 'regelmäßig')");
    db.exec("INSERT INTO Stammdaten (Nachname, \"Straße\", Speicherpfad) VALUES ('Gärtner', 'Gartenstraße 5', '')");
}

QStringList expectedOldMessages()
{
    const QString v3 = "Neue Software - Version 3.0\n\nTabelle \"%1\" hat das Feld \"%2\" bekommen ";
    const QString v4 = "Neue Software - Version 4.0\n\nTabelle \"%1\" hat das Feld \"%2\" bekommen ";
    QStringList m;
    m << "Neue Software - Version 3.0 \n\nTabelle \"Aktionen\" hat das Feld \"Kenner\" bekommen ";
    m << v3.arg("Aktionen", "Farbe") << v3.arg("Historie", "Aktionkenner");
    for (const char *c : {"Formfarbe", "Tabsheetfarbe", "Groupboxfarbe", "Datensicherung", "Fotossichern",
                          "DatensicherungTage", "Sicherungspfad", "Letztesicherung"})
        m << v3.arg("Stammdaten", c);
    for (const char *c : {"Feldnummer", "Vorkommen", "Etikett"})
        m << v3.arg("Pflanzen", c);
    m << "Neue Software - Version \n\nTabelle \"ListeallerFotos\" wurde erstellt ";
    m << "Neue Software - Version 3.0\n\nTabelle \"Pflanzen\" hat das Feld \"Düngung\" im Typ auf Memo geändert ";
    m << "Neue Software - Version 3.0\n\nTabelle \"Pflanzen\" hat das Feld \"Boden\" im Typ auf Memo geändert ";
    for (const char *c : {"Webseite1", "Webseite2", "Webseite3"})
        m << v4.arg("Pflanzen", c);
    m << v4.arg("Stammdaten", "Fotobearbeitung");
    m << "Neue Software - Version 4.0\n\nTabelle \"Historie\" hat das Feld \"Datum\" im Typ auf DATE geändert ";
    return m;
}

} // namespace

class UpgradeTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString freshPath()
    {
        static int n = 0;
        return m_dir.filePath(QStringLiteral("db%1.mdb").arg(++n));
    }

private slots:
    void oldDatabaseIsBroughtUpToDate()
    {
        DataTables t;
        t.db.openOrCreate(freshPath());
        createOldDatabase(t.db);

        QStringList shown;
        bool historieHadSortDatumWhenMessageShown = false;
        SchemaUpgrade(t).run([&](const QString &m) {
            shown << m;
            if (m.contains("DATE"))
                historieHadSortDatumWhenMessageShown =
                    !t.db.select("SELECT 1 FROM Historie WHERE SortDatum IS NOT NULL").empty();
        });
        QCOMPARE(shown, expectedOldMessages());
        QVERIFY(historieHadSortDatumWhenMessageShown); // the message follows the back-fill
        QCOMPARE(t.ADOQuery_Stammdaten.tag, 1);         // colours must be reset

        // Every column the upgrade adds is there, in the kind of the current schema.
        const QStringList addedColumns{
            "Aktionen.Kenner", "Aktionen.Farbe", "Historie.Aktionkenner", "Historie.SortDatum",
            "Stammdaten.Formfarbe", "Stammdaten.Tabsheetfarbe", "Stammdaten.Groupboxfarbe",
            "Stammdaten.Datensicherung", "Stammdaten.Fotossichern", "Stammdaten.DatensicherungTage",
            "Stammdaten.Sicherungspfad", "Stammdaten.Letztesicherung", "Stammdaten.Fotobearbeitung",
            "Pflanzen.Feldnummer", "Pflanzen.Vorkommen", "Pflanzen.Etikett", "Pflanzen.Düngung", "Pflanzen.Boden",
            "Pflanzen.Webseite1", "Pflanzen.Webseite2", "Pflanzen.Webseite3", "ListeallerFotos.ID",
            "ListeallerFotos.Fotoname", "ListeallerFotos.Fotodatum", "ListeallerFotos.Nr", "Etiketten.QRCode"};
        for (const QString &qualified : addedColumns) {
            const QString table = qualified.section('.', 0, 0), column = qualified.section('.', 1);
            const ColumnDef *want = Schema::table(table)->column(column);
            const auto have = t.db.columns(table);
            const auto it = std::find_if(have.begin(), have.end(), [&](const ColumnDef &c) { return c.name == column; });
            QVERIFY2(it != have.end(), qPrintable(qualified));
            QCOMPARE(it->kind, want->kind);
        }

        // Rows are kept; the plant cursor opens now.
        Table &p = t.Tab_Pflanzen_test;
        p.open();
        QCOMPARE(p.recordCount(), 2);
        p.locate("Nr", 1);
        QCOMPARE(p.text("Düngung"), QStringLiteral("alle 2 Wochen"));
        QCOMPARE(p.text("Boden"), QStringLiteral("lehmig"));

        // Back-fill: valid dates (also d.M.yyyy) carried, invalid ones left empty.
        const auto rows = t.db.select("SELECT Datum, SortDatum FROM Historie ORDER BY ID");
        QCOMPARE(rows.at(0).at(1).toString(), QStringLiteral("2012-04-12 00:00:00"));
        QVERIFY(rows.at(1).at(1).isNull());
        QVERIFY(rows.at(2).at(1).isNull());
        QCOMPARE(rows.at(3).at(1).toString(), QStringLiteral("2012-05-01 00:00:00"));

        // A second run finds nothing to do.
        shown.clear();
        t.ADOQuery_Stammdaten.tag = 0;
        SchemaUpgrade(t).run([&](const QString &m) { shown << m; });
        QVERIFY(shown.isEmpty());
        QCOMPARE(t.ADOQuery_Stammdaten.tag, 0);
    }

    void memoStepsReportInOrder_data()
    {
        QTest::addColumn<bool>("duengungText");
        QTest::addColumn<bool>("bodenText");
        QTest::addColumn<QStringList>("memoMessages");
        QTest::newRow("both text") << true << true << QStringList{"Düngung", "Boden"};
        // A failure caused by Boden alone still runs the Düngung statement and reports it.
        QTest::newRow("only Boden text") << false << true << QStringList{"Düngung", "Boden"};
        QTest::newRow("only Düngung text") << true << false << QStringList{"Düngung"};
        QTest::newRow("both memo") << false << false << QStringList{};
    }
    void memoStepsReportInOrder()
    {
        QFETCH(bool, duengungText);
        QFETCH(bool, bodenText);
        QFETCH(QStringList, memoMessages);
        DataTables t;
        t.db.openOrCreate(freshPath());
        createOldDatabase(t.db, duengungText, bodenText);
        QStringList memo;
        SchemaUpgrade(t).run([&](const QString &m) {
            if (m.contains("Memo"))
                memo << m.section('"', 3, 3);
        });
        QCOMPARE(memo, memoMessages);
        t.Tab_Pflanzen_test.open();
        QCOMPARE(t.Tab_Pflanzen_test.recordCount(), 2);
    }

    void currentDatabaseShowsNothingAndKeepsRows()
    {
        const QString path = freshPath();
        createDatabase(path);
        DataTables t;
        t.db.open(path);
        const auto before = t.db.select("SELECT count(*) FROM Aktionen");
        QStringList shown;
        SchemaUpgrade(t).run([&](const QString &m) { shown << m; });
        QVERIFY(shown.isEmpty());
        QCOMPARE(t.ADOQuery_Stammdaten.tag, 0);

        // The data steps only fill what is missing.
        StartupData::ensurePhotoDir(t, "/opt/vindel/");
        StartupData::ensureObservationAction(t);
        StartupData::completeDiary(t);
        QCOMPARE(t.db.select("SELECT Speicherpfad FROM Stammdaten").at(0).at(0).toString(),
                 QStringLiteral("/opt/vindel/Fotos/"));
        QCOMPARE(t.db.select("SELECT count(*) FROM Aktionen"), before);
        QCOMPARE(t.db.select("SELECT count(*) FROM Historie").at(0).at(0).toInt(), 0);
        StartupData::ensurePhotoDir(t, "/anders/");
        QCOMPARE(t.db.select("SELECT Speicherpfad FROM Stammdaten").at(0).at(0).toString(),
                 QStringLiteral("/opt/vindel/Fotos/"));
    }

    // A table whose pages were overwritten makes its probe fail; that is no missing column, and
    // the upgrade stops with the damage instead of "repairing" what is there.
    void damagedTableIsNotRepaired()
    {
        const QString path = freshPath();
        createDatabase(path);
        int page = 0, pageSize = 0;
        {
            Database db;
            db.open(path);
            page = db.select("SELECT rootpage FROM sqlite_master WHERE name = 'Aktionen'").at(0).at(0).toInt();
            pageSize = db.select("PRAGMA page_size").at(0).at(0).toInt();
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(qint64(page - 1) * pageSize));
        file.write(QByteArray(pageSize, '\x5a'));
        file.close();

        DataTables t;
        t.db.open(path);
        QStringList shown;
        try {
            SchemaUpgrade(t).run([&](const QString &m) { shown << m; });
            QFAIL("the damaged table must stop the upgrade");
        } catch (const DatabaseError &e) {
            QCOMPARE(e.cause(), DatabaseError::Cause::Damaged);
            QVERIFY2(e.message().startsWith("Die Datenbank ist beschädigt"), qPrintable(e.message()));
        }
        QCOMPARE(shown, QStringList());
    }

    void dataStepsCompleteAnOldDatabase()
    {
        DataTables t;
        t.db.openOrCreate(freshPath());
        createOldDatabase(t.db);
        SchemaUpgrade(t).run({});
        StartupData::ensurePhotoDir(t, "/prog/");
        StartupData::ensureObservationAction(t);
        StartupData::completeDiary(t);

        const auto action = t.db.select("SELECT Bezeichnung, Bemerkung, Farbe FROM Aktionen WHERE Kenner = '0'");
        QCOMPARE(int(action.size()), 1);
        QCOMPARE(action[0][0].toString(), QStringLiteral("Beobachtung"));
        QCOMPARE(action[0][1].toString(), QStringLiteral("Meine Beobachtung"));
        QCOMPARE(action[0][2].toString(), QStringLiteral("255"));
        StartupData::ensureObservationAction(t);
        QCOMPARE(t.db.select("SELECT count(*) FROM Aktionen WHERE Kenner = '0'").at(0).at(0).toInt(), 1);

        const auto diary = t.db.select("SELECT Datum, Aktion, Aktionkenner, Jahr FROM Historie ORDER BY ID");
        QCOMPARE(diary[0][1].toString(), QStringLiteral("Gießen")); // has an action: untouched
        QVERIFY(diary[0][2].isNull());
        for (int i : {1, 2, 3}) {
            QCOMPARE(diary[size_t(i)][1].toString(), QStringLiteral("Beobachtung"));
            QCOMPARE(diary[size_t(i)][2].toString(), QStringLiteral("0"));
        }
        QCOMPARE(diary[1][3].toString(), QString()); // 31.02.2012 is no date: year stays as it was
        QVERIFY(diary[2][3].isNull());                 // "Frühjahr 2012" neither
        QCOMPARE(diary[3][3].toString(), QStringLiteral("2012"));
        QCOMPARE(t.db.select("SELECT Speicherpfad FROM Stammdaten").at(0).at(0).toString(),
                 QStringLiteral("/prog/Fotos/"));
    }

    void newDatabaseHoldsTheRequiredRows()
    {
        const QString path = freshPath();
        createDatabase(path);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, createDatabase(path)); // never overwrites
        DataTables t;
        t.db.open(path);
        QCOMPARE(t.db.select("SELECT Namen FROM Kategorien").at(0).at(0).toString(), QStringLiteral(" Alle"));
        QCOMPARE(t.db.select("SELECT Familie, Kategorie FROM Gattung").at(0),
                 (SqlRow{QStringLiteral(" Alle"), QStringLiteral(" Alle")}));
        QCOMPARE(t.db.select("SELECT count(*) FROM Stammdaten").at(0).at(0).toInt(), 1);
        QVERIFY(t.db.select("SELECT count(*) FROM ComboboxListe").at(0).at(0).toInt() >= 5);
        for (const TableDef &def : Schema::tables()) {
            const auto have = t.db.columns(def.name);
            QCOMPARE(int(have.size()), int(def.columns.size()));
            for (size_t i = 0; i < have.size(); ++i) {
                QCOMPARE(have[i].name, def.columns[i].name);
                QCOMPARE(have[i].kind, def.columns[i].kind);
                QCOMPARE(have[i].width, def.columns[i].width);
            }
        }
        QVERIFY_THROWS_EXCEPTION(DatabaseError, t.db.open(m_dir.filePath("fehlt.mdb")));
        QVERIFY(!QFile::exists(m_dir.filePath("fehlt.mdb")));
    }

    void colourTextFallsBackToWhite_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("colour");
        QTest::newRow("empty") << "" << 0xFFFFFF;
        QTest::newRow("number") << "10484695" << 10484695;
        QTest::newRow("not a number") << "grün" << 0xFFFFFF;
        QTest::newRow("blanks") << " 255 " << 255;
    }
    void colourTextFallsBackToWhite()
    {
        QFETCH(QString, text);
        QFETCH(int, colour);
        QCOMPARE(StartupData::colourOrWhite(text), colour);
    }

    void shortDateParsing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("dd.MM.yyyy") << "01.05.2012" << QDate(2012, 5, 1);
        QTest::newRow("d.M.yyyy") << "1.5.2012" << QDate(2012, 5, 1);
        QTest::newRow("two-digit year 20xx") << "3.4.12" << QDate(2012, 4, 3);
        QTest::newRow("two-digit year 19xx") << "3.4.75" << QDate(1975, 4, 3);
        QTest::newRow("year of the program's clock") << "24.12." << QDate(2031, 12, 24);
        QTest::newRow("blanks") << " 24. 12. 2012 " << QDate(2012, 12, 24);
        QTest::newRow("with time") << "30.09.2012 18:42:17" << QDate(2012, 9, 30);
        QTest::newRow("no such day") << "31.02.2012" << QDate();
        QTest::newRow("words") << "Frühjahr 2012" << QDate();
        QTest::newRow("empty") << "" << QDate();
        QTest::newRow("month 13") << "01.13.2012" << QDate();
    }
    void shortDateParsing()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        Clock::install([] { return QDateTime(QDate(2031, 6, 15), QTime(9, 0)); });
        const auto parsed = ShortDate::parse(text);
        Clock::install({});
        QCOMPARE(parsed.value_or(QDate()), date);
        if (date.isValid())
            QCOMPARE(ShortDate::format(*parsed), date.toString("dd.MM.yyyy"));
    }
};

QTEST_GUILESS_MAIN(UpgradeTest)
#include "test_upgrade.moc"
