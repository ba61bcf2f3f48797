#include "PhotoTestData.h"

#include "photos/DiskThumbnails.h"
#include "photos/PlantPhotoSlots.h"
#include "photos/ThumbnailCache.h"
#include "photos/ThumbnailLoader.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QImageReader>
#include <QUrl>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace vindel;
using namespace phototest;

Q_DECLARE_METATYPE(vindel::PhotoLoadResult)
Q_DECLARE_METATYPE(vindel::SlotState)

namespace {

struct Delivery {
    int requester;
    quint64 ticket;
    PhotoLoadResult result;
};

// Plant p's photo in slot s is a picture of its own size, so a delivered picture tells whose it is.
QSize sizeOf(int plant, int slot)
{
    return QSize(200 + plant * 8 + slot, 150 + slot);
}

QString photoName(int plant, int slot)
{
    return QStringLiteral("%1 Nr %1 Bild%2 Pflanze.JPG").arg(plant).arg(slot);
}

} // namespace

class ThumbnailTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cacheHitsByKeyAndNoticesChanges();
    void cacheDropsLeastRecentlyUsed();
    void deliversInBackgroundThenFromCache();
    void missingFileAnsweredAtOnce();
    void sameRequestAgainDoesNotRestart();
    void supersededRequestsNeverDeliver();
    void plantSlotsFollowOnlyTheCurrentPlant();
    void plantSlotsShowPlaceholders();
    void synchronousPlantSlots();
    void destroyingLoaderWithWorkPending();
    void diskThumbnailsOutliveTheLoader();
    void prefetchMakesDiskThumbnails();

private:
    QTemporaryDir m_dir;
    QString m_photos;
};

void ThumbnailTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_photos = m_dir.filePath("Fotos/");
    QVERIFY(QDir().mkpath(m_photos));
    for (int plant = 0; plant < 50; ++plant)
        for (int slot = 1; slot <= 7; ++slot)
            writeFile(m_photos + photoName(plant, slot), encode(quadrants(sizeOf(plant, slot).width(), sizeOf(plant, slot).height()), "JPEG", 80));
}

void ThumbnailTest::cacheHitsByKeyAndNoticesChanges()
{
    const QString path = m_dir.filePath("changing.JPG");
    writeFile(path, encode(quadrants(800, 600), "JPEG"));
    ThumbnailLoader loader(std::make_shared<ThumbnailCache>(), 1);
    auto decodes = [&] { return loader.stats().decodesStarted; };

    PhotoLoadResult r = loader.loadNow(path, QSize(180, 125), FitMode::Stretch);
    QVERIFY(r.ok());
    QCOMPARE(r.image.size(), QSize(167, 125));
    QCOMPARE(decodes(), 1);
    r = loader.loadNow(path, QSize(180, 125), FitMode::Stretch);
    QCOMPARE(r.image.size(), QSize(167, 125));
    QCOMPARE(decodes(), 1);                 // same key: from the cache
    QCOMPARE(loader.cache().hits(), 1);

    loader.loadNow(path, QSize(600, 400), FitMode::ShrinkOnly);
    QCOMPARE(decodes(), 2);                 // other frame, other key
    loader.loadNow(path, QSize(180, 125), FitMode::ShrinkOnly);
    QCOMPARE(decodes(), 3);                 // other rule, other key

    // A changed modification time makes the entry useless.
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    f.close();
    loader.loadNow(path, QSize(180, 125), FitMode::Stretch);
    QCOMPARE(decodes(), 4);
    loader.loadNow(path, QSize(180, 125), FitMode::Stretch);
    QCOMPARE(decodes(), 4);

    // Replaced by a picture of the same byte size under the old modification time: still noticed.
    const QDateTime mtime = QFileInfo(path).lastModified();
    QByteArray other = readFile(path);
    PhotoStore(m_dir.path()).writeJpegData(other, "changing.JPG");
    QFile g(path);
    QVERIFY(g.open(QIODevice::ReadWrite));
    QVERIFY(g.setFileTime(mtime, QFileDevice::FileModificationTime));
    g.close();
    loader.loadNow(path, QSize(180, 125), FitMode::Stretch);
    QCOMPARE(decodes(), 5);

    // A damaged file is remembered as damaged too, and not decoded on every visit.
    writeFile(path, other.left(other.size() / 2));
    QCOMPARE(loader.loadNow(path, QSize(180, 125), FitMode::Stretch).status, PhotoStatus::Damaged);
    QCOMPARE(loader.loadNow(path, QSize(180, 125), FitMode::Stretch).status, PhotoStatus::Damaged);
    QCOMPARE(decodes(), 6);

    QFile::remove(path);
    QCOMPARE(loader.loadNow(path, QSize(180, 125), FitMode::Stretch).status, PhotoStatus::Missing);
}

