#pragma once

#include <QImage>
#include <cstddef>

namespace vindel {

// The EXIF orientation (1 to 8) in the payload of an APP1 segment ("Exif\0\0" followed by a TIFF
// header); 1 when the segment is not EXIF, holds no orientation, or is malformed. Never reads
// outside [data, data + size).
int exifOrientationFromApp1(const unsigned char *data, std::size_t size);

// The same for a bare TIFF structure (the part after "Exif\0\0").
int exifOrientationFromTiff(const unsigned char *data, std::size_t size);

// True when the orientation swaps width and height (5 to 8).
bool orientationSwapsAxes(int orientation);

// Turns a picture stored in the given orientation upright.
QImage applyExifOrientation(const QImage &image, int orientation);

} // namespace vindel
