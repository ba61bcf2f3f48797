// Speed of the statistics page over a large catalogue, driving the real page offscreen: showing
// the page (totals and the genus chart of all plants, painted) and choosing a category.
//   build/tools/bench/bench_statistics [plants=100000] [genera=300] [categories=12]
#include "BenchPrompter.h"
#include "BenchSupport.h"
#include "data/Database.h"
#include "data/NewDatabase.h"
#include "frame/Program.h"
#include "frame/TPflanzendatenbank.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

using namespace vindel;
using namespace vindel::bench;

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int plants = argc > 1 ? std::max(1, atoi(argv[1])) : 100000;
    const int genera = argc > 2 ? std::max(1, atoi(argv[2])) : 300;
    const int categories = argc > 3 ? std::max(1, atoi(argv[3])) : 12;
    QTemporaryDir dir;
    const QString programDir = dir.path() + QStringLiteral("/");
    createDatabase(programDir + QStringLiteral("Pflanzen.mdb"));
    {
        Database db;
        db.open(programDir + QStringLiteral("Pflanzen.mdb"));
        Transaction tx(db);
        for (int c = 0; c < categories; ++c)
            db.exec(QStringLiteral("INSERT INTO Kategorien (Namen) VALUES (?)"), {QStringLiteral("Kategorie %1").arg(c)});
        for (int g = 0; g < genera; ++g)
            db.exec(QStringLiteral("INSERT INTO Gattung (Familie, Kategorie) VALUES (?, ?)"),
                    {QStringLiteral("Gattung %1").arg(g), QStringLiteral("Kategorie %1").arg(g % categories)});
        for (int i = 1; i <= plants; ++i) {
            const int g = i % genera;
            db.exec(QStringLiteral("INSERT INTO Pflanzen (ID, Nr, Namen, Familie, Kategorie) VALUES (?, ?, ?, ?, ?)"),
                    {i, i, QStringLiteral("Pflanze %1").arg(i), QStringLiteral("Gattung %1").arg(g),
                     QStringLiteral("Kategorie %1").arg(g % categories)});
        }
        tx.commit();
    }
    QuietPrompter prompter;
    Program program(prompter, programDir);
    if (!program.start() || !QTest::qWaitForWindowActive(program.mainWindow()))
        return 1;
    TPflanzendatenbank *main = program.mainWindow();

    Figures show;
    for (int i = 0; i < 7; ++i) {
        main->activatePage(QStringLiteral("TabSheet1"));
        QApplication::processEvents();
        QElapsedTimer t;
        t.start();
        main->activatePage(QStringLiteral("TabSheet8"));
        main->repaint();
        show.add(msSince(t));
    }
    std::printf("statistics page for %d plants in %d genera, shown and painted: median %.0f ms (min %.0f, max %.0f; "
                "goal < 200)\n",
                plants, genera, show.median(), show.min(), show.max());

    Table &categoryTable = program.context().tables.Tab_Kate_test;
    Figures choose;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer t;
        t.start();
        categoryTable.locate(QStringLiteral("Namen"), QStringLiteral("Kategorie %1").arg(i % categories));
        main->repaint();
        choose.add(msSince(t));
    }
    std::printf("a category chosen in its list (the catalogue follows it), chart painted: median %.0f ms (min %.0f, "
                "max %.0f)\n",
                choose.median(), choose.min(), choose.max());
    return 0;
}
