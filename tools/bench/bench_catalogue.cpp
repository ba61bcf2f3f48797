// Speed of the catalogue browser with camera photos, driving the real main view offscreen:
// click -> plant text shown, seven cached photos, seven uncached photos until all are shown, and
// the Down key held over 50 plants with photos (what is queued and decoded meanwhile).
//   build/tools/bench/bench_catalogue [distinct pictures=14] [plants=1000] [startup|search]
// With "startup" it ends once the main window is active; with "search" only the search box is
// measured.
#include "BenchSupport.h"
#include "app/DataGrid.h"
#include "BenchPrompter.h"
#include "frame/Program.h"
#include "frame/TPflanzendatenbank.h"
#include "catalogue/HauptansichtPage.h"
#include "photos/PhotoView.h"
#include "data/Database.h"
#include "data/NewDatabase.h"
#include "photos/PlantPhotoSlots.h"
#include "photos/ThumbnailLoader.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace vindel;
using namespace vindel::bench;

namespace {

constexpr int kPhotoPlants = 120; // plants with seven photos each
constexpr int kHeld = 50;         // plants passed with the Down key held


// Runs the event loop, sleeping between events, until the condition holds.
bool waitUntil(const std::function<bool()> &done, int timeoutMs = 20000)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

QString plantName(int i) { return QStringLiteral("Foto-Pflanze %1").arg(i, 3, 10, QLatin1Char('0')); }

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int distinct = argc > 1 ? qBound(7, atoi(argv[1]), 350) : 14;
    const int plants = argc > 2 ? qBound(kPhotoPlants, atoi(argv[2]), 100000) : 1000;

    QTemporaryDir dir;
    const QString programDir = dir.path() + QStringLiteral("/");
    const QString base = programDir + QStringLiteral("Bilder/");
    const QString photos = programDir + QStringLiteral("Fotos/");
    QDir().mkpath(base);
    QDir().mkpath(photos);

    writeCameraPictures(base, distinct);
    QElapsedTimer t;
    t.start();

    // The catalogue: plants with seven photos each (every slot a file of its own name, linked to
    // one of the pictures), the rest without photos, and a diary.
    createDatabase(programDir + QStringLiteral("Pflanzen.mdb"));
    {
        Database db;
        db.open(programDir + QStringLiteral("Pflanzen.mdb"));
        Transaction tx(db);
        db.exec(QStringLiteral("INSERT INTO Kategorien (Namen) VALUES ('Stauden')"));
        for (int p = 0; p < plants; ++p) {
            QVariantList values{p + 1, p < kPhotoPlants ? plantName(p) : QStringLiteral("Pflanze %1").arg(p, 5, 10, QLatin1Char('0'))};
            for (int s = 1; s <= 7; ++s) {
                QString name;
                if (p < kPhotoPlants) {
                    name = QStringLiteral("%1 Nr %1 Bild%2 %3.JPG").arg(p + 1).arg(s).arg(plantName(p));
                    QFile::link(base + QStringLiteral("kamera%1.JPG").arg((p * 7 + s - 1) % distinct), photos + name);
                }
                values << name;
            }
            db.exec(QStringLiteral("INSERT INTO Pflanzen (Nr, Namen, Kategorie, Familie, Mundart, Bild1, Bild2, Bild3, "
                                   "Bild4, Bild5, Bild6, Bild7) VALUES (?, ?, 'Stauden', ' Alle', 'mundartlich', "
                                   "?, ?, ?, ?, ?, ?, ?)"),
                    values);
        }
        for (int e = 0; e < plants * 5; ++e)
            db.exec(QStringLiteral("INSERT INTO Historie (PflanzenID, Datum, Aktion, Inhalt1) VALUES (?, '01.05.2024', "
                                   "'Beobachtung', 'gegossen')"),
                    {QString::number(e % plants + 1)});
        tx.commit();
    }
    std::printf("catalogue: %d plants (%d with seven photos), %d diary entries\n", plants, kPhotoPlants, plants * 5);

