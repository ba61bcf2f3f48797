#pragma once

#include <QImage>
#include <QString>

namespace vindel {

// A QR code of the text (error correction M), one pixel per module, black on white, with the
// quiet zone of four modules around it; a null image when the text cannot be encoded.
QImage qrCodeImage(const QString &text);

} // namespace vindel
