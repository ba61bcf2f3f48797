#include "reports/engine/PageModel.h"

namespace vindel::report {

QString kindName(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Caption: return QStringLiteral("Caption");
    case ElementKind::Field: return QStringLiteral("Field");
    case ElementKind::Memo: return QStringLiteral("Memo");
    case ElementKind::Picture: return QStringLiteral("Picture");
    case ElementKind::Rule: return QStringLiteral("Rule");
    case ElementKind::Date: return QStringLiteral("Date");
    case ElementKind::PageNumber: return QStringLiteral("PageNumber");
    case ElementKind::DetailCount: return QStringLiteral("DetailCount");
    case ElementKind::Frame: return QStringLiteral("Frame");
    }
    return {};
}

QString Document::dump() const
{
    QString out;
    for (size_t p = 0; p < pages.size(); ++p) {
        out += QStringLiteral("Seite %1\n").arg(p + 1);
        const Page &page = pages[p];
        for (const PlacedBand &b : page.bands) {
            out += QStringLiteral("  Band %1 %2+%3\n").arg(b.name).arg(b.top).arg(b.height);
            for (int e = b.firstElement; e < b.firstElement + b.elementCount; ++e) {
                const Placed &x = page.elements[size_t(e)];
                const QString what = x.kind == ElementKind::Picture
                                         ? (x.picture.path.isEmpty() ? QStringLiteral("(Ersatzbild)") : x.picture.path)
                                         : QString(x.text).replace(QLatin1Char('\n'), QStringLiteral(" | "));
                out += QStringLiteral("    %1 %2 [%3,%4 %5x%6] %7\n")
                           .arg(kindName(x.kind), x.name.isEmpty() ? QStringLiteral("-") : x.name)
                           .arg(x.rect.x())
                           .arg(x.rect.y())
                           .arg(x.rect.width())
                           .arg(x.rect.height())
                           .arg(what);
            }
        }
    }
    return out;
}

QStringList Document::texts(int page) const
{
    QStringList out;
    if (page < 0 || page >= pageCount())
        return out;
    for (const Placed &x : pages[size_t(page)].elements)
        if (x.kind != ElementKind::Picture && x.kind != ElementKind::Rule && x.kind != ElementKind::Frame)
            out += x.text.split(QLatin1Char('\n'));
    return out;
}

std::vector<const Placed *> Document::find(const QString &name) const
{
    std::vector<const Placed *> out;
    for (const Page &p : pages)
        for (const Placed &x : p.elements)
            if (x.name == name)
                out.push_back(&x);
    return out;
}

QStringList Document::bandNames(int page) const
{
    QStringList out;
    if (page >= 0 && page < pageCount())
        for (const PlacedBand &b : pages[size_t(page)].bands)
            out << b.name;
    return out;
}

} // namespace vindel::report