void ThumbnailTest::cacheDropsLeastRecentlyUsed()
{
    auto result = [](int w) {
        PhotoLoadResult r;
        r.status = PhotoStatus::Ok;
        r.image = QImage(w, 100, QImage::Format_RGB32); // w * 400 bytes
        return r;
    };
    auto key = [](const QString &name) {
        ThumbnailKey k;
        k.path = name;
        k.frame = QSize(100, 100);
        return k;
    };
    ThumbnailCache cache(100 * 1000);
    cache.insert(key("a"), result(100));
    cache.insert(key("b"), result(100));
    QVERIFY(cache.find(key("a")));     // a is now the most recently used
    cache.insert(key("c"), result(100));
    QVERIFY(cache.bytes() <= 100 * 1000);
    QCOMPARE(cache.count(), 2);
    QVERIFY(cache.find(key("a")));
    QVERIFY(!cache.find(key("b")));
    QVERIFY(cache.find(key("c")));

    cache.insert(key("huge"), result(1000)); // larger than the whole budget: not kept
    QVERIFY(!cache.find(key("huge")));
    QCOMPARE(cache.count(), 2);

    cache.invalidate("a");
    QVERIFY(!cache.find(key("a")));
    cache.setBudget(50 * 1000);
    QCOMPARE(cache.count(), 1);
    cache.clear();
    QCOMPARE(cache.bytes(), 0);
}

void ThumbnailTest::deliversInBackgroundThenFromCache()
{
    ThumbnailLoader loader(std::make_shared<ThumbnailCache>(), 2);
    QSignalSpy spy(&loader, &ThumbnailLoader::ready);
    const QString path = m_photos + photoName(1, 1);
    const quint64 t = loader.request(5, path, QSize(100, 100), FitMode::Stretch);
    QCOMPARE(spy.count(), 0); // not decoded in the caller's thread
    QVERIFY(spy.wait(5000));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy[0][0].toInt(), 5);
    QCOMPARE(spy[0][1].toULongLong(), t);
    const auto r = spy[0][2].value<PhotoLoadResult>();
    QVERIFY(r.ok());
    QCOMPARE(r.image.size(), displaySize(sizeOf(1, 1), QSize(100, 100), FitMode::Stretch));

    const quint64 t2 = loader.request(5, path, QSize(100, 100), FitMode::Stretch);
    QCOMPARE(spy.count(), 2); // cached: answered inside request()
    QCOMPARE(spy[1][1].toULongLong(), t2);
    QCOMPARE(loader.stats().cacheHits, 1);
    QCOMPARE(loader.stats().decodesStarted, 1);
}

void ThumbnailTest::missingFileAnsweredAtOnce()
{
    ThumbnailLoader loader(std::make_shared<ThumbnailCache>(), 1);
    QSignalSpy spy(&loader, &ThumbnailLoader::ready);
    loader.request(1, m_photos + "gone.JPG", QSize(100, 100), FitMode::Stretch);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy[0][2].value<PhotoLoadResult>().status, PhotoStatus::Missing);
    QCOMPARE(loader.queuedCount(), 0);
}

void ThumbnailTest::sameRequestAgainDoesNotRestart()
{
    ThumbnailLoader loader(std::make_shared<ThumbnailCache>(), 1);
    QSignalSpy spy(&loader, &ThumbnailLoader::ready);
    const QString path = m_photos + photoName(2, 3);
    loader.request(1, path, QSize(90, 90), FitMode::Stretch);
    const quint64 second = loader.request(1, path, QSize(90, 90), FitMode::Stretch);
    QVERIFY(spy.wait(5000));
    loader.waitForIdle(5000);
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy[0][1].toULongLong(), second);
    QCOMPARE(loader.stats().decodesStarted, 1);
}

