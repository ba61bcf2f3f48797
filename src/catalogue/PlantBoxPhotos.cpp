#include "catalogue/PlantBoxPhotos.h"

#include "app/AppContext.h"
#include "photos/PhotoServices.h"
#include "photos/PhotoView.h"
#include "photos/ThumbnailCache.h"

namespace vindel {

PlantBoxPhotos::PlantBoxPhotos(AppContext &context, const std::array<PhotoView *, 6> &thumbnails, QObject *parent)
    : QObject(parent), ctx(context), m_slots(photoServices(context).currentPlant()), m_thumbnails(thumbnails)
{
    connect(&m_slots, &PlantPhotoSlots::slotChanged, this,
            [this](int slot, const QImage &picture, SlotState state) { apply(slot, picture, state); });
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] { request(); });
    m_reframe.setSingleShot(true);
    m_reframe.setInterval(150);
    connect(&m_reframe, &QTimer::timeout, this, [this] { reframe(); });
    for (PhotoView *view : m_thumbnails)
        connect(view, &PhotoView::resized, &m_reframe, qOverload<>(&QTimer::start));
}

PlantBoxPhotos::~PlantBoxPhotos() { m_slots.cancel(); }

void PlantBoxPhotos::show(const QStringList &columns)
{
    const QString folder = ctx.state.PhotoDir;
    const bool samePlant = columns == m_columns && folder == m_folder;
    if (samePlant && m_settle.isActive())
        return; // still waiting for the list to rest
    bool rapid = false;
    if (!samePlant) {
        rapid = m_keyRepeating || (m_lastPlantChange.isValid() && m_lastPlantChange.elapsed() < kSettleMs);
        m_lastPlantChange.start();
    }
    m_columns = columns;
    m_folder = folder;
    if (rapid && !m_slots.isSynchronous() && !allAtHand(columns)) {
        // Moving on quickly: nothing is decoded for plants passed by.
        m_slots.cancel();
        for (int slot = 1; slot <= kPhotoSlotCount; ++slot)
            apply(slot, QImage(), SlotState::Loading);
        m_settle.start();
        return;
    }
    request();
}

void PlantBoxPhotos::keyReleased()
{
    if (!m_keyRepeating)
        return;
    m_keyRepeating = false;
    if (m_settle.isActive())
        request();
}

void PlantBoxPhotos::request()
{
    m_settle.stop();
    for (size_t i = 0; i < m_thumbnails.size(); ++i)
        m_slots.setFrameSize(int(i) + 1, m_thumbnails[i]->frameInDevicePixels());
    m_slots.showPlant(PhotoStore(m_folder), m_columns);
}

// Thumbnails that changed size get pictures made for their new frames.
void PlantBoxPhotos::reframe()
{
    if (m_settle.isActive() || m_columns.isEmpty())
        return;
    for (size_t i = 0; i < m_thumbnails.size(); ++i) {
        const QSize frame = m_thumbnails[i]->frameInDevicePixels();
        if (!frame.isEmpty() && frame != m_slots.frameSize(int(i) + 1)) {
            request();
            return;
        }
    }
}

void PlantBoxPhotos::apply(int slot, const QImage &picture, SlotState state)
{
    if (slot >= 1 && slot <= int(m_thumbnails.size()))
        m_thumbnails[size_t(slot - 1)]->setPicture(picture, state);
}

// Every photo of the plant can be shown without decoding: empty, missing, or in the cache.
bool PlantBoxPhotos::allAtHand(const QStringList &columns) const
{
    const PhotoStore store(ctx.state.PhotoDir);
    ThumbnailCache &cache = photoServices(ctx).loader().cache();
    for (int i = 0; i < columns.size() && i < kPhotoSlotCount; ++i) {
        if (columns[i].isEmpty())
            continue;
        const auto path = store.resolve(columns[i]);
        if (!path)
            continue;
        const FileStamp stamp = stampFile(*path);
        if (!stamp.exists)
            continue;
        const PhotoSlot &slot = photoSlots()[size_t(i)];
        if (!cache.find(ThumbnailKey{*path, stamp, m_slots.frameSize(slot.number), slot.fit}))
            return false;
    }
    return true;
}

} // namespace vindel
