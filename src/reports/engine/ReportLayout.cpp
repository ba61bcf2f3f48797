#include "reports/engine/ReportLayout.h"

#include <QFontMetrics>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace vindel::report {

QStringList wrapLines(const QString &text, const QFont &font, int width)
{
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList out;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString &paragraph : normal.split(QLatin1Char('\n'))) {
        if (paragraph.isEmpty()) {
            out << QString();
            continue;
        }
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(std::max(1, width));
            QString piece = paragraph.mid(line.textStart(), line.textLength());
            while (piece.endsWith(QLatin1Char(' ')))
                piece.chop(1);
            out << piece;
        }
        layout.endLayout();
    }
    return out;
}

namespace {

// A part of a band that is placed as one: an element, or one line of a growing memo.
struct Piece {
    const Element *element;
    int top;    // in the grown band
    int height;
    QString text;
    int line = -1; // a memo's line number
};

class Layouter {
public:
    Layouter(Report &report, const QDate &today) : m_report(report), m_today(today)
    {
        const QRectF area = report.setup.printableRect();
        m_left = int(std::lround(area.left()));
        m_top = int(std::lround(area.top()));
        m_bottom = int(std::lround(area.bottom()));
        m_doc.title = report.title;
        m_doc.pageSize = report.setup.pagePixels();
    }

    Document run()
    {
        if (m_report.beforePrint)
            m_report.beforePrint();
        RecordSource *records = m_report.source;
        bool have = records && (records->reset(), records->next());
        startPage();
        for (Band *title : bandsOf(BandKind::Title))
            place(*title, records);
        m_titleDone = true;
        placeColumnHeaders();
        if (!records) {
            printRecord(nullptr);
        } else {
            while (have) {
                printRecord(records);
                have = records->next();
            }
        }
        for (Band *summary : bandsOf(BandKind::Summary))
            place(*summary, records);
        return std::move(m_doc);
    }

private:
    std::vector<Band *> bandsOf(BandKind kind)
    {
        std::vector<Band *> out;
        for (Band &b : m_report.bands)
            if (b.kind == kind)
                out.push_back(&b);
        return out;
    }

    Band *bandNamed(const QString &name)
    {
        for (Band &b : m_report.bands)
            if (b.name == name)
                return &b;
        return nullptr;
    }

    void printRecord(RecordSource *records)
    {
        for (Band *detail : bandsOf(BandKind::Detail))
            if (place(*detail, records))
                ++m_doc.detailCount;
        for (Band *sub : bandsOf(BandKind::SubDetail)) {
            Band *header = sub->groupHeader.isEmpty() ? nullptr : bandNamed(sub->groupHeader);
            if (header)
                place(*header, records);
            if (!sub->source) {
                place(*sub, records);
                continue;
            }
            sub->source->reset();
            while (sub->source->next())
                place(*sub, sub->source);
        }
    }

    void startPage()
    {
        m_doc.pages.emplace_back();
        m_y = m_top;
        m_inHeader = true;
        for (Band *header : bandsOf(BandKind::PageHeader))
            place(*header, m_report.source);
        if (m_titleDone)
            placeColumnHeaders();
        m_inHeader = false;
        m_contentTop = m_y;
    }

    void placeColumnHeaders()
    {
        const bool was = m_inHeader;
        m_inHeader = true;
        for (Band *header : bandsOf(BandKind::ColumnHeader))
            place(*header, m_report.source);
        m_inHeader = was;
        if (!was)
            m_contentTop = m_y;
    }

    QString textOf(const Element &e, RecordSource *records) const
    {
        switch (e.kind) {
        case ElementKind::Caption: return e.text;
        case ElementKind::Field:
        case ElementKind::Memo: {
            RecordSource *from = e.source ? e.source : records;
            return e.text + (from ? from->value(e.field) : QString());
        }
        case ElementKind::Date: return e.text + m_today.toString(QStringLiteral("dd.MM.yyyy"));
        case ElementKind::PageNumber: return e.text + QString::number(m_doc.pages.size());
        case ElementKind::DetailCount: return e.text + QString::number(m_doc.detailCount);
        default: return {};
        }
    }

    QFont fontOf(const Element &e) const { return e.font ? *e.font : m_report.setup.baseFont; }