void ThumbnailTest::supersededRequestsNeverDeliver()
{
    ThumbnailLoader loader(std::make_shared<ThumbnailCache>(), 2);
    std::map<int, quint64> live;
    std::vector<Delivery> delivered;
    int stale = 0;
    connect(&loader, &ThumbnailLoader::ready, this, [&](int requester, quint64 ticket, const PhotoLoadResult &r) {
        if (live[requester] != ticket)
            ++stale; // an answer to a request that was already superseded
        delivered.push_back({requester, ticket, r});
    });

    for (int plant = 0; plant < 50; ++plant) {
        for (int slot = 1; slot <= 7; ++slot) {
            live[slot] = loader.request(slot, m_photos + photoName(plant, slot), QSize(120, 90), FitMode::Stretch);
            QVERIFY(loader.queuedCount() <= 7);
        }
        if (plant % 10 == 0)
            QTest::qWait(2); // some answers for this plant get through before the user moves on
    }
    auto finalAnswers = [&] {
        return int(std::count_if(delivered.begin(), delivered.end(),
                                 [&](const Delivery &d) { return live[d.requester] == d.ticket; }));
    };
    QTRY_COMPARE_WITH_TIMEOUT(finalAnswers(), 7, 10000);
    loader.waitForIdle(5000);
    QTest::qWait(10);

    QCOMPARE(stale, 0);
    QCOMPARE(finalAnswers(), 7); // each slot of the last plant exactly once
    for (const Delivery &d : delivered) {
        if (live[d.requester] == d.ticket)
            QCOMPARE(d.result.fullSize, sizeOf(49, d.requester));
    }

    const ThumbnailStats s = loader.stats();
    QVERIFY(s.maxQueued <= 7);
    QCOMPARE(s.decodesDelivered, qint64(delivered.size()));
    QVERIFY(s.droppedBeforeDecode > 0);
    QCOMPARE(s.decodesStarted, s.decodesDelivered + s.decodesAbandoned + s.decodesStale);
    QCOMPARE(s.decodesStarted + s.droppedBeforeDecode, qint64(50 * 7));
}

void ThumbnailTest::plantSlotsFollowOnlyTheCurrentPlant()
{
    ThumbnailLoader loader(std::make_shared<ThumbnailCache>(), 2);
    PlantPhotoSlots plantSlots(loader);
    for (int s = 1; s <= 6; ++s)
        plantSlots.setFrameSize(s, QSize(160, 120));
    // The literature slot gets no frame: full size, so its picture's size names its plant too.
    const PhotoStore store(m_photos);

    int current = -1;
    int wrong = 0, photos = 0;
    connect(&plantSlots, &PlantPhotoSlots::slotChanged, this, [&](int slot, const QImage &picture, SlotState state) {
        if (state != SlotState::Photo)
            return;
        ++photos;
        const QSize expected = slot == 7 ? sizeOf(current, 7) : displaySize(sizeOf(current, slot), QSize(160, 120), FitMode::Stretch);
        if (picture.size() != expected)
            ++wrong;
    });

    // Down key held: a new plant every few milliseconds, events processed in between.
    for (int plant = 0; plant < 50; ++plant) {
        current = plant;
        QStringList columns;
        for (int s = 1; s <= 7; ++s)
            columns << photoName(plant, s);
        plantSlots.showPlant(store, columns);
        QVERIFY(loader.queuedCount() <= 7);
        QTest::qWait(plant % 5 == 0 ? 5 : 0);
    }
    QTRY_VERIFY_WITH_TIMEOUT([&] {
        for (int s = 1; s <= 7; ++s)
            if (plantSlots.state(s) != SlotState::Photo)
                return false;
        return true;
    }(), 10000);
    QCOMPARE(wrong, 0);
    QVERIFY(photos >= 7);
    QVERIFY(loader.stats().maxQueued <= 7);
    QCOMPARE(plantSlots.picture(7).size(), sizeOf(49, 7));
    QCOMPARE(plantSlots.picture(3).size(), displaySize(sizeOf(49, 3), QSize(160, 120), FitMode::Stretch));

    // Going back to a plant already seen answers from the cache, at once.
    current = 49;
    const qint64 decodes = loader.stats().decodesStarted;
    QStringList columns;
    for (int s = 1; s <= 7; ++s)
        columns << photoName(49, s);
    plantSlots.showPlant(store, columns);
    for (int s = 1; s <= 7; ++s)
        QCOMPARE(plantSlots.state(s), SlotState::Photo);
    QCOMPARE(loader.stats().decodesStarted, decodes);
    QCOMPARE(wrong, 0);
}

