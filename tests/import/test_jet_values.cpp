// Jet values as the importer turns them into ours: dates, Jet 4 and Jet 3 text, the header check.
#include "import/JetFile.h"
#include "import/JetValues.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vindel;

class JetValuesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A local time that a switch to summer time skips must come through unchanged.
        qputenv("TZ", "Europe/Berlin");
    }

    void dates_data()
    {
        QTest::addColumn<double>("days");
        QTest::addColumn<QString>("stored");
        QTest::newRow("day zero") << 0.0 << "1899-12-30 00:00:00";
        QTest::newRow("noon of day one") << 1.5 << "1899-12-31 12:00:00";
        QTest::newRow("with seconds") << 41182.779363425926 << "2012-09-30 18:42:17";
        // Before the epoch the whole part counts back, the fraction still forward from midnight.
        QTest::newRow("before 1899-12-30") << -1.25 << "1899-12-29 06:00:00";
        QTest::newRow("half day before epoch") << -0.5 << "1899-12-30 12:00:00";
        QTest::newRow("1850") << -18262.75 << "1849-12-30 18:00:00";
        QTest::newRow("year 100") << -657434.0 << "0100-01-01 00:00:00";
        QTest::newRow("rounds up to next day") << 40000.9999999999 << "2009-07-07 00:00:00";
        QTest::newRow("skipped by summer time") << 40993.1041666667 << "2012-03-25 02:30:00";
    }
    void dates()
    {
        QFETCH(double, days);
        QFETCH(QString, stored);
        const std::optional<QString> got = JetValues::dateTimeToStorage(days);
        QVERIFY(got.has_value());
        QCOMPARE(*got, stored);
    }

    void datesOutOfRange()
    {
        QVERIFY(!JetValues::dateTimeToStorage(std::numeric_limits<double>::quiet_NaN()));
        QVERIFY(!JetValues::dateTimeToStorage(std::numeric_limits<double>::infinity()));
        QVERIFY(!JetValues::dateTimeToStorage(1e12));
        QVERIFY(!JetValues::dateTimeToStorage(-700000.0));
    }

    void jet4Text_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("UCS-2") << QByteArray("G\0\xe4\0r\0t\0n\0e\0r\0", 14) << QString::fromUtf8("Gärtner");
        QTest::newRow("compressed") << QByteArray("\xff\xfe" "Abc", 5) << "Abc";
        QTest::newRow("compressed, switching for the euro sign")
            << QByteArray("\xff\xfe" "5 \0\xac\x20\0!", 9) << QString::fromUtf8("5 €!");
        QTest::newRow("outside the BMP") << QByteArray("\x3c\xd8\x31\xdf", 4) << QString::fromUtf8("🌱");
        QTest::newRow("CR LF and quotes") << QByteArray("\xff\xfe\"a\"\r\nb", 9) << "\"a\"\r\nb";
    }
    void jet4Text()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(JetValues::decodeJet4Text(bytes.constData(), bytes.size()), text);
    }

    void emptyTextIsNotNull()
    {
        QVERIFY(!JetValues::decodeJet4Text("", 0).isNull());
        QVERIFY(!JetValues::decodeJet4Text("\xff\xfe", 2).isNull());
        JetValues::CodePageDecoder cp(1252);
        QVERIFY(!cp.decode(QByteArray()).isNull());
    }

    void codePages_data()
    {
        QTest::addColumn<int>("codePage");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("1252") << 1252 << QByteArray("Gie\xdf" "en, D\xfcngen \x80 \xc4") << QString::fromUtf8("Gießen, Düngen € Ä");
        QTest::newRow("850 (DOS)") << 850 << QByteArray("\x84\x94\x81\xe1\x8e") << QString::fromUtf8("äöüßÄ");
        QTest::newRow("1250") << 1250 << QByteArray("\x9a\xe8") << QString::fromUtf8("šč");
        QTest::newRow("1251") << 1251 << QByteArray("\xc0\xe1") << QString::fromUtf8("Аб");
        QTest::newRow("byte 1252 leaves undefined") << 1252 << QByteArray("a\x81z") << QString::fromUtf8("a\u0081z");
        QTest::newRow("unknown code page reads as 1252") << 0 << QByteArray("\xfc") << QString::fromUtf8("ü");
    }
    void codePages()
    {
        QFETCH(int, codePage);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        JetValues::CodePageDecoder decoder(codePage);
        QCOMPARE(decoder.decode(bytes), text);
        QCOMPARE(decoder.decode(bytes), text); // the converter is reused from a clean state
    }

    void header()
    {
        QVERIFY(JetFile::hasJetHeader(QByteArray("\0\1\0\0Standard Jet DB\0", 20)));
        QVERIFY(JetFile::hasJetHeader(QByteArray("\0\1\0\0Standard ACE DB\0", 20)));
        QVERIFY(!JetFile::hasJetHeader(QByteArray("SQLite format 3\0", 16)));
        QVERIFY(!JetFile::hasJetHeader(QByteArray("\0\1\0\0Standard Jet", 16)));

        QVERIFY(JetFile::isJetDatabase(QStringLiteral(VINDEL_TEST_DATA "/access/pflanzen-v2.mdb")));
        QTemporaryDir dir;
        const QString renamed = dir.filePath("Pflanzen.sqlite");
        QVERIFY(QFile::copy(QStringLiteral(VINDEL_TEST_DATA "/access/pflanzen-v2.mdb"), renamed));
        QVERIFY(JetFile::isJetDatabase(renamed)); // the header tells, not the name
        QVERIFY(!JetFile::isJetDatabase(dir.filePath("missing.mdb")));
    }
};

QTEST_GUILESS_MAIN(JetValuesTest)
#include "test_jet_values.moc"
