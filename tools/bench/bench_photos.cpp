// Speed of the plant photos: seven thumbnails of camera-sized JPEGs uncached and cached, and the
// Down key held over 50 plants (a new plant every 30 ms).
//   build/tools/bench/bench_photos [distinct pictures=14]
#include "BenchSupport.h"
#include "photos/JpegDecoder.h"
#include "photos/PlantPhotoSlots.h"
#include "photos/ThumbnailLoader.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace vindel;
using namespace vindel::bench;

namespace {

constexpr int kPlants = 50;
const QSize kThumbFrame(200, 150);
const QSize kDetailsFrame(500, 375);

QString photoName(int plant, int slot)
{
    return QStringLiteral("%1 Nr %1 Bild%2 Pflanze %1.JPG").arg(plant + 1).arg(slot);
}

QStringList columnsOf(int plant)
{
    QStringList c;
    for (int s = 1; s <= kPhotoSlotCount; ++s)
        c << photoName(plant, s);
    return c;
}

bool allShown(const PlantPhotoSlots &plantSlots)
{
    for (int s = 1; s <= kPhotoSlotCount; ++s)
        if (plantSlots.state(s) != SlotState::Photo)
            return false;
    return true;
}

// Runs the event loop (sleeping, not polling, so the workers have both cores) until the seven
// slots show photos; returns false on timeout.
bool waitAllShown(PlantPhotoSlots &plantSlots, int timeoutMs = 20000)
{
    if (allShown(plantSlots))
        return true;
    QEventLoop loop;
    const auto done = QObject::connect(&plantSlots, &PlantPhotoSlots::slotChanged, &loop, [&] {
        if (allShown(plantSlots))
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(done);
    return allShown(plantSlots);
}

void setFrames(PlantPhotoSlots &plantSlots)
{
    for (int s = 1; s <= 6; ++s)
        plantSlots.setFrameSize(s, kThumbFrame);
    plantSlots.setFrameSize(7, kDetailsFrame);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int distinct = argc > 1 ? qBound(7, atoi(argv[1]), 350) : 14;

    QTemporaryDir dir;
    const QString base = dir.filePath("Bilder/");
    const QString photos = dir.filePath("Fotos/");
    QDir().mkpath(base);
    QDir().mkpath(photos);

    writeCameraPictures(base, distinct);
    QElapsedTimer t;
    t.start();
    // Every slot of every plant gets a file of its own name (a link to one of the pictures), so
    // the cache, keyed by path, never mixes two slots up.
    for (int p = 0; p < kPlants; ++p)
        for (int s = 1; s <= kPhotoSlotCount; ++s)
            QFile::link(base + QStringLiteral("kamera%1.JPG").arg((p * kPhotoSlotCount + s - 1) % distinct),
                        photos + photoName(p, s));
    std::printf("%d plants x 7 slots\n", kPlants);
    std::printf("frames: thumbnails %dx%d, literature photo %dx%d; worker threads: %d\n\n", kThumbFrame.width(),
                kThumbFrame.height(), kDetailsFrame.width(), kDetailsFrame.height(),
                qBound(1, QThread::idealThreadCount(), 4));

    const PhotoStore store(photos);

    // For comparison: one picture decoded at full size, and at the scale a thumbnail needs.
    {
        Figures full, eighth;
        for (int i = 0; i < 5; ++i) {
            QImage img;
            t.restart();
            LoadJpegInto(base + QStringLiteral("kamera%1.JPG").arg(i % distinct), img);
            full.add(msSince(t));
            t.restart();
            LoadJpegInto(base + QStringLiteral("kamera%1.JPG").arg(i % distinct), img, kThumbFrame);
            eighth.add(msSince(t));
        }
        std::printf("one picture, full size 4000x3000:      median %7.1f ms\n", full.median());
        std::printf("one picture, scaled decode for %dx%d: median %7.1f ms\n", kThumbFrame.width(),
                    kThumbFrame.height(), eighth.median());
        t.restart();
        for (int s = 1; s <= kPhotoSlotCount; ++s) {
            QImage img;
            LoadJpegInto(photos + photoName(0, s), img);
            img = img.scaled(s == 7 ? kDetailsFrame : kThumbFrame, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        std::printf("seven photos decoded at full size and scaled in the GUI thread (no cache): %.1f ms\n\n",
                    msSince(t));
    }

    // 1. Seven thumbnails, nothing cached: from showPlant() until all seven are shown.
    {
        Figures uncached, blocked, mainView;
        for (int run = 0; run < 7; ++run) {
            ThumbnailLoader loader(std::make_shared<ThumbnailCache>());
            PlantPhotoSlots plantSlots(loader);
            setFrames(plantSlots);
            int shownOnMainView = 0;
            QObject::connect(&plantSlots, &PlantPhotoSlots::slotChanged, [&](int slot, const QImage &, SlotState state) {
                if (slot <= 6 && state == SlotState::Photo && ++shownOnMainView == 6)
                    mainView.add(msSince(t));
            });
            t.restart();
            plantSlots.showPlant(store, columnsOf(run));
            blocked.add(msSince(t));
            if (!waitAllShown(plantSlots)) {
                std::printf("timeout waiting for the seven photos\n");
                return 1;
            }
            uncached.add(msSince(t));
        }
        std::printf("seven photos, uncached, until all seven shown: median %.1f ms (min %.1f, max %.1f; goal 250)\n",
                    uncached.median(), uncached.min(), uncached.max());
        std::printf("  the six of the main view: median %.1f ms\n", mainView.median());
        std::printf("  of which showPlant() itself (GUI thread busy): median %.2f ms\n", blocked.median());
    }

    // 2. The same plant again: everything from the cache, answered inside showPlant().
    {
        ThumbnailLoader loader(std::make_shared<ThumbnailCache>());
        PlantPhotoSlots plantSlots(loader);
        setFrames(plantSlots);
        plantSlots.showPlant(store, columnsOf(3));
        waitAllShown(plantSlots);
        Figures cached;
        for (int run = 0; run < 200; ++run) {
            t.restart();
            plantSlots.showPlant(store, columnsOf(3));
            const bool shown = allShown(plantSlots);
            cached.add(msSince(t));
            if (!shown) {
                std::printf("cached photos were not shown at once\n");
                return 1;
            }
        }
        std::printf("seven photos, cached: median %.3f ms (max %.3f; goal < 5)\n\n", cached.median(), cached.max());
    }

    // 3. Down key held: a new plant every 30 ms over 50 plants, then wait for the last one.
    {
        ThumbnailLoader loader(std::make_shared<ThumbnailCache>());
        PlantPhotoSlots plantSlots(loader);
        setFrames(plantSlots);
        int plant = 0;
        int maxQueued = 0, maxRunning = 0;
        Figures showCost;
        QTimer key;
        key.setInterval(30);
        QEventLoop loop;
        QElapsedTimer lastPress;
        QObject::connect(&key, &QTimer::timeout, [&] {
            QElapsedTimer c;
            c.start();
            plantSlots.showPlant(store, columnsOf(plant));
            showCost.add(msSince(c));
            maxQueued = std::max(maxQueued, loader.queuedCount());
            maxRunning = std::max(maxRunning, loader.runningCount());
            lastPress.start();
            if (++plant == kPlants) {
                key.stop();
                loop.quit();
            }
        });
        // Sample the queue between key presses too.
        QTimer sampler;
        sampler.setInterval(2);
        QObject::connect(&sampler, &QTimer::timeout, [&] {
            maxQueued = std::max(maxQueued, loader.queuedCount());
            maxRunning = std::max(maxRunning, loader.runningCount());
        });
        t.restart();
        key.start();
        sampler.start();
        loop.exec();
        const double run = msSince(t);
        if (!waitAllShown(plantSlots)) {
            std::printf("timeout waiting for the last plant\n");
            return 1;
        }
        const double settle = msSince(lastPress);
        sampler.stop();
        loader.waitForIdle(5000);
        QCoreApplication::processEvents();
        const ThumbnailStats s = loader.stats();
        std::printf("Down key over %d plants, a plant every 30 ms (%.0f ms):\n", kPlants, run);
        std::printf("  requests %lld; most waiting in the queue at once: %d (loader's own count %d); "
                    "most decoding at once: %d\n",
                    s.requests, maxQueued, s.maxQueued, std::max(maxRunning, s.maxRunning));
        std::printf("  dropped from the queue before decoding: %lld\n", s.droppedBeforeDecode);
        std::printf("  decodes started %lld: shown %lld, abandoned part-way %lld, finished too late %lld "
                    "(wasted: %lld)\n",
                    s.decodesStarted, s.decodesDelivered, s.decodesAbandoned, s.decodesStale,
                    s.decodesAbandoned + s.decodesStale);
        std::printf("  showPlant() per key press: median %.2f ms, max %.2f ms\n", showCost.median(), showCost.max());
        std::printf("  last plant fully shown %.1f ms after its key press\n", settle);
    }
    return 0;
}
