#include "photos/ThumbnailLoader.h"

#include <QThread>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <unordered_map>

namespace vindel {

struct ThumbnailLoader::Shared {
    struct Job {
        int requester = 0;
        quint64 ticket = 0;
        ThumbnailKey key;
        std::atomic_bool cancelled{false};
    };

    std::mutex mutex;
    std::condition_variable idle;
    ThumbnailLoader *receiver = nullptr; // cleared when the loader goes away
    std::shared_ptr<ThumbnailCache> cache;
    std::shared_ptr<DiskThumbnails> disk;
    std::deque<std::shared_ptr<Job>> queue;
    std::deque<QString> prefetch; // disk thumbnails to make when the queue is empty
    std::unordered_map<int, std::shared_ptr<Job>> running; // by requester
    std::unordered_map<int, quint64> live;                 // requester -> ticket that may be delivered
    quint64 lastTicket = 0;
    int nextRequester = 1;
    int workers = 0;
    int maxWorkers = 1;
    ThumbnailStats stats;

    bool isLive(int requester, quint64 ticket) const
    {
        const auto it = live.find(requester);
        return it != live.end() && it->second == ticket;
    }

    // Drops what is queued for the requester and stops its running decode.
    void supersedeLocked(int requester)
    {
        for (auto it = queue.begin(); it != queue.end();) {
            if ((*it)->requester == requester) {
                ++stats.droppedBeforeDecode;
                it = queue.erase(it);
            } else {
                ++it;
            }
        }
        if (const auto it = running.find(requester); it != running.end())
            it->second->cancelled = true;
    }
};

ThumbnailLoader::ThumbnailLoader(std::shared_ptr<ThumbnailCache> cache, int threads, QObject *parent)
    : QObject(parent), m_shared(std::make_shared<Shared>())
{
    m_shared->receiver = this;
    m_shared->cache = cache ? std::move(cache) : std::make_shared<ThumbnailCache>();
    m_shared->maxWorkers = threads > 0 ? threads : qBound(1, QThread::idealThreadCount(), 4);
    m_pool.setMaxThreadCount(m_shared->maxWorkers);
}

ThumbnailLoader::~ThumbnailLoader()
{
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->receiver = nullptr;
        m_shared->queue.clear();
        m_shared->prefetch.clear();
        m_shared->live.clear();
        for (auto &[requester, job] : m_shared->running)
            job->cancelled = true;
    }
    m_pool.waitForDone();
}

int ThumbnailLoader::reserveRequesters(int count)
{
    std::lock_guard lock(m_shared->mutex);
    const int first = m_shared->nextRequester;
    m_shared->nextRequester += qMax(1, count);
    return first;
}

quint64 ThumbnailLoader::request(int requester, const QString &path, QSize frame, FitMode mode)
{
    ThumbnailKey key{path, stampFile(path), frame, mode};
    quint64 ticket;
    std::optional<PhotoLoadResult> now;
    {
        std::lock_guard lock(m_shared->mutex);
        Shared &s = *m_shared;
        ++s.stats.requests;
        ticket = ++s.lastTicket;

        // The same picture already on its way: let that job answer under the new ticket.
        if (const auto it = s.running.find(requester);
            key.stamp.exists && it != s.running.end() && !it->second->cancelled && it->second->key == key) {
            it->second->ticket = ticket;
            s.live[requester] = ticket;
            for (auto q = s.queue.begin(); q != s.queue.end();) {
                if ((*q)->requester == requester) {
                    ++s.stats.droppedBeforeDecode;
                    q = s.queue.erase(q);
                } else {
                    ++q;
                }
            }
            return ticket;
        }
        for (auto &job : s.queue) {
            if (job->requester == requester && job->key == key) {
                job->ticket = ticket;
                s.live[requester] = ticket;
                return ticket;
            }
        }

        s.supersedeLocked(requester);
        s.live[requester] = ticket;

        if (!key.stamp.exists) {
            ++s.stats.missingFiles;
            now = PhotoLoadResult{};
        } else if (auto hit = s.cache->find(key)) {
            ++s.stats.cacheHits;
            now = std::move(hit);
        } else {
            auto job = std::make_shared<Shared::Job>();
            job->requester = requester;
            job->ticket = ticket;
            job->key = std::move(key);
            s.queue.push_back(std::move(job));
            s.stats.maxQueued = qMax(s.stats.maxQueued, int(s.queue.size()));
            startWorkerLocked();
        }
    }
    if (now)
        deliver(requester, ticket, *now, false);
    return ticket;
}

