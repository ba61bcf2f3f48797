#pragma once

#include "photos/PhotoDisplay.h"
#include "photos/PhotoLoader.h"

#include <QHash>
#include <QSize>
#include <QString>
#include <list>
#include <memory>
#include <mutex>
#include <optional>

namespace vindel {

// What identifies a version of a file on disk. A photo stored anew under the same name gets a new
// inode (it is written to a temporary file and renamed), so even a same-size, same-second
// replacement is told apart.
struct FileStamp {
    bool exists = false;
    bool regular = false;
    qint64 size = 0;
    qint64 mtimeNs = 0;
    quint64 inode = 0;
    quint64 device = 0;
    bool operator==(const FileStamp &) const = default;
};

FileStamp stampFile(const QString &path);

struct ThumbnailKey {
    QString path;
    FileStamp stamp;
    QSize frame;
    FitMode mode = FitMode::Stretch;
    bool operator==(const ThumbnailKey &) const = default;
};

size_t qHash(const ThumbnailKey &key, size_t seed = 0) noexcept;

// Decoded pictures as shown in their frames, least recently used dropped first once the budget
// (bytes of pixel data) is exceeded. Results for damaged files are kept too (cheaply), so a broken
// file is not decoded again on every visit. Thread-safe.
class ThumbnailCache {
public:
    static constexpr qint64 kDefaultBudget = 48ll * 1024 * 1024;

    explicit ThumbnailCache(qint64 budgetBytes = kDefaultBudget);

    std::optional<PhotoLoadResult> find(const ThumbnailKey &key);
    void insert(const ThumbnailKey &key, const PhotoLoadResult &result);
    // Drops every entry of this file, whatever its stamp and frame.
    void invalidate(const QString &path);
    void clear();

    void setBudget(qint64 budgetBytes);
    qint64 budget() const;
    qint64 bytes() const;
    int count() const;
    qint64 hits() const;
    qint64 misses() const;

private:
    struct Entry {
        ThumbnailKey key;
        PhotoLoadResult result;
        qint64 bytes;
    };
    static qint64 costOf(const PhotoLoadResult &result);
    void trimLocked();

    mutable std::mutex m_mutex;
    std::list<Entry> m_lru; // front: most recently used
    QHash<ThumbnailKey, std::list<Entry>::iterator> m_index;
    qint64 m_budget;
    qint64 m_bytes = 0;
    qint64 m_hits = 0;
    qint64 m_misses = 0;
};

} // namespace vindel
