#pragma once

#include "photos/PhotoSlots.h"
#include "photos/PhotoStore.h"
#include "photos/ThumbnailLoader.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QStringList>
#include <array>

namespace vindel {

// The seven photo slots of the plant on show. showPlant() answers every slot through
// slotChanged(): placeholders and cached photos at once, decoded photos as they arrive. Showing
// the next plant supersedes everything still pending for the previous one, so nothing of a plant
// the user has left is ever shown and no more than seven decodes wait at any time.
class PlantPhotoSlots : public QObject {
    Q_OBJECT
public:
    explicit PlantPhotoSlots(ThumbnailLoader &loader, QObject *parent = nullptr);
    ~PlantPhotoSlots() override;

    // The frame a slot's picture is shown in, in device pixels. A frame not set (or empty)
    // asks for the full picture.
    void setFrameSize(int slot, QSize frame);
    QSize frameSize(int slot) const;

    // Decode in the calling thread and answer every slot before showPlant() returns (tests,
    // printing).
    void setSynchronous(bool on) { m_synchronous = on; }
    bool isSynchronous() const { return m_synchronous; }

    // columns: the stored values of Bild1 ... Bild7 (missing entries count as empty).
    void showPlant(const PhotoStore &store, const QStringList &columns);
    // Asks for the slot's photo of the plant on show again (its frame changed).
    void reshowSlot(int slot);
    // The slot shows its empty-column placeholder (the photo menu found no photo to offer).
    void showPlaceholder(int slot);
    // Stops everything pending; the slots keep what they show.
    void cancel();

    SlotState state(int slot) const;
    // The picture the slot shows now (null while Loading).
    QImage picture(int slot) const;

signals:
    void slotChanged(int slot, const QImage &picture, vindel::SlotState state);

private:
    void onReady(int requester, quint64 ticket, const PhotoLoadResult &result);
    void set(int slot, SlotState state, const QImage &photo = QImage());
    void show(const PhotoSlot &slot);

    ThumbnailLoader &m_loader;
    int m_firstRequester;
    bool m_synchronous = false;
    std::array<QSize, kPhotoSlotCount> m_frames{};
    std::array<SlotState, kPhotoSlotCount> m_states{};
    std::array<QImage, kPhotoSlotCount> m_pictures{};
    PhotoStore m_store;
    QStringList m_columns;
};

} // namespace vindel
