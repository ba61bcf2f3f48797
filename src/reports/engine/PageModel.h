#pragma once

#include "reports/engine/ReportModel.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

namespace vindel::report {

// One element where it prints on its page (page pixels at 96 per inch), with what it shows.
struct Placed {
    ElementKind kind = ElementKind::Caption;
    QString band;
    QString name;
    QRect rect;
    QString text;       // texts; a memo's lines are joined by "\n", each line as laid out
    QFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    QColor colour = Qt::black;
    PictureRef picture; // Picture
};

// A band as it was placed: where and how high.
struct PlacedBand {
    QString name;
    int top = 0;
    int height = 0;
    int firstElement = 0; // its elements in the page's list
    int elementCount = 0;
};

struct Page {
    std::vector<PlacedBand> bands;
    std::vector<Placed> elements;
};

// The laid-out report: what every device paints, and what tests read.
class Document {
public:
    QString title;
    QSizeF pageSize; // page pixels
    std::vector<Page> pages;
    int detailCount = 0;

    int pageCount() const { return int(pages.size()); }
    // One line per placed band and element, page by page:
    //   Seite 1
    //     Band QRBand1 38+91
    //       Caption QRLabel5 [100,40 200x24] Pflanzendatenblatt
    QString dump() const;
    // The texts of a page's elements, in the order they were placed (memo lines one by one).
    QStringList texts(int page) const;
    // The elements of that name, on every page, in order.
    std::vector<const Placed *> find(const QString &name) const;
    // The names of the bands of a page, in order.
    QStringList bandNames(int page) const;
};

QString kindName(ElementKind kind);

} // namespace vindel::report
