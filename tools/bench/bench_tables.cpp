// Speed of the table cursors on large catalogues: opening, one search keystroke, bulk appends.
//   build/tools/bench/bench_tables [plants=100000]       the whole report
//   build/tools/bench/bench_tables make FILE [plants] [diary entries per plant]
//                                                         writes a catalogue of that many plants
//   build/tools/bench/bench_tables open FILE [TABLE]      opens the plant cursor (or the table's)
//                                                         once, for timing the whole process
//                                                         against a plain read:
//                                                         sqlite3 FILE "SELECT * FROM Pflanzen"
#include "data/DataTables.h"
#include "data/NewDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace vindel;

namespace {

const char *kCategories[] = {"Stauden", "Kübelpflanzen", "Gräser", "Sukkulenten", "Kakteen", "Farne"};
const char *kSyllables[] = {"ro", "sa", "al", "oe", "mi", "ta", "pe", "lar", "go", "ni", "um", "ka", "ve", "ra"};

QString plantName(int i)
{
    QString s;
    for (int k = 0, v = i * 7919 + 13; k < 3; ++k, v /= 14)
        s += QString::fromUtf8(kSyllables[v % 14]);
    s[0] = s[0].toUpper();
    return s + QStringLiteral(" var. %1").arg(i);
}

void fillPlants(Database &db, int count)
{
    Transaction tx(db);
    for (int i = 1; i <= count; ++i)
        db.exec(QStringLiteral("INSERT INTO Pflanzen (Nr, Namen, Kategorie, Familie, Art, Beschreibung, Herkunft, "
                               "Bild1) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                {i, plantName(i), QString::fromUtf8(kCategories[i % 6]), plantName(i / 10).section(' ', 0, 0),
                 QStringLiteral("art"), QStringLiteral("Eine Beschreibung mit etwas Text, wie sie Gärtner schreiben."),
                 QStringLiteral("Gärtnerei"), QStringLiteral("%1 Nr %1 Bild1 x.JPG").arg(i)});
    tx.commit();
}

double msSince(const QElapsedTimer &t) { return t.nsecsElapsed() / 1e6; }

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("make") && argc > 2) {
        const QString path = QString::fromLocal8Bit(argv[2]);
        QFile::remove(path);
        createDatabase(path);
        Database db;
        db.open(path);
        const int plants = argc > 3 ? std::atoi(argv[3]) : 100000;
        fillPlants(db, plants);
        const int perPlant = argc > 4 ? std::atoi(argv[4]) : 0;
        Transaction tx(db);
        for (int e = 0; e < plants * perPlant; ++e)
            db.exec(QStringLiteral("INSERT INTO Historie (PflanzenID, Datum, SortDatum, Aktion, Aktionkenner, Jahr, "
                                   "Inhalt1) VALUES (?, '01.05.2024', '2024-05-01 00:00:00', 'Gießen', '1', '2024', ?)"),
                    {QString::number(e % plants + 1), QStringLiteral("Eintrag %1: gegossen und gedüngt").arg(e)});
        tx.commit();
        return 0;
    }
    if (mode == QLatin1String("open") && argc > 2) {
        DataTables t;
        t.db.open(QString::fromLocal8Bit(argv[2]));
        Table &table = argc > 3 && QLatin1String(argv[3]) == QLatin1String("Historie") ? t.Tab_Historie
                                                                                        : t.Tab_Pflanzen_test;
        table.open();
        return table.recordCount() > 0 ? 0 : 1;
    }
    if (mode == QLatin1String("search") && argc > 2) {
        // Keystrokes into the search box over and over; prints the median.
        DataTables t;
        t.db.open(QString::fromLocal8Bit(argv[2]));
        Table &p = t.Tab_Pflanzen_test;
        p.open();
        p.setIndexFieldNames(QStringLiteral("Namen"));
        std::vector<double> times;
        const QString typed[] = {QStringLiteral("T"), QStringLiteral("Ta"), QStringLiteral("Tam"), QStringLiteral("Ta"),
                                 QStringLiteral("T"), QString()};
        QElapsedTimer timer;
        for (int round = 0; round < 20; ++round)
            for (const QString &s : typed) {
                timer.restart();
                p.setFilter(QStringLiteral("(Kategorie LIKE 'Stauden*') AND (Namen  LIKE %1)").arg(filterQuoted(s + "*")));
                p.setFiltered(true);
                p.first();
                times.push_back(msSince(timer));
            }
        std::sort(times.begin(), times.end());
        std::printf("search keystroke, %d plants: median %.2f ms, max %.2f ms\n", int(p.recordCount()),
                    times[times.size() / 2], times.back());
        return 0;
    }
    const int large = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir dir;

    for (int count : {10000, large}) {
        const QString path = dir.filePath(QStringLiteral("p%1.mdb").arg(count));
        createDatabase(path);
        {
            Database db;
            db.open(path);
            fillPlants(db, count);
        }
        DataTables t;
        t.db.open(path);
        QElapsedTimer timer;
        timer.start();
        t.Tab_Pflanzen_test.open();
        std::printf("open Tab_Pflanzen_test, %6d plants: %8.1f ms\n", count, msSince(timer));

        Table &p = t.Tab_Pflanzen_test;
        p.setIndexFieldNames(QStringLiteral("Namen"));
        // The search box types "R", "Ro", "Ros": each keystroke sets a new filter.
        const QString prefix[] = {QStringLiteral("T"), QStringLiteral("Ta"), QStringLiteral("Tam"), QStringLiteral("Ta"),
                                  QStringLiteral("T")};
        std::printf("search keystrokes (filter + sorted view), %6d plants:", count);
        for (const QString &s : prefix) {
            timer.restart();
            p.setFilter(QStringLiteral("(Kategorie LIKE 'Stauden*') AND (Namen  LIKE %1)").arg(filterQuoted(s + "*")));
            p.setFiltered(true);
            p.first();
            std::printf(" %s %.2f ms (%d found);", qPrintable(s), msSince(timer), p.recordCount());
        }
        std::printf("\n");
        timer.restart();
        p.setFilter(QStringLiteral("(Namen  LIKE '*lar*')"));
        std::printf("contains search, %6d plants: %8.2f ms, %d found\n", count, msSince(timer), p.recordCount());
    }

    {
        const QString path = dir.filePath(QStringLiteral("h.mdb"));
        createDatabase(path);
        DataTables t;
        t.db.open(path);
        Table &h = t.Tab_Historie;
        h.open();
        QElapsedTimer timer;
        timer.start();
        Transaction tx(t.db);
        for (int i = 0; i < 10000; ++i) {
            h.append();
            h.setValue(QStringLiteral("PflanzenID"), QString::number(i % 500 + 1));
            h.setValue(QStringLiteral("Datum"), QStringLiteral("01.05.2012"));
            h.setValue(QStringLiteral("SortDatum"), QStringLiteral("01.05.2012"));
            h.setValue(QStringLiteral("Aktion"), QStringLiteral("Gießen"));
            h.setValue(QStringLiteral("Aktionkenner"), QStringLiteral("1"));
            h.setValue(QStringLiteral("Jahr"), QStringLiteral("2012"));
            h.post();
        }
        tx.commit();
        std::printf("10000 appends to Historie in one transaction: %8.1f ms\n", msSince(timer));
    }
    return 0;
}
