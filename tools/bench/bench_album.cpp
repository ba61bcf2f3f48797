// Speed of the photo album with camera photos, driving the real album page offscreen: the first
// screen of thumbnails before any thumbnail exists, and after a restart of the program once they
// do (kept on disk); "Aktuallisieren" over a folder of many files.
//   build/tools/bench/bench_album [photos=1000] [files to list=10000] [distinct pictures=7]
#include "BenchPrompter.h"
#include "BenchSupport.h"
#include "app/Progress.h"
#include "data/Database.h"
#include "data/NewDatabase.h"
#include "frame/Program.h"
#include "frame/TPflanzendatenbank.h"
#include "photos/AlbumGrid.h"
#include "photos/AlbumIndex.h"
#include "photos/FotoalbumPage.h"
#include "photos/PhotoServices.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace vindel;
using namespace vindel::bench;

namespace {

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

// Every cell of the first screen shows its picture.
bool firstScreenShown(AlbumGrid *grid)
{
    const AlbumGeometry::Rows rows = grid->geometry().visibleRows(grid->viewport()->height(), 0);
    for (int row = rows.first; row <= rows.last; ++row)
        for (int column = 0; column < AlbumGeometry::kColumns; ++column) {
            const int index = AlbumGeometry::index(row, column);
            if (index < grid->cells().size() && grid->shownPicture(index).isNull())
                return false;
        }
    return true;
}

// Starts the program in the folder, shows the album and returns the milliseconds until its first
// screen of thumbnails is painted.
double showAlbum(const QString &programDir, bool rebuild, int *cellsOnScreen)
{
    QuietPrompter prompter;
    Program program(prompter, programDir);
    if (!program.start() || !QTest::qWaitForWindowActive(program.mainWindow()))
        return -1;
    TPflanzendatenbank *main = program.mainWindow();
    auto *album = main->findChild<FotoalbumPage *>(QStringLiteral("TabSheet6"));
    if (rebuild) {
        NoProgress none;
        AlbumIndex::rebuild(program.context().tables, programDir + QStringLiteral("Fotos/"), none);
    }
    QElapsedTimer t;
    t.start();
    main->activatePage(QStringLiteral("TabSheet6"));
    if (!waitUntil([&] { return firstScreenShown(album->StringGrid2); }))
        return -1;
    album->StringGrid2->viewport()->repaint();
    const double ms = msSince(t);
    const AlbumGeometry::Rows rows =
        album->StringGrid2->geometry().visibleRows(album->StringGrid2->viewport()->height(), 0);
    *cellsOnScreen = (rows.last - rows.first + 1) * AlbumGeometry::kColumns;
    // The thumbnails of the photos out of sight are made meanwhile; the next start finds them.
    photoServices(program.context()).loader().waitForIdle(600000);
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    // The thumbnails the benchmark makes stay in its own folder.
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.filePath(QStringLiteral("cache"))));
    QApplication app(argc, argv);
    const int photos = argc > 1 ? std::max(1, atoi(argv[1])) : 1000;
    const int listed = argc > 2 ? std::max(1, atoi(argv[2])) : 10000;
    const int distinct = argc > 3 ? std::max(1, atoi(argv[3])) : 7;

    const QString programDir = dir.path() + QStringLiteral("/");
    const QString base = programDir + QStringLiteral("Bilder/");
    const QString folder = programDir + QStringLiteral("Fotos/");
    QDir().mkpath(base);
    QDir().mkpath(folder);
    writeCameraPictures(base, distinct);
    for (int i = 0; i < photos; ++i)
        QFile::link(base + QStringLiteral("kamera%1.JPG").arg(i % distinct),
                    folder + QStringLiteral("%1 Nr %1 Bild1 Pflanze.JPG").arg(i + 1));
    createDatabase(programDir + QStringLiteral("Pflanzen.mdb"));

    int cells = 0;
    const double cold = showAlbum(programDir, true, &cells);
    std::printf("album of %d camera photos, first screen (%d cells) before any thumbnail exists: %.0f ms\n", photos,
                cells, cold);
    Figures warm;
    for (int i = 0; i < 5; ++i)
        warm.add(showAlbum(programDir, false, &cells));
    std::printf("after a restart, thumbnails kept on disk: first screen median %.1f ms (min %.1f, max %.1f; goal < 100)\n",
                warm.median(), warm.min(), warm.max());

    // "Aktuallisieren" over a folder of many files.
    const QString many = programDir + QStringLiteral("Viele/");
    QDir().mkpath(many);
    for (int i = 0; i < listed; ++i)
        QFile::link(base + QStringLiteral("kamera0.JPG"), many + QStringLiteral("%1 Nr %1 Bild2 Viele.JPG").arg(i + 1));
    {
        Database db;
        db.open(programDir + QStringLiteral("Pflanzen.mdb"));
        db.exec(QStringLiteral("UPDATE Stammdaten SET Speicherpfad = ?"), {many});
    }
    QuietPrompter prompter;
    Program program(prompter, programDir);
    if (!program.start() || !QTest::qWaitForWindowActive(program.mainWindow()))
        return 1;
    auto *album = program.mainWindow()->findChild<FotoalbumPage *>(QStringLiteral("TabSheet6"));
    Figures rebuild;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer t;
        t.start();
        album->BitBtn38Click();
        rebuild.add(msSince(t));
    }
    std::printf("\"Aktuallisieren\" over %d files: median %.0f ms (min %.0f, max %.0f; goal < 2000)\n", listed,
                rebuild.median(), rebuild.min(), rebuild.max());
    return 0;
}
