#include "labels/QrCode.h"

#include <qrencode.h>

#include <memory>

namespace vindel {

QImage qrCodeImage(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    std::unique_ptr<QRcode, decltype(&QRcode_free)> code(QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_M,
                                                                              QR_MODE_8, 1),
                                                         &QRcode_free);
    if (!code)
        return {};
    constexpr int quiet = 4;
    const int modules = code->width;
    QImage image(modules + 2 * quiet, modules + 2 * quiet, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < modules; ++y)
        for (int x = 0; x < modules; ++x)
            if (code->data[y * modules + x] & 1)
                image.setPixel(x + quiet, y + quiet, qRgb(0, 0, 0));
    return image;
}

} // namespace vindel