void ThumbnailTest::plantSlotsShowPlaceholders()
{
    const QString outside = m_dir.filePath("outside.JPG");
    writeFile(outside, encode(quadrants(40, 30), "JPEG"));
    writeFile(m_photos + "damaged.JPG", encode(quadrants(400, 300), "JPEG").left(300));

    ThumbnailLoader loader(std::make_shared<ThumbnailCache>(), 1);
    PlantPhotoSlots plantSlots(loader);
    QSignalSpy spy(&plantSlots, &PlantPhotoSlots::slotChanged);
    const PhotoStore store(m_photos);

    // Bild1 empty, Bild2 deleted from the folder, Bild3 damaged, Bild4 climbing out of the folder,
    // Bild5 a photo, Bild6 absolute, Bild7 empty.
    plantSlots.showPlant(store, {"", "weg.JPG", "damaged.JPG", "../outside.JPG", photoName(3, 5), outside, ""});
    QCOMPARE(plantSlots.state(1), SlotState::Empty);
    QCOMPARE(plantSlots.picture(1).constBits(), placeholderImage(Placeholder::OwnPhoto).constBits());
    QCOMPARE(plantSlots.state(2), SlotState::Missing);
    QCOMPARE(plantSlots.picture(2).constBits(), placeholderImage(Placeholder::PhotoMissing).constBits());
    QCOMPARE(plantSlots.state(4), SlotState::Missing);
    QCOMPARE(plantSlots.state(6), SlotState::Missing);
    QCOMPARE(plantSlots.state(7), SlotState::Empty);
    QCOMPARE(plantSlots.picture(7).constBits(), placeholderImage(Placeholder::ForeignPhoto).constBits());
    QCOMPARE(plantSlots.state(3), SlotState::Loading);
    QCOMPARE(plantSlots.state(5), SlotState::Loading);

    QTRY_COMPARE_WITH_TIMEOUT(plantSlots.state(3), SlotState::Damaged, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(plantSlots.state(5), SlotState::Photo, 5000);
    QCOMPARE(plantSlots.picture(3).constBits(), placeholderImage(Placeholder::PhotoMissing).constBits());

    // Each slot answered once for Loading and once with its picture; nothing repeats.
    loader.waitForIdle(5000);
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 9);

    // A plant with no photos at all.
    spy.clear();
    plantSlots.showPlant(store, {});
    QCOMPARE(spy.count(), 7);
    for (int s = 1; s <= 6; ++s)
        QCOMPARE(plantSlots.picture(s).constBits(), placeholderImage(Placeholder::OwnPhoto).constBits());
    QCOMPARE(plantSlots.picture(7).constBits(), placeholderImage(Placeholder::ForeignPhoto).constBits());
}

void ThumbnailTest::synchronousPlantSlots()
{
    ThumbnailLoader loader(std::make_shared<ThumbnailCache>(), 1);
    PlantPhotoSlots plantSlots(loader);
    plantSlots.setSynchronous(true);
    plantSlots.setFrameSize(1, QSize(50, 50));
    QSignalSpy spy(&plantSlots, &PlantPhotoSlots::slotChanged);
    plantSlots.showPlant(PhotoStore(m_photos), {photoName(4, 1), "weg.JPG"});
    QCOMPARE(spy.count(), 7);
    QCOMPARE(plantSlots.state(1), SlotState::Photo);
    QCOMPARE(plantSlots.picture(1).size(), displaySize(sizeOf(4, 1), QSize(50, 50), FitMode::Stretch));
    QCOMPARE(plantSlots.state(2), SlotState::Missing);
    QCOMPARE(plantSlots.state(3), SlotState::Empty);
    QCOMPARE(loader.queuedCount(), 0);
}

void ThumbnailTest::destroyingLoaderWithWorkPending()
{
    int delivered = 0;
    {
        ThumbnailLoader loader(std::make_shared<ThumbnailCache>(), 2);
        connect(&loader, &ThumbnailLoader::ready, this, [&] { ++delivered; });
        for (int slot = 1; slot <= 7; ++slot)
            loader.request(slot, m_photos + photoName(10, slot), QSize(), FitMode::Stretch);
    }
    QCoreApplication::processEvents();
    QTest::qWait(20);
    QCOMPARE(delivered, 0);
}

