#pragma once

#include "photos/PhotoDisplay.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

namespace vindel {

class ThumbnailLoader;
struct PhotoLoadResult;

// The pictures of a grid's cells in sight, through the shared thumbnail loader: one request per
// cell in sight, so that scrolling replaces what is stale instead of queueing behind it. A cell is
// named by a key of the grid's choosing; a picture is kept while its cell stays near sight.
class VisiblePictures : public QObject {
    Q_OBJECT
public:
    // requesters: more than the cells a screen can show; frame: the size pictures are made for.
    VisiblePictures(ThumbnailLoader &loader, int requesters, QSize frame, QObject *parent = nullptr);
    ~VisiblePictures() override;

    using Cell = std::pair<int, QString>; // key, photo file
    // Asks for the cells in sight that have no picture yet; pictures of other cells are let go
    // unless keep(key) says they are near sight.
    void show(const std::vector<Cell> &inSight, const std::function<bool(int key)> &keep);
    // Forgets every picture and request (the cells changed).
    void clear();

    // The picture of a cell: the photo, or the photo-missing placeholder for a file that is gone
    // or cannot be read; null while it is on its way.
    QImage picture(int key) const { return m_pictures.value(key); }

signals:
    void arrived(int key);

private:
    void onReady(int requester, quint64 ticket, const PhotoLoadResult &result);

    ThumbnailLoader &m_loader;
    const int m_requesters;
    const int m_firstRequester;
    const QSize m_frame;
    QHash<int, int> m_keyOfRequester;
    QHash<int, QImage> m_pictures;
};

} // namespace vindel
