#include "photos/PhotoServices.h"

namespace vindel {

PhotoServices::PhotoServices()
    : m_loader(std::make_unique<ThumbnailLoader>()), m_currentPlant(std::make_unique<PlantPhotoSlots>(*m_loader))
{
    m_loader->setDiskThumbnails(std::make_shared<DiskThumbnails>());
}

// The slots go first: they cancel what they asked the loader for.
PhotoServices::~PhotoServices()
{
    m_currentPlant.reset();
    m_loader.reset();
}

} // namespace vindel