    QuietPrompter prompter;
    Program program(prompter, programDir);
    t.restart();
    if (!program.start()) {
        std::printf("the program did not start\n");
        return 1;
    }
    TPflanzendatenbank *main = program.mainWindow();
    if (!QTest::qWaitForWindowActive(main)) {
        std::printf("the main window did not become active\n");
        return 1;
    }
    std::printf("start-up until the main window is active: %.0f ms\n", msSince(t));
    if (argc > 3 && QLatin1String(argv[3]) == QLatin1String("startup"))
        return 0;
    HauptansichtPage *page = main->hauptansicht();
    DataGrid *grid = page->DBGrid1;
    ThumbnailLoader &loader = page->thumbnailLoader();
    std::vector<PhotoView *> views;
    for (const char *name : {"Image1", "Image2", "Image4", "Image6", "Image7", "Image8", "Image9"})
        views.push_back(main->findChild<PhotoView *>(QLatin1String(name)));
    auto allShown = [&] {
        for (PhotoView *v : views)
            if (!v || v->state() != SlotState::Photo)
                return false;
        return true;
    };
    auto settle = [&] {
        waitUntil([&] { return !page->photosWaiting() && loader.queuedCount() == 0 && loader.runningCount() == 0; });
        QTest::qWait(HauptansichtPage::kSettleMs + 30); // the user rests before the next click
    };
    auto rowOf = [&](const QString &name) {
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            if (grid->model()->index(r, 1).data().toString() == name)
                return r;
        return -1;
    };
    auto click = [&](int row) {
        const QModelIndex index = grid->model()->index(row, 1);
        grid->scrollTo(index);
        QCoreApplication::processEvents();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
    };
    std::printf("frames: thumbnails %dx%d, literature photo %dx%d; worker threads: %d\n\n",
                views[0]->frameInDevicePixels().width(), views[0]->frameInDevicePixels().height(),
                views[6]->frameInDevicePixels().width(), views[6]->frameInDevicePixels().height(),
                qBound(1, QThread::idealThreadCount(), 4));
    main->activatePage(QStringLiteral("TabSheet2")); // lay the details page out once
    main->activatePage(QStringLiteral("TabSheet1"));
    settle();

    const bool searchOnly = argc > 3 && QLatin1String(argv[3]) == QLatin1String("search");
    // 1. Click -> plant text shown (and painted), plants without photos and with uncached photos.
    int next = 0; // next plant with photos never shown
    if (!searchOnly) {
        Figures plain, withPhotos;
        for (int i = 0; i < 15; ++i) {
            const QString name = QStringLiteral("Pflanze %1").arg(kPhotoPlants + 10 + i * 7, 5, 10, QLatin1Char('0'));
            const int row = rowOf(name);
            t.restart();
            click(row);
            const bool shown = page->Edit15->text() == name;
            QCoreApplication::processEvents(); // paint
            plain.add(msSince(t));
            if (!shown) {
                std::printf("plant text not shown\n");
                return 1;
            }
            settle();
        }
        for (int i = 0; i < 10; ++i) {
            const QString name = plantName(next++);
            const int row = rowOf(name);
            t.restart();
            click(row);
            const bool shown = page->Edit15->text() == name;
            QCoreApplication::processEvents();
            withPhotos.add(msSince(t));
            if (!shown) {
                std::printf("plant text not shown\n");
                return 1;
            }
            settle();
        }
        std::printf("click -> plant text shown and painted (goal < 16 ms):\n");
        std::printf("  plant without photos:        median %6.2f ms, max %6.2f ms\n", plain.median(), plain.max());
        std::printf("  plant with 7 uncached photos: median %6.2f ms, max %6.2f ms\n\n", withPhotos.median(),
                    withPhotos.max());
    }

    // 2. Seven uncached photos: from the click until all seven are shown.
    if (!searchOnly) {
        Figures uncached;
        for (int i = 0; i < 10; ++i) {
            const int row = rowOf(plantName(next++));
            t.restart();
            click(row);
            if (!waitUntil(allShown)) {
                std::printf("timeout waiting for seven photos\n");
                return 1;
            }
            QCoreApplication::processEvents();
            uncached.add(msSince(t));
            settle();
        }
        std::printf("seven photos, uncached, click until all seven shown: median %.1f ms (min %.1f, max %.1f; goal "
                    "250)\n",
                    uncached.median(), uncached.min(), uncached.max());
    }

    // 3. Seven cached photos: two plants already seen, clicked in turn.
    if (!searchOnly) {
        const int a = rowOf(plantName(0)), b = rowOf(plantName(1));
        Figures cached;
        int notAtOnce = 0;
        for (int i = 0; i < 40; ++i) {
            t.restart();
            click(i % 2 ? a : b);
            const bool atOnce = allShown();
            QCoreApplication::processEvents();
            cached.add(msSince(t));
            if (!atOnce)
                ++notAtOnce;
            settle();
        }
        std::printf("seven photos, cached, click until all seven shown and painted: median %.2f ms (max %.2f; goal < "
                    "5)%s\n\n",
                    cached.median(), cached.max(), notAtOnce ? " -- some were not shown at once!" : "");
    }

