#include "reports/engine/ReportRenderer.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include <cmath>

namespace vindel::report {

QImage QtPictureLoader::load(const QString &path, QSize pixels)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid() && pixels.isValid() && full.width() > pixels.width() * 2 && full.height() > pixels.height() * 2)
        reader.setScaledSize(full.scaled(pixels, Qt::KeepAspectRatioByExpanding));
    return reader.read();
}

Renderer::Renderer(std::shared_ptr<PictureLoader> pictures)
    : m_pictures(pictures ? std::move(pictures) : std::make_shared<QtPictureLoader>()), m_cache(64 * 1024 * 1024)
{
}

QImage Renderer::pictureFor(const PictureRef &ref, QSize pixels)
{
    if (ref.path.isEmpty())
        return ref.fallback;
    const QString key = ref.path + QLatin1Char('|') + QString::number(pixels.width()) + QLatin1Char('x')
                        + QString::number(pixels.height());
    if (const QImage *cached = m_cache.object(key))
        return *cached;
    // A photo that is gone or cannot be read prints its placeholder; the report goes on.
    QImage image = QFileInfo(ref.path).isFile() ? m_pictures->load(ref.path, pixels) : QImage();
    if (image.isNull())
        image = ref.fallback;
    m_cache.insert(key, new QImage(image), int(std::min<qint64>(image.sizeInBytes(), INT_MAX)));
    return image;
}

void Renderer::paintPage(QPainter &painter, const Page &page, double scale)
{
    painter.save();
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double pictureScale = std::min(scale, kMaxPictureDpi / kLayoutDpi);
    QPen pen(Qt::black);
    pen.setWidthF(1.0);
    for (const Placed &x : page.elements) {
        painter.setPen(pen);
        switch (x.kind) {
        case ElementKind::Rule:
            painter.drawLine(QPointF(x.rect.left(), x.rect.top()), QPointF(x.rect.right() + 1, x.rect.top()));
            break;
        case ElementKind::Frame:
            painter.drawRect(QRectF(x.rect).adjusted(0, 0, -1, -1));
            break;
        case ElementKind::Picture: {
            const QSize pixels(std::max(1, int(std::lround(x.rect.width() * pictureScale))),
                               std::max(1, int(std::lround(x.rect.height() * pictureScale))));
            const QImage image = pictureFor(x.picture, pixels);
            if (!image.isNull())
                painter.drawImage(QRectF(x.rect), image);
            break;
        }
        case ElementKind::Memo:
            painter.setFont(x.font);
            painter.drawText(QRectF(x.rect), int(x.alignment), x.text);
            break;
        default:
            painter.setFont(x.font);
            painter.drawText(QRectF(x.rect), int(x.alignment) | Qt::TextSingleLine | Qt::TextDontClip, x.text);
            break;
        }
    }
    painter.restore();
}

bool Renderer::print(const Document &document, QPrinter &printer, QString *error)
{
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    int from = printer.fromPage(), to = printer.toPage();
    if (from <= 0 || to <= 0) {
        from = 1;
        to = document.pageCount();
    }
    to = std::min(to, document.pageCount());
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error = QStringLiteral("Der Drucker kann nicht angesprochen werden.");
        return false;
    }
    const double scale = printer.resolution() / kLayoutDpi;
    for (int p = from; p <= to; ++p) {
        if (p > from)
            printer.newPage();
        paintPage(painter, document.pages[size_t(p - 1)], scale);
    }
    painter.end();
    return true;
}

bool Renderer::writePdf(const Document &document, const QString &path, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("VindelV40"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(int(kMaxPictureDpi));
        QPainter painter(&writer);
        const double scale = writer.resolution() / kLayoutDpi;
        for (int p = 0; p < document.pageCount(); ++p) {
            if (p > 0)
                writer.newPage();
            paintPage(painter, document.pages[size_t(p)], scale);
        }
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace vindel::report
