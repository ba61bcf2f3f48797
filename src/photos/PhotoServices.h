#pragma once

#include "app/AppContext.h"
#include "photos/PlantPhotoSlots.h"
#include "photos/ThumbnailLoader.h"

#include <memory>

namespace vindel {

// The photo machinery the whole program shares: one thumbnail loader with its cache, and the
// seven photos of the plant on show, which the main view (slots 1 to 6) and the details page
// (slot 7) each paint into their own controls.
class PhotoServices {
public:
    PhotoServices();
    ~PhotoServices();
    PhotoServices(const PhotoServices &) = delete;
    PhotoServices &operator=(const PhotoServices &) = delete;

    ThumbnailLoader &loader() { return *m_loader; }
    PlantPhotoSlots &currentPlant() { return *m_currentPlant; }

private:
    std::unique_ptr<ThumbnailLoader> m_loader;
    std::unique_ptr<PlantPhotoSlots> m_currentPlant;
};

inline PhotoServices &photoServices(AppContext &ctx) { return ctx.service<PhotoServices>(); }

} // namespace vindel