void ThumbnailLoader::cancel(int requester)
{
    std::lock_guard lock(m_shared->mutex);
    m_shared->supersedeLocked(requester);
    m_shared->live.erase(requester);
}

void ThumbnailLoader::cancelAll()
{
    std::lock_guard lock(m_shared->mutex);
    m_shared->stats.droppedBeforeDecode += qint64(m_shared->queue.size());
    m_shared->queue.clear();
    for (auto &[requester, job] : m_shared->running)
        job->cancelled = true;
    m_shared->live.clear();
}

void ThumbnailLoader::setDiskThumbnails(std::shared_ptr<DiskThumbnails> disk)
{
    std::lock_guard lock(m_shared->mutex);
    m_shared->disk = std::move(disk);
}

void ThumbnailLoader::prefetch(const QStringList &paths)
{
    std::lock_guard lock(m_shared->mutex);
    m_shared->prefetch.assign(paths.begin(), paths.end());
    if (m_shared->disk)
        startWorkerLocked();
}

namespace {

bool fitsDiskThumbnail(QSize frame)
{
    return frame.isValid() && !frame.isEmpty() && frame.width() <= DiskThumbnails::kSize
           && frame.height() <= DiskThumbnails::kSize;
}

// The thumbnail kept on disk for the file, made (and kept) when there is none yet.
PhotoLoadResult thumbnailFromDisk(DiskThumbnails &disk, const QString &path, const FileStamp &stamp,
                                  const CancelCheck &cancelled, bool *fromDisk)
{
    PhotoLoadResult r;
    QSize full;
    const QImage kept = disk.find(path, stamp, &full);
    if (!kept.isNull()) {
        *fromDisk = true;
        r.status = PhotoStatus::Ok;
        r.image = kept;
        r.fullSize = full.isValid() && !full.isEmpty() ? full : kept.size();
        return r;
    }
    *fromDisk = false;
    const QSize box(DiskThumbnails::kSize, DiskThumbnails::kSize);
    r = loadPhoto(path, box, cancelled);
    if (!r.ok())
        return r;
    const QSize size = fitInside(r.image.size(), box).boundedTo(r.image.size());
    if (size != r.image.size())
        r.image = r.image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // A picture that is no larger than a thumbnail is quick to read itself.
    if (r.fullSize.width() > DiskThumbnails::kSize || r.fullSize.height() > DiskThumbnails::kSize)
        disk.store(path, stamp, r.image, r.fullSize);
    return r;
}

} // namespace

void ThumbnailLoader::startWorkerLocked()
{
    Shared &s = *m_shared;
    const int pending = int(s.queue.size()) + int(s.running.size()) + (s.disk ? int(s.prefetch.size()) : 0);
    if (s.workers >= s.maxWorkers || s.workers >= pending)
        return;
    ++s.workers;
    std::shared_ptr<Shared> shared = m_shared;
    m_pool.start([shared] { work(shared); });
}