    // The pieces of a band in the order they print, tops moved down by the memos above them
    // that grew.
    std::vector<Piece> piecesOf(const Band &band, RecordSource *records, int *height)
    {
        std::vector<const Element *> elements;
        for (const Element &e : band.elements)
            if (e.enabled)
                elements.push_back(&e);
        std::stable_sort(elements.begin(), elements.end(),
                         [](const Element *a, const Element *b) { return a->rect.top() < b->rect.top(); });
        struct Growth {
            int bottom;
            int by;
        };
        std::vector<Growth> growths;
        std::vector<Piece> pieces;
        auto shiftAt = [&growths](int top) {
            int by = 0;
            for (const Growth &g : growths)
                if (g.bottom <= top)
                    by += g.by;
            return by;
        };
        for (const Element *e : elements) {
            const int top = e->rect.top() + shiftAt(e->rect.top());
            if (e->kind != ElementKind::Memo) {
                pieces.push_back({e, top, e->rect.height(), e->kind == ElementKind::Picture ? QString()
                                                                                             : singleLine(textOf(*e, records))});
                continue;
            }
            const QFont font = fontOf(*e);
            const int lineHeight = QFontMetrics(font).lineSpacing();
            QStringList lines = wrapLines(textOf(*e, records), font, e->rect.width());
            if (lines.size() == 1 && lines.front().isEmpty())
                lines.clear();
            if (!e->grows) {
                // A memo of fixed size shows what its frame holds.
                const int fit = std::max(0, e->rect.height() / std::max(1, lineHeight));
                if (lines.size() > fit)
                    lines = lines.mid(0, fit);
                pieces.push_back({e, top, e->rect.height(), lines.join(QLatin1Char('\n'))});
                continue;
            }
            const int needed = int(lines.size()) * lineHeight;
            if (needed > e->rect.height())
                growths.push_back({e->rect.bottom() + 1, needed - e->rect.height()});
            for (int i = 0; i < lines.size(); ++i)
                pieces.push_back({e, top + i * lineHeight, lineHeight, lines[i], i});
        }
        int grown = band.height;
        for (const Growth &g : growths)
            grown += g.by;
        *height = grown;
        std::stable_sort(pieces.begin(), pieces.end(), [](const Piece &a, const Piece &b) { return a.top < b.top; });
        return pieces;
    }

    static QString singleLine(QString text)
    {
        text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
        text.replace(QLatin1Char('\r'), QLatin1Char(' '));
        return text;
    }

    // Places a band; false when it was switched off.
    bool place(Band &band, RecordSource *records)
    {
        if (band.beforePrint)
            band.beforePrint(band);
        if (!band.enabled)
            return false;
        int height = 0;
        const std::vector<Piece> pieces = piecesOf(band, records, &height);
        if (!m_inHeader && m_y + height > m_bottom && m_y > m_contentTop)
            startPage();
        // From here the band's pieces go down the page; one that does not fit any more moves to
        // the next page with all that follows it.
        int origin = m_y; // where the band's top would be
        Page *page = &m_doc.pages.back();
        PlacedBand placed{band.name, m_y, 0, int(page->elements.size()), 0};
        int bandEnd = m_y;
        for (const Piece &piece : pieces) {
            int top = origin + piece.top;
            if (!m_inHeader && top + piece.height > m_bottom && top > m_contentTop) {
                placed.height = bandEnd - placed.top;
                placed.elementCount = int(page->elements.size()) - placed.firstElement;
                page->bands.push_back(placed);
                startPage();
                page = &m_doc.pages.back();
                origin = m_y - piece.top;
                top = m_y;
                placed = PlacedBand{band.name, m_y, 0, int(page->elements.size()), 0};
            }
            put(*page, band, piece, top);
            bandEnd = std::max(bandEnd, top + piece.height);
        }
        bandEnd = std::max(bandEnd, origin + height);
        if (band.bottomRule) {
            Placed rule;
            rule.kind = ElementKind::Rule;
            rule.band = band.name;
            rule.rect = QRect(m_left, bandEnd - 1, int(std::lround(m_report.setup.printableRect().width())), 1);
            page->elements.push_back(rule);
        }
        placed.height = bandEnd - placed.top;
        placed.elementCount = int(page->elements.size()) - placed.firstElement;
        page->bands.push_back(placed);
        m_y = bandEnd;
        return true;
    }

    void put(Page &page, const Band &band, const Piece &piece, int top)
    {
        const Element &e = *piece.element;
        const QRect rect(m_left + e.rect.left(), top, e.rect.width(), piece.height);
        // The lines of one memo on one page stay one element.
        if (piece.line > 0 && !page.elements.empty()) {
            Placed &last = page.elements.back();
            if (last.kind == ElementKind::Memo && last.name == e.name && last.band == band.name
                && last.rect.bottom() + 1 == top) {
                last.text += QLatin1Char('\n') + piece.text;
                last.rect.setBottom(rect.bottom());
                return;
            }
        }
        Placed p;
        p.kind = e.kind;
        p.band = band.name;
        p.name = e.name;
        p.rect = rect;
        p.text = piece.text;
        p.font = fontOf(e);
        p.alignment = e.alignment;
        p.colour = e.colour;
        if (e.kind == ElementKind::Picture)
            p.picture = e.picture;
        page.elements.push_back(std::move(p));
    }

    Report &m_report;
    QDate m_today;
    Document m_doc;
    int m_left = 0, m_top = 0, m_bottom = 0;
    int m_y = 0;
    int m_contentTop = 0;
    bool m_titleDone = false;
    bool m_inHeader = false;
};

} // namespace

Document layOut(Report &report, const QDate &today) { return Layouter(report, today).run(); }

} // namespace vindel::report
