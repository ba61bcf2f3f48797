#pragma once

#include "reports/engine/PageModel.h"

#include <QCache>
#include <QImage>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;

namespace vindel::report {

// How pictures get from their files onto the page: read at the size they print, not larger.
class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    // The file's picture for a frame of that many device pixels (it is stretched into the frame);
    // a null image when the file cannot be read.
    virtual QImage load(const QString &path, QSize pixels) = 0;
};

// Reads pictures through Qt's image readers, at a reduced size where the format allows.
class QtPictureLoader : public PictureLoader {
public:
    QImage load(const QString &path, QSize pixels) override;
};

// Paints laid-out pages: the same painting for the preview, a printer and a PDF file.
class Renderer {
public:
    // Pictures are never read finer than this, whatever the device.
    static constexpr double kMaxPictureDpi = 300.0;

    explicit Renderer(std::shared_ptr<PictureLoader> pictures = nullptr);

    // Paints a page with `scale` device pixels per layout pixel; the painter's origin is the
    // page's top-left corner.
    void paintPage(QPainter &painter, const Page &page, double scale);

    // Reads the pictures of these pages for painting at `scale`, several at a time on the
    // machine's cores, so that painting finds them ready.
    void prefetch(const std::vector<const Page *> &pages, double scale);

    // Prints the pages of the printer's page range (every page when it has none), each on a page
    // of its own; false with the reason when printing could not start.
    bool print(const Document &document, QPrinter &printer, QString *error = nullptr);
    // Writes the document as a PDF file, through a temporary file; false with the reason.
    bool writePdf(const Document &document, const QString &path, QString *error = nullptr);

private:
    QImage pictureFor(const PictureRef &ref, QSize pixels);
    static QSize picturePixels(const Placed &picture, double scale);
    static QString cacheKey(const QString &path, QSize pixels);
    void paintPages(QPaintDevice &device, QPainter &painter, const Document &document, int from, int to, double scale,
                    const std::function<void()> &newPage);

    std::shared_ptr<PictureLoader> m_pictures;
    QCache<QString, QImage> m_cache; // pictures at the size last painted, by file and size
};

} // namespace vindel::report
