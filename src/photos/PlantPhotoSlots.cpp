#include "photos/PlantPhotoSlots.h"

namespace vindel {

PlantPhotoSlots::PlantPhotoSlots(ThumbnailLoader &loader, QObject *parent)
    : QObject(parent), m_loader(loader), m_firstRequester(loader.reserveRequesters(kPhotoSlotCount))
{
    m_states.fill(SlotState::Empty);
    connect(&m_loader, &ThumbnailLoader::ready, this, &PlantPhotoSlots::onReady);
}

PlantPhotoSlots::~PlantPhotoSlots()
{
    cancel();
}

void PlantPhotoSlots::setFrameSize(int slot, QSize frame)
{
    if (slot >= 1 && slot <= kPhotoSlotCount)
        m_frames[std::size_t(slot - 1)] = frame;
}

QSize PlantPhotoSlots::frameSize(int slot) const
{
    return slot >= 1 && slot <= kPhotoSlotCount ? m_frames[std::size_t(slot - 1)] : QSize();
}

void PlantPhotoSlots::showPlant(const PhotoStore &store, const QStringList &columns)
{
    m_store = store;
    m_columns = columns;
    for (const PhotoSlot &slot : photoSlots())
        show(slot);
}

void PlantPhotoSlots::reshowSlot(int slot)
{
    if (slot >= 1 && slot <= kPhotoSlotCount)
        show(photoSlot(slot));
}

void PlantPhotoSlots::showPlaceholder(int slot)
{
    if (slot < 1 || slot > kPhotoSlotCount)
        return;
    m_loader.cancel(m_firstRequester + slot - 1);
    set(slot, SlotState::Empty);
}

void PlantPhotoSlots::show(const PhotoSlot &slot)
{
    const int i = slot.number - 1;
    const int requester = m_firstRequester + i;
    const QString value = i < m_columns.size() ? m_columns.at(i) : QString();
    if (value.isEmpty()) {
        m_loader.cancel(requester);
        set(slot.number, SlotState::Empty);
        return;
    }
    const auto path = m_store.resolve(value);
    if (!path) {
        m_loader.cancel(requester);
        set(slot.number, SlotState::Missing);
        return;
    }
    if (m_synchronous) {
        m_loader.cancel(requester);
        const PhotoLoadResult r = m_loader.loadNow(*path, m_frames[std::size_t(i)], slot.fit);
        set(slot.number, slotStateFor(r), r.image);
        return;
    }
    // A cached picture arrives inside request(); then the slot is no longer Loading.
    m_states[std::size_t(i)] = SlotState::Loading;
    m_pictures[std::size_t(i)] = QImage();
    m_loader.request(requester, *path, m_frames[std::size_t(i)], slot.fit);
    if (m_states[std::size_t(i)] == SlotState::Loading)
        emit slotChanged(slot.number, QImage(), SlotState::Loading);
}

void PlantPhotoSlots::cancel()
{
    for (int i = 0; i < kPhotoSlotCount; ++i)
        m_loader.cancel(m_firstRequester + i);
}

void PlantPhotoSlots::onReady(int requester, quint64, const PhotoLoadResult &result)
{
    const int i = requester - m_firstRequester;
    if (i < 0 || i >= kPhotoSlotCount)
        return;
    set(i + 1, slotStateFor(result), result.image);
}

void PlantPhotoSlots::set(int slot, SlotState state, const QImage &photo)
{
    const auto i = std::size_t(slot - 1);
    m_states[i] = state;
    m_pictures[i] = slotPicture(slot, state, photo);
    emit slotChanged(slot, m_pictures[i], state);
}

SlotState PlantPhotoSlots::state(int slot) const
{
    return slot >= 1 && slot <= kPhotoSlotCount ? m_states[std::size_t(slot - 1)] : SlotState::Empty;
}

QImage PlantPhotoSlots::picture(int slot) const
{
    return slot >= 1 && slot <= kPhotoSlotCount ? m_pictures[std::size_t(slot - 1)] : QImage();
}

} // namespace vindel
