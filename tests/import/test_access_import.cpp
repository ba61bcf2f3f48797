// The Access import against files of three program generations: every table, column and row as
// the expected listing says, the schema upgrade that follows, the photo folder, and a write that
// fails half-way.
#include "data/DataTables.h"
#include "data/Database.h"
#include "data/SchemaUpgrade.h"
#include "import/AccessReader.h"
#include "import/ImportError.h"
#include "import/ImportWriter.h"
#include "import/LegacyImport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using namespace vindel;

namespace {

QString fixture(const QString &name) { return QStringLiteral(VINDEL_TEST_DATA "/access/") + name; }

struct ExpectedTable {
    QString name;
    std::vector<ColumnDef> columns;
    std::vector<QJsonObject> rows;
};

std::vector<ExpectedTable> readExpected(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    std::vector<ExpectedTable> tables;
    while (!f.atEnd()) {
        const QByteArray line = f.readLine().trimmed();
        if (line.isEmpty())
            continue;
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        const QString table = o.value("table").toString();
        if (o.contains("columns")) {
            ExpectedTable t{table, {}, {}};
            for (const QJsonValue &cv : o.value("columns").toArray()) {
                const QJsonObject c = cv.toObject();
                const QString kind = c.value("kind").toString();
                ColumnDef def{c.value("name").toString(), ColumnKind::Text, 0};
                if (kind == "autonumber")
                    def.kind = ColumnKind::AutoNumber;
                else if (kind == "long")
                    def.kind = ColumnKind::Integer;
                else if (kind == "memo")
                    def.kind = ColumnKind::Memo;
                else if (kind == "datetime")
                    def.kind = ColumnKind::DateTime;
                else if (kind == "yesno")
                    def.kind = ColumnKind::YesNo;
                else
                    def.width = c.value("width").toInt();
                t.columns.push_back(def);
            }
            tables.push_back(t);
        } else {
            if (tables.empty() || tables.back().name != table)
                qFatal("row before its table in %s", qPrintable(path));
            tables.back().rows.push_back(o.value("row").toObject());
        }
    }
    return tables;
}

// Empty when the stored value is what the listing says.
QString difference(const QVariant &stored, const QJsonValue &expected)
{
    auto show = [&] {
        return QStringLiteral("stored %1 chars \"%2\" (%3)")
            .arg(stored.toString().size())
            .arg(stored.toString().left(60), stored.typeName());
    };
    if (expected.isNull())
        return stored.isValid() ? show() + ", expected NULL" : QString();
    if (!stored.isValid())
        return QStringLiteral("stored NULL, expected %1").arg(expected.toVariant().toString().left(60));
    if (expected.isBool())
        return stored.typeId() == QMetaType::LongLong && stored.toLongLong() == (expected.toBool() ? 1 : 0)
                   ? QString()
                   : show() + ", expected yes/no " + (expected.toBool() ? "1" : "0");
    if (expected.isDouble())
        return stored.typeId() == QMetaType::LongLong && stored.toLongLong() == expected.toInteger()
                   ? QString()
                   : show() + QStringLiteral(", expected %1").arg(expected.toInteger());
    const QString text = expected.toString();
    if (stored.typeId() != QMetaType::QString)
        return show() + ", expected text";
    if (stored.toString() != text)
        return show() + QStringLiteral(", expected %1 chars \"%2\"").arg(text.size()).arg(text.left(60));
    return QString();
}

QString describe(const ColumnDef &c)
{
    static const char *kinds[] = {"autonumber", "integer", "text", "memo", "datetime", "yesno"};
    return QStringLiteral("%1 %2(%3)").arg(c.name, kinds[int(c.kind)]).arg(c.width);
}

QStringList messagesFor(const QString &version)
{
    const QString v3 = "Neue Software - Version 3.0\n\nTabelle \"%1\" hat das Feld \"%2\" bekommen ";
    const QString v4 = "Neue Software - Version 4.0\n\nTabelle \"%1\" hat das Feld \"%2\" bekommen ";
    QStringList m;
    if (version == "v2") {
        m << "Neue Software - Version 3.0 \n\nTabelle \"Aktionen\" hat das Feld \"Kenner\" bekommen ";
        m << v3.arg("Aktionen", "Farbe") << v3.arg("Historie", "Aktionkenner");
        for (const char *c : {"Formfarbe", "Tabsheetfarbe", "Groupboxfarbe", "Datensicherung", "Fotossichern",
                              "DatensicherungTage", "Sicherungspfad", "Letztesicherung"})
            m << v3.arg("Stammdaten", c);
        for (const char *c : {"Feldnummer", "Vorkommen", "Etikett"})
            m << v3.arg("Pflanzen", c);
        m << "Neue Software - Version \n\nTabelle \"ListeallerFotos\" wurde erstellt ";
        m << QString::fromUtf8("Neue Software - Version 3.0\n\nTabelle \"Pflanzen\" hat das Feld \"Düngung\" im Typ "
                               "auf Memo geändert ");
        m << QString::fromUtf8("Neue Software - Version 3.0\n\nTabelle \"Pflanzen\" hat das Feld \"Boden\" im Typ "
                               "auf Memo geändert ");
    }
    if (version == "v2" || version == "v3") {
        for (const char *c : {"Webseite1", "Webseite2", "Webseite3"})
            m << v4.arg("Pflanzen", c);
        m << v4.arg("Stammdaten", "Fotobearbeitung");
        m << QString::fromUtf8("Neue Software - Version 4.0\n\nTabelle \"Historie\" hat das Feld \"Datum\" im Typ "
                               "auf DATE geändert ");
    }
    return m;
}

// Gives two good rows of one table and then fails, as a damaged file would mid-way.
class FailingSource : public ImportSource {
public:
    std::vector<ImportTable> tables() override
    {
        ImportTable t;
        t.def = {"Kategorien", {{"ID", ColumnKind::AutoNumber, 0}, {"Namen", ColumnKind::Text, 50}}};
        return {t};
    }
    void readRows(const ImportTable &, const std::function<void(const SqlRow &)> &row) override
    {
        row({qint64(1), QString(" Alle")});
        row({qint64(2), QString("Stauden")});
        throw ImportError("Datensatz 3 unlesbar");
    }
};

} // namespace

class AccessImportTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString imported(const QString &version)
    {
        const QString target = m_dir.filePath("import-" + version + ".sqlite");
        QFile::remove(target);
        importAccessFile(fixture("pflanzen-" + version + ".mdb"), target);
        return target;
    }

private slots:
    void everyTableColumnAndRow_data()
    {
        QTest::addColumn<QString>("version");
        QTest::newRow("before 3.0") << "v2";
        QTest::newRow("3.0") << "v3";
        QTest::newRow("current") << "v4";
    }
    void everyTableColumnAndRow()
    {
        QFETCH(QString, version);
        const std::vector<ExpectedTable> expected = readExpected(fixture("pflanzen-" + version + ".expected.jsonl"));
        Database db;
        db.open(imported(version));

        QStringList expectedNames, storedNames;
        for (const ExpectedTable &t : expected)
            expectedNames << t.name;
        for (const SqlRow &r :
             db.select("SELECT name FROM sqlite_master WHERE type='table' AND name <> 'sqlite_sequence' ORDER BY rowid"))
            storedNames << r[0].toString();
        QCOMPARE(storedNames, expectedNames);

        QStringList differences;
        for (const ExpectedTable &t : expected) {
            QStringList want, got, names;
            for (const ColumnDef &c : t.columns) {
                want << describe(c);
                names << Schema::quoteIdentifier(c.name);
            }
            for (const ColumnDef &c : db.columns(t.name))
                got << describe(c);
            QCOMPARE(got, want);

            const auto rows =
                db.select("SELECT " + names.join(", ") + " FROM " + Schema::quoteIdentifier(t.name) + " ORDER BY rowid");
            QCOMPARE(rows.size(), t.rows.size());
            for (size_t r = 0; r < rows.size(); ++r)
                for (size_t c = 0; c < t.columns.size(); ++c) {
                    const QString d = difference(rows[r][c], t.rows[r].value(t.columns[c].name));
                    if (!d.isEmpty())
                        differences << QStringLiteral("%1 row %2 %3: %4").arg(t.name).arg(r + 1).arg(t.columns[c].name, d);
                }
        }
        QVERIFY2(differences.isEmpty(), qPrintable(differences.mid(0, 20).join('\n')));
    }

    void autoNumbersContinueAfterTheHighest()
    {
        Database db;
        db.open(imported("v2"));
        // Plants 1 and 5 were deleted; the stored numbers stay, new rows go on after 14.
        QCOMPARE(db.select("SELECT count(*), max(ID) FROM Pflanzen")[0], (SqlRow{qint64(12), qint64(14)}));
        db.exec("INSERT INTO Pflanzen (Nr, Namen) VALUES (13, 'Neu')");
        QCOMPARE(db.lastInsertId(), qint64(15));
        db.exec("INSERT INTO Historie (PflanzenID, Datum) VALUES ('13', '01.05.2013')");
        QCOMPARE(db.lastInsertId(), qint64(39));
        QCOMPARE(db.select("SELECT count(*) FROM Pflanzen WHERE ID IN (1, 5)")[0][0].toLongLong(), qint64(0));
    }

    void upgradeMessagesAfterImport_data()
    {
        QTest::addColumn<QString>("version");
        QTest::newRow("before 3.0: 22 steps repair") << "v2";
        QTest::newRow("3.0: the 4.0 steps repair") << "v3";
        QTest::newRow("current: nothing to say") << "v4";
    }
    void upgradeMessagesAfterImport()
    {
        QFETCH(QString, version);
        DataTables t;
        t.db.open(imported(version));
        QStringList shown;
        SchemaUpgrade(t).run([&](const QString &m) { shown << m; });
        QCOMPARE(shown, messagesFor(version));

        // Brought up to date, the plant cursor opens with its fixed columns and finds every plant.
        t.Tab_Pflanzen_test.open();
        QCOMPARE(t.Tab_Pflanzen_test.recordCount(), 12);
        QStringList again;
        SchemaUpgrade(t).run([&](const QString &m) { again << m; });
        QVERIFY(again.isEmpty());
    }

    void windowsPhotoFolderIsReplaced_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("windows");
        QTest::newRow("drive and backslashes") << "C:\\Programme\\Pflanzen\\Fotos\\" << true;
        QTest::newRow("drive, forward slashes") << "D:/Fotos/" << true;
        QTest::newRow("network share") << "\\\\server\\fotos" << true;
        QTest::newRow("Linux folder") << "/home/gaertner/Fotos/" << false;
        QTest::newRow("empty (start-up fills it)") << "" << false;
    }
    void windowsPhotoFolderIsReplaced()
    {
        QFETCH(QString, folder);
        QFETCH(bool, windows);
        QCOMPARE(LegacyImport::isWindowsPath(folder), windows);

        Database db;
        db.open(imported("v4"));
        QCOMPARE(db.select("SELECT Speicherpfad FROM Stammdaten")[0][0].toString(),
                 QString("C:\\Programme\\Pflanzen\\Fotos\\"));
        db.exec("UPDATE Stammdaten SET Speicherpfad = ?", {folder});
        const QString programDir = m_dir.path() + "/";
        const LegacyImport::PhotoFolderChange change = LegacyImport::replaceWindowsPhotoFolder(db, programDir);
        QCOMPARE(change.replaced, windows);
        const QString now = db.select("SELECT Speicherpfad FROM Stammdaten")[0][0].toString();
        if (windows) {
            QCOMPARE(change.oldFolder, folder);
            QCOMPARE(change.newFolder, programDir + "Fotos/");
            QCOMPARE(now, programDir + "Fotos/");
        } else {
            QCOMPARE(now, folder);
        }
        // Only that column changes.
        QCOMPARE(db.select("SELECT Nachname, \"Straße\" FROM Stammdaten")[0][1].toString(),
                 QString::fromUtf8("Gartenstraße 5"));
    }

    void failedWriteLeavesNothingBehind()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath("Pflanzen.mdb.neu");
        FailingSource source;
        QVERIFY_THROWS_EXCEPTION(ImportError, writeDatabase(source, target));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());

        // An older file at the target stays as it was.
        {
            QFile old(target);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("vorher");
        }
        QVERIFY_THROWS_EXCEPTION(ImportError, writeDatabase(source, target));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Pflanzen.mdb.neu"});
        QFile old(target);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("vorher"));
    }
};

QTEST_GUILESS_MAIN(AccessImportTest)
#include "test_access_import.moc"
