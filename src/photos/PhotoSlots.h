#pragma once

#include "photos/PhotoDisplay.h"
#include "photos/PhotoLoader.h"
#include "photos/Placeholders.h"

#include <QImage>
#include <QString>
#include <array>

namespace vindel {

// The seven photo slots of a plant: six own photos on the main view, the literature photo on the
// details page.
struct PhotoSlot {
    int number;               // 1 to 7
    const char *column;       // "Bild1" ... "Bild7"
    const char *imageName;    // objectName of the picture control
    Placeholder whenEmpty;
    FitMode fit;
};

constexpr int kPhotoSlotCount = 7;
constexpr int kLiteratureSlot = 7;

const std::array<PhotoSlot, kPhotoSlotCount> &photoSlots();
// Slot 1 to 7; anything else gives slot 1.
const PhotoSlot &photoSlot(int number);

// What a slot is showing.
enum class SlotState {
    Empty,    // column empty: the slot's own-photo or foreign-photo placeholder
    Photo,    // the photo
    Missing,  // named file not in the photo folder (or the name is not usable): photo-missing placeholder
    Damaged,  // file there but unreadable: photo-missing placeholder as well, no message
    Loading,  // decoding in the background; no picture yet
};

// The picture a slot shows for a load result (Empty and Loading are decided before loading).
QImage slotPicture(int slot, SlotState state, const QImage &photo = QImage());
SlotState slotStateFor(const PhotoLoadResult &result);

} // namespace vindel