    // 4. The Down key held over 50 plants with uncached photos: the first press, the keyboard's
    // repeat delay, then a repeat every 33 ms.
    if (!searchOnly) {
        const int start = rowOf(plantName(next));
        click(start);
        waitUntil(allShown);
        settle();
        grid->setFocus();
        loader.resetStats();
        int maxQueued = 0, maxRunning = 0, maxQueuedHeld = 0, maxRunningHeld = 0;
        bool holding = false;
        QTimer sampler;
        sampler.setInterval(2);
        QObject::connect(&sampler, &QTimer::timeout, [&] {
            maxQueued = std::max(maxQueued, loader.queuedCount());
            maxRunning = std::max(maxRunning, loader.runningCount());
            if (holding) {
                maxQueuedHeld = std::max(maxQueuedHeld, loader.queuedCount());
                maxRunningHeld = std::max(maxRunningHeld, loader.runningCount());
            }
        });
        sampler.start();
        Figures pressCost;
        QElapsedTimer c;
        c.start();
        QKeyEvent first(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(grid, &first);
        pressCost.add(msSince(c));
        const ThumbnailStats afterFirst = loader.stats();
        QTest::qWait(500); // the keyboard's repeat delay
        const ThumbnailStats beforeHold = loader.stats();
        holding = true;
        int pressed = 1;
        QTimer key;
        key.setInterval(33);
        QEventLoop loop;
        QObject::connect(&key, &QTimer::timeout, [&] {
            QElapsedTimer k;
            k.start();
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(grid, &repeat);
            pressCost.add(msSince(k));
            maxQueuedHeld = std::max(maxQueuedHeld, loader.queuedCount());
            maxRunningHeld = std::max(maxRunningHeld, loader.runningCount());
            if (++pressed == kHeld) {
                key.stop();
                loop.quit();
            }
        });
        key.start();
        loop.exec();
        const ThumbnailStats held = loader.stats();
        holding = false;
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(grid, &release);
        t.restart();
        const QString last = page->Edit15->text();
        if (!waitUntil(allShown)) {
            std::printf("timeout waiting for the last plant\n");
            return 1;
        }
        const double settleMs = msSince(t);
        sampler.stop();
        const ThumbnailStats s = loader.stats();
        std::printf("Down key over %d plants with photos (first press, 500 ms, then a repeat every 33 ms), ended on "
                    "\"%s\":\n",
                    kHeld, qPrintable(last));
        std::printf("  first press: %lld requests, decodes started for it %lld (before the repeats began)\n",
                    afterFirst.requests, beforeHold.decodesStarted);
        std::printf("  while the key repeated (%d plants): requests %lld, decodes started %lld, most queued %d, most "
                    "decoding %d\n",
                    kHeld - 1, held.requests - beforeHold.requests, held.decodesStarted - beforeHold.decodesStarted,
                    maxQueuedHeld, maxRunningHeld);
        std::printf("  whole run: most queued %d (loader's count %d), most decoding %d; decodes abandoned %lld, "
                    "finished too late %lld\n",
                    maxQueued, s.maxQueued, maxRunning, s.decodesAbandoned, s.decodesStale);
        std::printf("  key press handled (plant text shown): median %.2f ms, max %.2f ms\n", pressCost.median(),
                    pressCost.max());
        std::printf("  last plant's seven photos shown %.1f ms after the key was released\n", settleMs);
    }

    // 5. Typing into the search box (all categories): each key runs the search over the whole
    // catalogue, refills the plant list and shows its first plant.
    {
        settle();
        page->Edit33->setFocus();
        Figures typed;
        int found = 0;
        for (const char *text : {"P", "Pf", "Pfl", "Pfla", "Pfl", "Pf", "P"}) {
            t.restart();
            page->Edit33->setText(QString::fromLatin1(text));
            QCoreApplication::processEvents(); // repaint of the list and the plant box
            typed.add(msSince(t));
            found = grid->model()->rowCount();
        }
        std::printf("\nsearch keystroke in Edit33 over %d plants (list refilled, first plant shown, painted): median "
                    "%.2f ms, max %.2f ms; %d found for \"P\"\n",
                    plants, typed.median(), typed.max(), found);
    }
    if (prompter.messages)
        std::printf("\n%d message boxes were shown\n", prompter.messages);
    return 0;
}