void ThumbnailLoader::work(std::shared_ptr<Shared> shared)
{
    Shared &s = *shared;
    std::unique_lock lock(s.mutex);
    for (;;) {
        if (s.queue.empty() && s.disk && !s.prefetch.empty() && s.receiver) {
            // Nothing asked for: a thumbnail for later.
            const QString path = s.prefetch.front();
            s.prefetch.pop_front();
            std::shared_ptr<DiskThumbnails> disk = s.disk;
            lock.unlock();
            const FileStamp stamp = stampFile(path);
            bool fromDisk = false;
            if (stamp.exists && stamp.regular && disk->find(path, stamp).isNull())
                thumbnailFromDisk(*disk, path, stamp, {}, &fromDisk);
            lock.lock();
            ++s.stats.prefetched;
            continue;
        }
        if (s.queue.empty() || !s.receiver) {
            --s.workers;
            s.idle.notify_all();
            return;
        }
        std::shared_ptr<Shared::Job> job = std::move(s.queue.front());
        s.queue.pop_front();
        s.running[job->requester] = job;
        ++s.stats.decodesStarted;
        s.stats.maxRunning = qMax(s.stats.maxRunning, int(s.running.size()));

        std::shared_ptr<DiskThumbnails> disk = s.disk;
        lock.unlock();

        const CancelCheck cancelled = [&job] { return job->cancelled.load(std::memory_order_relaxed); };
        PhotoLoadResult result;
        bool fromDisk = false;
        if (disk && fitsDiskThumbnail(job->key.frame)) {
            result = thumbnailFromDisk(*disk, job->key.path, job->key.stamp, cancelled, &fromDisk);
            if (result.ok()) {
                const QSize target = displaySize(result.fullSize, job->key.frame, job->key.mode);
                if (!target.isEmpty() && target != result.image.size())
                    result.image = result.image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            }
        } else {
            result = loadPhotoForFrame(job->key.path, job->key.frame, job->key.mode, cancelled);
        }
        // The file may have changed while it was read; such a result is not cached under the old stamp.
        const bool unchanged = stampFile(job->key.path) == job->key.stamp;
        if (!result.cancelled && unchanged)
            s.cache->insert(job->key, result);

        lock.lock();
        if (fromDisk)
            ++s.stats.fromDisk;
        if (const auto it = s.running.find(job->requester); it != s.running.end() && it->second == job)
            s.running.erase(it);
        if (result.cancelled) {
            ++s.stats.decodesAbandoned;
        } else if (!s.receiver || !s.isLive(job->requester, job->ticket)) {
            ++s.stats.decodesStale;
        } else {
            // Posted while holding the lock: the loader cannot be destroyed in between, and if it
            // is destroyed before the event runs, Qt discards the event with it.
            ThumbnailLoader *receiver = s.receiver;
            QMetaObject::invokeMethod(
                receiver,
                [receiver, requester = job->requester, ticket = job->ticket, result = std::move(result)] {
                    receiver->deliver(requester, ticket, result, true);
                },
                Qt::QueuedConnection);
        }
        s.idle.notify_all();
    }
}

void ThumbnailLoader::deliver(int requester, quint64 ticket, const PhotoLoadResult &result, bool decoded)
{
    {
        std::lock_guard lock(m_shared->mutex);
        // Checked again here: the user may have moved on after the worker posted the result.
        const bool live = m_shared->isLive(requester, ticket);
        if (decoded)
            ++(live ? m_shared->stats.decodesDelivered : m_shared->stats.decodesStale);
        if (!live)
            return;
        m_shared->live.erase(requester);
    }
    emit ready(requester, ticket, result);
}

PhotoLoadResult ThumbnailLoader::loadNow(const QString &path, QSize frame, FitMode mode)
{
    ThumbnailKey key{path, stampFile(path), frame, mode};
    if (!key.stamp.exists)
        return PhotoLoadResult{};
    if (auto hit = m_shared->cache->find(key))
        return *hit;
    {
        std::lock_guard lock(m_shared->mutex);
        ++m_shared->stats.decodesStarted;
    }
    PhotoLoadResult result = loadPhotoForFrame(path, frame, mode);
    if (stampFile(path) == key.stamp)
        m_shared->cache->insert(key, result);
    return result;
}

int ThumbnailLoader::queuedCount() const
{
    std::lock_guard lock(m_shared->mutex);
    return int(m_shared->queue.size());
}

int ThumbnailLoader::runningCount() const
{
    std::lock_guard lock(m_shared->mutex);
    return int(m_shared->running.size());
}

bool ThumbnailLoader::waitForIdle(int msecs)
{
    std::unique_lock lock(m_shared->mutex);
    const auto done = [this] { return m_shared->queue.empty() && m_shared->workers == 0; };
    if (msecs < 0) {
        m_shared->idle.wait(lock, done);
        return true;
    }
    return m_shared->idle.wait_for(lock, std::chrono::milliseconds(msecs), done);
}

ThumbnailStats ThumbnailLoader::stats() const
{
    std::lock_guard lock(m_shared->mutex);
    return m_shared->stats;
}

void ThumbnailLoader::resetStats()
{
    std::lock_guard lock(m_shared->mutex);
    m_shared->stats = ThumbnailStats{};
}

ThumbnailCache &ThumbnailLoader::cache()
{
    return *m_shared->cache;
}

std::shared_ptr<ThumbnailCache> ThumbnailLoader::sharedCache() const
{
    return m_shared->cache;
}

} // namespace vindel