// A thumbnail made once is kept on disk as the desktop keeps it (MD5 of the file's URI, with
// Thumb::URI and Thumb::MTime), read by the next loader instead of decoding the photo, and made
// anew when the photo changes.
void ThumbnailTest::diskThumbnailsOutliveTheLoader()
{
    QTemporaryDir cacheDir, photoDir;
    auto disk = std::make_shared<DiskThumbnails>(cacheDir.path());
    const QString path = photoDir.filePath("kamera.JPG");
    writeFile(path, encode(quadrants(1600, 1200), "JPEG"));
    const QSize frame(180, 125);
    QImage first;
    {
        ThumbnailLoader loader(std::make_shared<ThumbnailCache>(), 1);
        loader.setDiskThumbnails(disk);
        QSignalSpy spy(&loader, &ThumbnailLoader::ready);
        loader.request(1, path, frame, FitMode::Stretch);
        QVERIFY(spy.wait(5000));
        first = spy[0][2].value<PhotoLoadResult>().image;
        QCOMPARE(loader.stats().fromDisk, 0);
    }
    const QByteArray uri = QUrl::fromLocalFile(path).toEncoded();
    const QString file = cacheDir.path() + "/large/"
                         + QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex() + ".png";
    QCOMPARE(disk->fileFor(path), file);
    const QImage png(file);
    QCOMPARE(png.text("Thumb::URI"), QString::fromLatin1(uri));
    QCOMPARE(png.text("Thumb::MTime"), QString::number(QFileInfo(path).lastModified().toSecsSinceEpoch()));
    QCOMPARE(png.size(), QSize(256, 192));

    // A program started later: the thumbnail comes from the disk, the same picture.
    {
        ThumbnailLoader loader(std::make_shared<ThumbnailCache>(), 1);
        loader.setDiskThumbnails(disk);
        QSignalSpy spy(&loader, &ThumbnailLoader::ready);
        loader.request(1, path, frame, FitMode::Stretch);
        QVERIFY(spy.wait(5000));
        QCOMPARE(loader.stats().fromDisk, 1);
        const QImage again = spy[0][2].value<PhotoLoadResult>().image;
        QCOMPARE(again.size(), first.size());
        QVERIFY(near(again.pixel(10, 10), Qt::red));
    }
    // The photo changes: its old thumbnail does not count.
    writeFile(path, encode(quadrants(1600, 1200).mirrored(true, false), "JPEG"));
    {
        QFile changed(path);
        QVERIFY(changed.open(QIODevice::ReadWrite));
        QVERIFY(changed.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
    }
    {
        ThumbnailLoader loader(std::make_shared<ThumbnailCache>(), 1);
        loader.setDiskThumbnails(disk);
        QSignalSpy spy(&loader, &ThumbnailLoader::ready);
        loader.request(1, path, frame, FitMode::Stretch);
        QVERIFY(spy.wait(5000));
        QCOMPARE(loader.stats().fromDisk, 0);
        QVERIFY(near(spy[0][2].value<PhotoLoadResult>().image.pixel(10, 10), Qt::green));
    }
    QCOMPARE(QImage(file).text("Thumb::MTime"),
             QString::number(QFileInfo(path).lastModified().toSecsSinceEpoch()));
}

void ThumbnailTest::prefetchMakesDiskThumbnails()
{
    QTemporaryDir cacheDir, photoDir;
    auto disk = std::make_shared<DiskThumbnails>(cacheDir.path());
    QStringList paths;
    for (int i = 0; i < 4; ++i) {
        paths << photoDir.filePath(QStringLiteral("p%1.JPG").arg(i));
        writeFile(paths.last(), encode(quadrants(800, 600), "JPEG"));
    }
    ThumbnailLoader loader(std::make_shared<ThumbnailCache>(), 2);
    loader.setDiskThumbnails(disk);
    loader.prefetch(paths);
    QVERIFY(loader.waitForIdle(10000));
    QCOMPARE(loader.stats().prefetched, 4);
    for (const QString &p : paths)
        QVERIFY(!disk->find(p, stampFile(p)).isNull());
}

QTEST_MAIN(ThumbnailTest)
#include "test_thumbnails.moc"
