#include "photos/ExifOrientation.h"

#include <QTransform>
#include <cstdint>
#include <cstring>
#include <optional>

namespace vindel {

namespace {

class TiffReader {
public:
    TiffReader(const unsigned char *data, std::size_t size, bool littleEndian)
        : m_data(data), m_size(size), m_le(littleEndian) {}

    std::optional<std::uint16_t> u16(std::size_t offset) const
    {
        if (offset > m_size || m_size - offset < 2)
            return std::nullopt;
        const unsigned char *p = m_data + offset;
        return m_le ? std::uint16_t(p[0] | (p[1] << 8)) : std::uint16_t((p[0] << 8) | p[1]);
    }

    std::optional<std::uint32_t> u32(std::size_t offset) const
    {
        if (offset > m_size || m_size - offset < 4)
            return std::nullopt;
        const unsigned char *p = m_data + offset;
        if (m_le)
            return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
        return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | std::uint32_t(p[3]);
    }

private:
    const unsigned char *m_data;
    std::size_t m_size;
    bool m_le;
};

constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kTypeShort = 3;
constexpr std::uint16_t kTypeLong = 4;
constexpr std::size_t kEntrySize = 12;

} // namespace

int exifOrientationFromTiff(const unsigned char *data, std::size_t size)
{
    if (!data || size < 8)
        return 1;
    bool le;
    if (data[0] == 'I' && data[1] == 'I')
        le = true;
    else if (data[0] == 'M' && data[1] == 'M')
        le = false;
    else
        return 1;
    const TiffReader r(data, size, le);
    if (r.u16(2) != 42)
        return 1;
    const auto ifd = r.u32(4);
    if (!ifd || *ifd < 8 || *ifd >= size)
        return 1;
    const auto count = r.u16(*ifd);
    if (!count)
        return 1;
    const std::size_t first = std::size_t(*ifd) + 2;
    for (std::size_t i = 0; i < *count; ++i) {
        const std::size_t entry = first + i * kEntrySize;
        if (entry > size || size - entry < kEntrySize)
            break;
        if (r.u16(entry) != kOrientationTag)
            continue;
        const auto type = r.u16(entry + 2);
        const auto n = r.u32(entry + 4);
        if (!type || !n || *n < 1)
            return 1;
        std::uint32_t value = 0;
        if (*type == kTypeShort)
            value = *r.u16(entry + 8);
        else if (*type == kTypeLong)
            value = *r.u32(entry + 8);
        else
            return 1;
        return value >= 1 && value <= 8 ? int(value) : 1;
    }
    return 1;
}

int exifOrientationFromApp1(const unsigned char *data, std::size_t size)
{
    static const unsigned char header[6] = {'E', 'x', 'i', 'f', 0, 0};
    if (!data || size < sizeof header || std::memcmp(data, header, sizeof header) != 0)
        return 1;
    return exifOrientationFromTiff(data + sizeof header, size - sizeof header);
}

bool orientationSwapsAxes(int orientation)
{
    return orientation >= 5 && orientation <= 8;
}

QImage applyExifOrientation(const QImage &image, int orientation)
{
    if (image.isNull())
        return image;
    switch (orientation) {
    case 2: return image.mirrored(true, false);
    case 3: return image.transformed(QTransform().rotate(180));
    case 4: return image.mirrored(false, true);
    case 5: return image.mirrored(false, true).transformed(QTransform().rotate(90));
    case 6: return image.transformed(QTransform().rotate(90));
    case 7: return image.mirrored(true, false).transformed(QTransform().rotate(90));
    case 8: return image.transformed(QTransform().rotate(270));
    default: return image;
    }
}

} // namespace vindel
