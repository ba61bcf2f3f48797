#include "photos/VisiblePictures.h"

#include "photos/Placeholders.h"
#include "photos/ThumbnailLoader.h"

#include <QSet>

namespace vindel {

VisiblePictures::VisiblePictures(ThumbnailLoader &loader, int requesters, QSize frame, QObject *parent)
    : QObject(parent), m_loader(loader), m_requesters(requesters),
      m_firstRequester(loader.reserveRequesters(requesters)), m_frame(frame)
{
    connect(&m_loader, &ThumbnailLoader::ready, this, &VisiblePictures::onReady);
}

VisiblePictures::~VisiblePictures() { clear(); }

void VisiblePictures::clear()
{
    for (int i = 0; i < m_requesters; ++i)
        m_loader.cancel(m_firstRequester + i);
    m_keyOfRequester.clear();
    m_pictures.clear();
}

// A requester that served a cell now out of sight serves another, which drops what it still had
// queued.
void VisiblePictures::show(const std::vector<Cell> &inSight, const std::function<bool(int)> &keep)
{
    QSet<int> sight;
    for (const Cell &cell : inSight)
        sight.insert(cell.first);
    for (auto it = m_pictures.begin(); it != m_pictures.end();) {
        if (sight.contains(it.key()) || (keep && keep(it.key())))
            ++it;
        else
            it = m_pictures.erase(it);
    }
    int requester = 0;
    for (const auto &[key, path] : inSight) {
        if (m_pictures.contains(key) || path.isEmpty() || requester >= m_requesters)
            continue;
        const int r = m_firstRequester + requester++;
        m_keyOfRequester.insert(r, key);
        m_loader.request(r, path, m_frame, FitMode::Stretch);
    }
    // Requesters not used this time ask for nothing any more.
    for (int i = requester; i < m_requesters; ++i) {
        m_loader.cancel(m_firstRequester + i);
        m_keyOfRequester.remove(m_firstRequester + i);
    }
}

void VisiblePictures::onReady(int requester, quint64, const PhotoLoadResult &result)
{
    const auto it = m_keyOfRequester.constFind(requester);
    if (it == m_keyOfRequester.cend())
        return;
    const int key = *it;
    // A file that cannot be read shows the photo-missing placeholder, made once; no message on
    // every repaint.
    m_pictures.insert(key, result.ok() ? result.image : placeholderImage(Placeholder::PhotoMissing));
    emit arrived(key);
}

} // namespace vindel
