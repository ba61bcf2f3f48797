#include "photos/ThumbnailCache.h"

#include <QFile>
#include <QHashFunctions>

#include <sys/stat.h>

namespace vindel {

FileStamp stampFile(const QString &path)
{
    FileStamp s;
    if (path.isEmpty())
        return s;
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return s;
    s.exists = true;
    s.regular = S_ISREG(st.st_mode);
    s.size = qint64(st.st_size);
    s.mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000ll + qint64(st.st_mtim.tv_nsec);
    s.inode = quint64(st.st_ino);
    s.device = quint64(st.st_dev);
    return s;
}

size_t qHash(const ThumbnailKey &key, size_t seed) noexcept
{
    return qHashMulti(seed, key.path, key.stamp.size, key.stamp.mtimeNs, key.stamp.inode, key.frame.width(),
                      key.frame.height(), int(key.mode));
}

ThumbnailCache::ThumbnailCache(qint64 budgetBytes) : m_budget(budgetBytes) {}

qint64 ThumbnailCache::costOf(const PhotoLoadResult &result)
{
    return qint64(result.image.sizeInBytes()) + 256 + result.error.size() * 2;
}

std::optional<PhotoLoadResult> ThumbnailCache::find(const ThumbnailKey &key)
{
    std::lock_guard lock(m_mutex);
    const auto it = m_index.constFind(key);
    if (it == m_index.constEnd()) {
        ++m_misses;
        return std::nullopt;
    }
    m_lru.splice(m_lru.begin(), m_lru, it.value());
    ++m_hits;
    return it.value()->result;
}

void ThumbnailCache::insert(const ThumbnailKey &key, const PhotoLoadResult &result)
{
    if (result.cancelled || result.status == PhotoStatus::Missing)
        return;
    const qint64 cost = costOf(result);
    std::lock_guard lock(m_mutex);
    if (const auto it = m_index.constFind(key); it != m_index.constEnd()) {
        m_bytes -= it.value()->bytes;
        m_lru.erase(it.value());
        m_index.remove(key);
    }
    if (cost > m_budget)
        return;
    m_lru.push_front(Entry{key, result, cost});
    m_index.insert(key, m_lru.begin());
    m_bytes += cost;
    trimLocked();
}

void ThumbnailCache::trimLocked()
{
    while (m_bytes > m_budget && !m_lru.empty()) {
        const Entry &last = m_lru.back();
        m_bytes -= last.bytes;
        m_index.remove(last.key);
        m_lru.pop_back();
    }
}

void ThumbnailCache::invalidate(const QString &path)
{
    std::lock_guard lock(m_mutex);
    for (auto it = m_lru.begin(); it != m_lru.end();) {
        if (it->key.path == path) {
            m_bytes -= it->bytes;
            m_index.remove(it->key);
            it = m_lru.erase(it);
        } else {
            ++it;
        }
    }
}

void ThumbnailCache::clear()
{
    std::lock_guard lock(m_mutex);
    m_lru.clear();
    m_index.clear();
    m_bytes = 0;
}

void ThumbnailCache::setBudget(qint64 budgetBytes)
{
    std::lock_guard lock(m_mutex);
    m_budget = budgetBytes;
    trimLocked();
}

qint64 ThumbnailCache::budget() const { std::lock_guard lock(m_mutex); return m_budget; }
qint64 ThumbnailCache::bytes() const { std::lock_guard lock(m_mutex); return m_bytes; }
int ThumbnailCache::count() const { std::lock_guard lock(m_mutex); return int(m_lru.size()); }
qint64 ThumbnailCache::hits() const { std::lock_guard lock(m_mutex); return m_hits; }
qint64 ThumbnailCache::misses() const { std::lock_guard lock(m_mutex); return m_misses; }

} // namespace vindel
