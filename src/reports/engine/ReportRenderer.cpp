#include "reports/engine/ReportRenderer.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QSet>

#include <atomic>
#include <cmath>
#include <thread>

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

namespace {

// A small black-and-white picture as filled squares, one per dark pixel (runs joined): it stays
// crisp on every device and at every zoom, where a scaled bitmap would blur its edges.
void paintSharp(QPainter &painter, const QRectF &frame, const QImage &picture)
{
    if (picture.isNull())
        return;
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    const double w = frame.width() / grey.width(), h = frame.height() / grey.height();
    QPainterPath dark;
    dark.setFillRule(Qt::WindingFill);
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *line = grey.constScanLine(y);
        for (int x = 0; x < grey.width();) {
            if (line[x] >= 128) {
                ++x;
                continue;
            }
            int end = x;
            while (end < grey.width() && line[end] < 128)
                ++end;
            dark.addRect(QRectF(frame.left() + x * w, frame.top() + y * h, (end - x) * w, h));
            x = end;
        }
    }
    painter.fillRect(frame, Qt::white);
    painter.fillPath(dark, Qt::black);
}

} // namespace

Renderer::Renderer(std::shared_ptr<PictureLoader> pictures)
    : m_pictures(pictures ? std::move(pictures) : std::make_shared<QtPictureLoader>()), m_cache(64 * 1024 * 1024)
{
}

QString Renderer::cacheKey(const QString &path, QSize pixels)
{
    return path + QLatin1Char('|') + QString::number(pixels.width()) + QLatin1Char('x') + QString::number(pixels.height());
}

QSize Renderer::picturePixels(const Placed &picture, double scale)
{
    const double pictureScale = std::min(scale, kMaxPictureDpi / kLayoutDpi);
    return {std::max(1, int(std::lround(picture.rect.width() * pictureScale))),
            std::max(1, int(std::lround(picture.rect.height() * pictureScale)))};
}

void Renderer::prefetch(const std::vector<const Page *> &pages, double scale)
{
    struct Job {
        QString path;
        QSize pixels;
        QImage image;
    };
    std::vector<Job> jobs;
    QSet<QString> planned;
    for (const Page *page : pages)
        for (const Placed &x : page->elements) {
            if (x.kind != ElementKind::Picture || x.picture.path.isEmpty())
                continue;
            const QSize pixels = picturePixels(x, scale);
            const QString key = cacheKey(x.picture.path, pixels);
            if (!m_cache.contains(key) && !planned.contains(key)) {
                planned.insert(key);
                jobs.push_back({x.picture.path, pixels, QImage()});
            }
        }
    if (jobs.empty())
        return;
    // Reading a picture touches nothing shared; the cache is filled afterwards, on this thread.
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t i = next++; i < jobs.size(); i = next++)
            if (QFileInfo(jobs[i].path).isFile())
                jobs[i].image = m_pictures->load(jobs[i].path, jobs[i].pixels);
    };
    const size_t threads = std::min<size_t>(jobs.size(), std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::thread> helpers;
    for (size_t i = 1; i < threads; ++i)
        helpers.emplace_back(work);
    work();
    for (std::thread &h : helpers)
        h.join();
    for (const Job &job : jobs)
        if (!job.image.isNull())
            m_cache.insert(cacheKey(job.path, job.pixels), new QImage(job.image),
                           int(std::min<qint64>(job.image.sizeInBytes(), INT_MAX)));
}

QImage Renderer::pictureFor(const PictureRef &ref, QSize pixels)
{
    if (ref.path.isEmpty())
        return ref.fallback;
    const QString key = cacheKey(ref.path, pixels);
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
    QPen pen(Qt::black);
    pen.setWidthF(1.0);
    for (const Placed &x : page.elements) {
        pen.setColor(x.colour);
        painter.setPen(pen);
        switch (x.kind) {
        case ElementKind::Rule:
            painter.drawLine(QPointF(x.rect.left(), x.rect.top()), QPointF(x.rect.right() + 1, x.rect.top()));
            break;
        case ElementKind::Frame:
            painter.drawRect(QRectF(x.rect).adjusted(0, 0, -1, -1));
            break;
        case ElementKind::Picture: {
            if (x.picture.sharp && x.picture.path.isEmpty()) {
                paintSharp(painter, QRectF(x.rect), x.picture.fallback);
                break;
            }
            const QImage image = pictureFor(x.picture, picturePixels(x, scale));
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

// Pages in order; the pictures of the next few pages are read together ahead of painting them.
void Renderer::paintPages(QPaintDevice &, QPainter &painter, const Document &document, int from, int to, double scale,
                          const std::function<void()> &newPage)
{
    constexpr int kAhead = 4;
    for (int p = from; p <= to; ++p) {
        if ((p - from) % kAhead == 0) {
            std::vector<const Page *> coming;
            for (int q = p; q <= std::min(to, p + kAhead - 1); ++q)
                coming.push_back(&document.pages[size_t(q)]);
            prefetch(coming, scale);
        }
        if (p > from)
            newPage();
        paintPage(painter, document.pages[size_t(p)], scale);
    }
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
    paintPages(printer, painter, document, from - 1, to - 1, printer.resolution() / kLayoutDpi,
               [&printer] { printer.newPage(); });
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
        paintPages(writer, painter, document, 0, document.pageCount() - 1, writer.resolution() / kLayoutDpi,
                   [&writer] { writer.newPage(); });
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace vindel::report
