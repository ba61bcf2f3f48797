#include "photos/Placeholders.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace vindel {

namespace {

QImage buildPlaceholder(Placeholder which)
{
    const QSize size = placeholderSize(which);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);

    // The photo-missing picture is strictly two-coloured, so its lettering is not smoothed.
    const bool twoColours = which == Placeholder::PhotoMissing;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setStyleStrategy(twoColours ? QFont::NoAntialias : QFont::PreferAntialias);

    const QString text = placeholderText(which);
    const QRect box = QRect(QPoint(0, 0), size).adjusted(size.width() / 12, size.height() / 8,
                                                          -size.width() / 12, -size.height() / 8);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    int pixels = size.height() / 5;
    for (; pixels > 8; pixels -= 2) {
        font.setPixelSize(pixels);
        const QRect need = QFontMetrics(font).boundingRect(box, flags, text);
        if (need.width() <= box.width() && need.height() <= box.height())
            break;
    }
    font.setPixelSize(pixels);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, !twoColours);
    p.setRenderHint(QPainter::TextAntialiasing, !twoColours);
    p.setPen(Qt::black);
    p.setFont(font);
    p.drawText(box, flags, text);
    p.end();
    return image;
}

} // namespace

QString placeholderText(Placeholder which)
{
    switch (which) {
    case Placeholder::OwnPhoto: return QStringLiteral("Mein Foto");
    case Placeholder::ForeignPhoto: return QStringLiteral("Fremd Foto");
    case Placeholder::PhotoMissing: return QStringLiteral("Foto nicht im Speicherverzeichnis gefunden");
    }
    return QString();
}

QSize placeholderSize(Placeholder which)
{
    return which == Placeholder::PhotoMissing ? QSize(840, 525) : QSize(700, 500);
}

const QImage &placeholderImage(Placeholder which)
{
    static const QImage own = buildPlaceholder(Placeholder::OwnPhoto);
    static const QImage foreign = buildPlaceholder(Placeholder::ForeignPhoto);
    static const QImage missing = buildPlaceholder(Placeholder::PhotoMissing);
    switch (which) {
    case Placeholder::OwnPhoto: return own;
    case Placeholder::ForeignPhoto: return foreign;
    case Placeholder::PhotoMissing: break;
    }
    return missing;
}

} // namespace vindel
