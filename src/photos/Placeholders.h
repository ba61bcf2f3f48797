#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace vindel {

// The pictures a slot shows instead of a photo: empty own-photo slot, empty literature slot, and
// a photo that is not in the photo folder (or cannot be read).
enum class Placeholder { OwnPhoto, ForeignPhoto, PhotoMissing };

QString placeholderText(Placeholder which);
QSize placeholderSize(Placeholder which);

// Built once on first use (needs a QGuiApplication for the lettering), then shared; QImage is
// implicitly shared, so copies cost nothing.
const QImage &placeholderImage(Placeholder which);

} // namespace vindel
