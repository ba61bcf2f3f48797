#include "reports/engine/ReportModel.h"

#include <stdexcept>

namespace vindel::report {

QFont font(const QString &family, int points, bool bold, bool italic, bool underline)
{
    QFont f(family);
    f.setPixelSize(int(points * kLayoutDpi / 72.0 + 0.5));
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    // Letters stay letters in the PDF ("fl", not a ligature), so its text can be searched and copied.
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

QSizeF PageSetup::pagePixels() const
{
    const QSizeF mm = pageSize.size(QPageSize::Millimeter);
    return {fromMm(mm.width()), fromMm(mm.height())};
}

QRectF PageSetup::printableRect() const
{
    const QSizeF page = pagePixels();
    return QRectF(QPointF(fromMm(marginsMm.left()), fromMm(marginsMm.top())),
                  QPointF(page.width() - fromMm(marginsMm.right()), page.height() - fromMm(marginsMm.bottom())));
}

Element &Band::element(const QString &elementName)
{
    for (Element &e : elements)
        if (e.name == elementName)
            return e;
    throw std::out_of_range(qPrintable(QStringLiteral("no element %1 in band %2").arg(elementName, name)));
}

Element &Band::add(Element e)
{
    elements.push_back(std::move(e));
    return elements.back();
}

Band &Report::band(const QString &bandName)
{
    for (Band &b : bands)
        if (b.name == bandName)
            return b;
    throw std::out_of_range(qPrintable(QStringLiteral("no band %1 in report %2").arg(bandName, name)));
}

Band &Report::addBand(Band b)
{
    bands.push_back(std::move(b));
    return bands.back();
}

Element &Report::element(const QString &elementName)
{
    for (Band &b : bands)
        for (Element &e : b.elements)
            if (e.name == elementName)
                return e;
    throw std::out_of_range(qPrintable(QStringLiteral("no element %1 in report %2").arg(elementName, name)));
}

} // namespace vindel::report
