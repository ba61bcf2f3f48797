#pragma once

// What a printed report is made of: a page setup and bands of elements, in layout pixels at 96
// per inch (about 3.78 per millimetre), and the records the bands show.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QMarginsF>
#include <QPageSize>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace vindel::report {

constexpr double kLayoutDpi = 96.0;
inline double fromMm(double mm) { return mm * kLayoutDpi / 25.4; }

// A font as the layouts name them (family and points), sized in layout pixels so that what is
// measured for the page is what every device paints.
QFont font(const QString &family, int points, bool bold = false, bool italic = false, bool underline = false);

// The records a band shows, one at a time.
class RecordSource {
public:
    virtual ~RecordSource() = default;
    virtual int count() const = 0;
    // Back before the first record; next() then makes the first one current.
    virtual void reset() = 0;
    // The next record becomes current; false when there is none.
    virtual bool next() = 0;
    // A field of the current record as it prints.
    virtual QString value(const QString &field) const = 0;
};

struct PageSetup {
    QPageSize pageSize{QPageSize::A4};
    QMarginsF marginsMm{20, 10, 5, 10}; // left, top, right, bottom
    QFont baseFont = font(QStringLiteral("Arial"), 10);

    QSizeF pagePixels() const;
    // The area bands are placed in, in page pixels.
    QRectF printableRect() const;
};

enum class ElementKind {
    Caption,     // fixed text
    Field,       // one field of the current record, on one line
    Memo,        // a long text field, wrapped in its frame; it grows with its text or clips
    Picture,     // a picture stretched to its frame
    Rule,        // a horizontal line across the frame's top
    Date,        // today's date
    PageNumber,  // the page's number
    DetailCount, // how many detail bands printed so far
    Frame,       // a rectangle drawn around the frame
};

// A picture as a before-print handler fills it: a file, drawn stretched to the frame, and what
// is drawn instead when the file is missing or cannot be read. An empty path draws the fallback.
struct PictureRef {
    QString path;
    QImage fallback;
    // The fallback is a black-and-white code to be scanned: drawn as squares, never smoothed.
    bool sharp = false;
};

struct Element {
    ElementKind kind = ElementKind::Caption;
    QString name;  // the layout's name for it ("QRLabel22")
    QRect rect;    // in the band
    QString text;  // a caption's text
    QString field; // the field a Field or Memo shows
    std::optional<QFont> font; // the report's base font when empty
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    QColor colour = Qt::black; // of the text, rule or frame
    bool grows = false;   // Memo: the band stretches to the whole text
    bool enabled = true;  // switched off, it prints nothing
    PictureRef picture;   // Picture
    RecordSource *source = nullptr; // Field or Memo of another source than the band's
};

enum class BandKind { Title, PageHeader, ColumnHeader, GroupHeader, Detail, SubDetail, Summary };

struct Band {
    QString name;
    BandKind kind = BandKind::Detail;
    int height = 0;
    bool enabled = true;
    // A rule along the band's bottom edge, wherever a growing memo puts that edge.
    bool bottomRule = false;
    std::vector<Element> elements;
    // SubDetail: the records it prints once each; none prints it once per detail.
    RecordSource *source = nullptr;
    // SubDetail: the group header printed once before its records.
    QString groupHeader;
    // Runs before each printing of the band; it may switch the band or its elements off, change
    // its height or fill its pictures.
    std::function<void(Band &)> beforePrint;

    Element &element(const QString &name);
    Element &add(Element element);
};

class Report {
public:
    QString name;
    QString title; // the preview's caption
    PageSetup setup;
    std::vector<Band> bands;
    // The records of the detail band; none prints it once.
    RecordSource *source = nullptr;
    // Before the pages are built (for the preview and again for each print), after a print, and
    // when the preview closed.
    std::function<void()> beforePrint;
    std::function<void()> afterPrint;
    std::function<void()> afterPreview;

    Band &band(const QString &name);
    Band &addBand(Band band);
    // The element of that name in any band.
    Element &element(const QString &name);
};

} // namespace vindel::report
