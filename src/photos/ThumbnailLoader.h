#pragma once

#include "photos/DiskThumbnails.h"
#include "photos/PhotoDisplay.h"
#include "photos/PhotoLoader.h"
#include "photos/ThumbnailCache.h"

#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>
#include <memory>

namespace vindel {

struct ThumbnailStats {
    qint64 requests = 0;
    qint64 cacheHits = 0;            // delivered from the cache inside request()
    qint64 missingFiles = 0;         // delivered as Missing inside request()
    qint64 decodesStarted = 0;
    qint64 decodesDelivered = 0;
    qint64 decodesAbandoned = 0;     // stopped part-way because the requester moved on
    qint64 decodesStale = 0;         // finished, but the requester had moved on (result only cached)
                                     // (counted when the answer reaches the loader's thread)
    qint64 droppedBeforeDecode = 0;  // replaced in the queue before a worker took them
    int maxQueued = 0;               // most requests waiting at one time
    int maxRunning = 0;
    qint64 fromDisk = 0;             // answered from a thumbnail kept on disk
    qint64 prefetched = 0;           // thumbnails made on disk ahead of need
};

// Decodes pictures for their frames on worker threads, keeps them in a ThumbnailCache and hands
// them to the thread the loader lives in (the GUI thread).
//
// Each requester (a number, e.g. one per photo slot) has at most one live request: a new request
// supersedes the previous one, whose queued job is dropped before decoding and whose running
// decode is abandoned. Results of superseded requests are never delivered. So the queue never
// holds more than one job per requester, however fast the user moves through the plants.
class ThumbnailLoader : public QObject {
    Q_OBJECT
public:
    // threads: workers decoding at once (0: as many as cores, at most 4).
    explicit ThumbnailLoader(std::shared_ptr<ThumbnailCache> cache = nullptr, int threads = 0,
                             QObject *parent = nullptr);
    ~ThumbnailLoader() override;

    // A block of requester numbers of its own, for one user of a shared loader.
    int reserveRequesters(int count);

    // Asks for `path` as shown in `frame` (device pixels) under `mode`. Returns the request's
    // ticket. A cached picture, a damaged file already known, or a file that does not exist is
    // delivered through ready() before request() returns; anything else later, from the event loop.
    quint64 request(int requester, const QString &path, QSize frame, FitMode mode);
    // Forgets the requester's live request; nothing more is delivered for it.
    void cancel(int requester);
    void cancelAll();

    // Synchronous path (tests, printing): decodes in the calling thread, through the cache.
    PhotoLoadResult loadNow(const QString &path, QSize frame, FitMode mode);

    // Small frames (at most DiskThumbnails::kSize either way) are served from thumbnails kept on
    // disk, which outlive the program: a photo is decoded once, not at every start.
    void setDiskThumbnails(std::shared_ptr<DiskThumbnails> disk);
    // Makes the disk thumbnails of these files when nothing else is to be done (the album's rows
    // out of sight); a later call replaces what is still waiting.
    void prefetch(const QStringList &paths);

    int queuedCount() const;
    int runningCount() const;
    // Blocks until no job is queued or running (results may still wait in the event queue).
    bool waitForIdle(int msecs = -1);

    ThumbnailStats stats() const;
    void resetStats();
    ThumbnailCache &cache();
    std::shared_ptr<ThumbnailCache> sharedCache() const;

signals:
    void ready(int requester, quint64 ticket, const vindel::PhotoLoadResult &result);

private:
    struct Shared;
    void deliver(int requester, quint64 ticket, const PhotoLoadResult &result, bool decoded);
    void startWorkerLocked();
    static void work(std::shared_ptr<Shared> shared);

    std::shared_ptr<Shared> m_shared;
    QThreadPool m_pool;
};

} // namespace vindel
