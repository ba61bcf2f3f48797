#include "photos/PhotoSlots.h"

namespace vindel {

const std::array<PhotoSlot, kPhotoSlotCount> &photoSlots()
{
    static const std::array<PhotoSlot, kPhotoSlotCount> table{{
        {1, "Bild1", "Image1", Placeholder::OwnPhoto, FitMode::Stretch},
        {2, "Bild2", "Image2", Placeholder::OwnPhoto, FitMode::Stretch},
        {3, "Bild3", "Image4", Placeholder::OwnPhoto, FitMode::Stretch},
        {4, "Bild4", "Image6", Placeholder::OwnPhoto, FitMode::Stretch},
        {5, "Bild5", "Image7", Placeholder::OwnPhoto, FitMode::Stretch},
        {6, "Bild6", "Image8", Placeholder::OwnPhoto, FitMode::Stretch},
        {7, "Bild7", "Image9", Placeholder::ForeignPhoto, FitMode::ShrinkOnly},
    }};
    return table;
}

const PhotoSlot &photoSlot(int number)
{
    if (number < 1 || number > kPhotoSlotCount)
        number = 1;
    return photoSlots()[std::size_t(number - 1)];
}

SlotState slotStateFor(const PhotoLoadResult &result)
{
    switch (result.status) {
    case PhotoStatus::Ok: return SlotState::Photo;
    case PhotoStatus::Missing: return SlotState::Missing;
    case PhotoStatus::Damaged: break;
    }
    return SlotState::Damaged;
}

QImage slotPicture(int slot, SlotState state, const QImage &photo)
{
    switch (state) {
    case SlotState::Empty: return placeholderImage(photoSlot(slot).whenEmpty);
    case SlotState::Photo: return photo;
    case SlotState::Missing:
    case SlotState::Damaged: return placeholderImage(Placeholder::PhotoMissing);
    case SlotState::Loading: break;
    }
    return QImage();
}

} // namespace vindel
