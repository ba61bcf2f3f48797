// Start-up of the program on a large catalogue, until the main window is active.
//   build/tools/bench/bench_startup make FOLDER [plants=100000] [diary entries per plant=5]
//   build/tools/bench/bench_startup FOLDER        prints the time from creating the windows until
//                                                the main window is active, then ends
#include "BenchSupport.h"
#include "BenchPrompter.h"
#include "data/Database.h"
#include "data/NewDatabase.h"
#include "frame/Program.h"
#include "frame/TPflanzendatenbank.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>

using namespace vindel;
using namespace vindel::bench;

namespace {


void makeCatalogue(const QString &folder, int plants, int perPlant)
{
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/Pflanzen.mdb");
    QFile::remove(path);
    createDatabase(path);
    Database db;
    db.open(path);
    Transaction tx(db);
    const char *categories[] = {"Stauden", "Kübelpflanzen", "Gräser", "Sukkulenten", "Kakteen", "Farne"};
    for (const char *c : categories)
        db.exec(QStringLiteral("INSERT INTO Kategorien (Namen) VALUES (?)"), {QString::fromUtf8(c)});
    for (int g = 0; g < 300; ++g)
        db.exec(QStringLiteral("INSERT INTO Gattung (Familie, Kategorie) VALUES (?, ?)"),
                {QStringLiteral("Gattung %1").arg(g), QString::fromUtf8(categories[g % 6])});
    for (int p = 0; p < plants; ++p)
        db.exec(QStringLiteral("INSERT INTO Pflanzen (Nr, Namen, Kategorie, Familie, Art, Mundart, Beschreibung, "
                               "Nummeriert, Beschriftet) VALUES (?, ?, ?, ?, 'art', 'mundartlich', ?, 'Ja', 'Nein')"),
                {p + 1, QStringLiteral("Pflanze %1").arg(p, 6, 10, QLatin1Char('0')),
                 QString::fromUtf8(categories[p % 6]), QStringLiteral("Gattung %1").arg(p % 300),
                 QStringLiteral("Eine Beschreibung mit etwas Text, wie sie Gärtner schreiben.")});
    for (int e = 0; e < plants * perPlant; ++e)
        db.exec(QStringLiteral("INSERT INTO Historie (PflanzenID, Datum, SortDatum, Aktion, Aktionkenner, Jahr, "
                               "Inhalt1) VALUES (?, '01.05.2024', '2024-05-01 00:00:00', 'Gießen', '1', '2024', ?)"),
                {QString::number(e % plants + 1), QStringLiteral("Eintrag %1: gegossen").arg(e)});
    tx.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 2 && QLatin1String(argv[1]) == QLatin1String("make")) {
        makeCatalogue(QString::fromLocal8Bit(argv[2]), argc > 3 ? std::atoi(argv[3]) : 100000,
                      argc > 4 ? std::atoi(argv[4]) : 5);
        return 0;
    }
    if (argc < 2) {
        std::fprintf(stderr, "bench_startup make FOLDER [plants] [entries per plant] | bench_startup FOLDER\n");
        return 2;
    }
    QuietPrompter prompter;
    QElapsedTimer t;
    t.start();
    Program program(prompter, QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + QStringLiteral("/"));
    if (!program.start() || !QTest::qWaitForWindowActive(program.mainWindow())) {
        std::fprintf(stderr, "the program did not start\n");
        return 1;
    }
    std::printf("start-up until the main window is active: %.0f ms\n", t.nsecsElapsed() / 1e6);
    return 0;
}
