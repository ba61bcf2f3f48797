// Speed of the diary, driving the real windows offscreen: the diary page of a plant with many
// entries (photos arriving after), the year calendar of that plant, and "Start" of the action
// window over a selection of many plants.
//   build/tools/bench/bench_diary [plants=10000] [entries of the plant=1000] [other entries=200000]
#include "BenchPrompter.h"
#include "BenchSupport.h"
#include "data/Database.h"
#include "data/NewDatabase.h"
#include "diary/CalendarGrid.h"
#include "diary/DiaryGrid.h"
#include "diary/TAktionen.h"
#include "diary/TKalender.h"
#include "diary/TagebuchPage.h"
#include "frame/Program.h"
#include "frame/TPflanzendatenbank.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace vindel;
using namespace vindel::bench;

namespace {

void makeCatalogue(const QString &programDir, int plants, int entries, int others)
{
    const QString folder = programDir + QStringLiteral("Fotos/");
    QDir().mkpath(folder);
    // A few photos the entries of plant 1 name in turn.
    for (int i = 0; i < 5; ++i) {
        QFile f(folder + QStringLiteral("foto%1.JPG").arg(i));
        f.open(QIODevice::WriteOnly);
        cameraLike(1600, 1200, quint32(i + 1)).save(&f, "JPEG", 90);
    }
    createDatabase(programDir + QStringLiteral("Pflanzen.mdb"));
    Database db;
    db.open(programDir + QStringLiteral("Pflanzen.mdb"));
    Transaction tx(db);
    db.exec(QStringLiteral("UPDATE Stammdaten SET Speicherpfad = ?"), {folder});
    db.exec(QStringLiteral("INSERT INTO Aktionen (Kenner, Bezeichnung, Bemerkung, Farbe) VALUES ('1', 'Gießen', '', '255')"));
    for (int i = 1; i <= plants; ++i)
        db.exec(QStringLiteral("INSERT INTO Pflanzen (ID, Nr, Namen, Kategorie, Familie) VALUES (?, ?, ?, 'Stauden', 'Iris')"),
                {i, i, QStringLiteral("Pflanze %1").arg(i, 5, 10, QLatin1Char('0'))});
    auto entry = [&](int plant, int n, const QString &photo) {
        const QDate day = QDate(2024, 1, 1).addDays(n % 366);
        db.exec(QStringLiteral("INSERT INTO Historie (PflanzenID, Datum, SortDatum, Inhalt1, Aktion, Aktionkenner, Jahr, "
                               "Bild) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                {QString::number(plant), day.toString(QStringLiteral("dd.MM.yyyy")),
                 day.toString(QStringLiteral("yyyy-MM-dd 00:00:00")), QStringLiteral("Eintrag %1\nzweite Zeile").arg(n),
                 n % 3 ? QStringLiteral("Gießen") : QStringLiteral("Beobachtung"), n % 3 ? QStringLiteral("1") : QStringLiteral("0"),
                 QStringLiteral("2024"), photo});
    };
    for (int n = 0; n < entries; ++n)
        entry(1, n, QStringLiteral("foto%1.JPG").arg(n % 5));
    for (int n = 0; n < others; ++n)
        entry(2 + n % (plants - 1), n, QString());
    tx.commit();
}

bool waitUntil(const std::function<bool()> &done, int timeoutMs = 60000)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 2);
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.filePath(QStringLiteral("cache"))));
    QApplication app(argc, argv);
    const int plants = argc > 1 ? std::max(2, atoi(argv[1])) : 10000;
    const int entries = argc > 2 ? std::max(1, atoi(argv[2])) : 1000;
    const int others = argc > 3 ? std::max(0, atoi(argv[3])) : 200000;
    const QString programDir = dir.path() + QStringLiteral("/");
    makeCatalogue(programDir, plants, entries, others);

    QuietPrompter prompter;
    Program program(prompter, programDir);
    if (!program.start() || !QTest::qWaitForWindowActive(program.mainWindow()))
        return 1;
    TPflanzendatenbank *main = program.mainWindow();
    DataTables &t = program.context().tables;
    t.Tab_Pflanzen_test.locate(QStringLiteral("Nr"), 1);
    auto *diary = main->findChild<TagebuchPage *>(QStringLiteral("TabSheet3"));

    // The diary page: from the click on its tab until its grid is filled and painted; the photos
    // of the rows in sight come after.
    Figures page, photos;
    for (int i = 0; i < 7; ++i) {
        main->activatePage(QStringLiteral("TabSheet1"));
        QElapsedTimer t0;
        t0.start();
        main->activatePage(QStringLiteral("TabSheet3"));
        diary->StringGrid1->viewport()->repaint();
        page.add(msSince(t0));
        waitUntil([&] { return !diary->StringGrid1->shownPicture(1).isNull(); });
        photos.add(msSince(t0));
    }
    std::printf("diary page of a plant with %d entries (%d entries in all): median %.1f ms (min %.1f, max %.1f; goal < 50); "
                "first photo after %.0f ms\n",
                diary->StringGrid1->gridRowCount() - 1, entries + others, page.median(), page.min(), page.max(),
                photos.median());

    // The year calendar of that plant.
    auto *calendar = program.context().window<TKalender>();
    calendar->showOver(main);
    Figures build;
    for (int i = 0; i < 9; ++i) {
        QElapsedTimer t0;
        t0.start();
        calendar->build();
        calendar->StringGrid1->repaint();
        build.add(msSince(t0));
    }
    calendar->BitBtn1Click();
    std::printf("year calendar of that plant: median %.1f ms (min %.1f, max %.1f; goal < 20)\n", build.median(),
                build.min(), build.max());

    // "Start" over every plant of the catalogue.
    main->activatePage(QStringLiteral("TabSheet1"));
    auto *actions = program.context().window<TAktionen>();
    Figures start;
    for (int i = 0; i < 5; ++i) {
        actions->showOver(main);
        QElapsedTimer t0;
        t0.start();
        actions->BitBtn2->click();
        start.add(msSince(t0));
        actions->BitBtn3Click();
    }
    std::printf("\"Start\" for %d plants: median %.0f ms (min %.0f, max %.0f; goal < 1000)\n",
                t.Tab_Pflanzen_test.recordCount(), start.median(), start.min(), start.max());
    return 0;
}
