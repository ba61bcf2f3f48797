#include "reports/ReportParts.h"

#include "data/Dataset.h"

namespace vindel::parts {

using report::ElementKind;

QFont arial(int points, bool bold, bool underline)
{
    return report::font(QStringLiteral("Arial"), points, bold, false, underline);
}

namespace {
Element element(ElementKind kind, const QString &name, QRect rect, const QFont &font)
{
    Element e;
    e.kind = kind;
    e.name = name;
    e.rect = rect;
    e.font = font;
    return e;
}
} // namespace

Element caption(const QString &name, const QString &text, QRect rect, const QFont &font, Qt::Alignment alignment)
{
    Element e = element(ElementKind::Caption, name, rect, font);
    e.text = text;
    e.alignment = alignment;
    return e;
}

Element field(const QString &name, const QString &column, QRect rect, const QFont &font, RecordSource *source,
              const QString &prefix)
{
    Element e = element(ElementKind::Field, name, rect, font);
    e.field = column;
    e.source = source;
    e.text = prefix;
    return e;
}

Element memo(const QString &name, const QString &column, QRect rect, bool grows, const QFont &font)
{
    Element e = element(ElementKind::Memo, name, rect, font);
    e.field = column;
    e.grows = grows;
    return e;
}

Element picture(const QString &name, QRect rect) { return element(ElementKind::Picture, name, rect, arial(10)); }

Element rule(int y, int width) { return element(ElementKind::Rule, QString(), QRect(0, y, width, 1), arial(10)); }

Element frame(QRect rect) { return element(ElementKind::Frame, QString(), rect, arial(10)); }

Element date(const QString &name, const QString &prefix, QRect rect, const QFont &font)
{
    Element e = element(ElementKind::Date, name, rect, font);
    e.text = prefix;
    return e;
}

Element pageNumber(const QString &name, QRect rect, const QFont &font)
{
    return element(ElementKind::PageNumber, name, rect, font);
}

Element detailCount(const QString &name, const QString &prefix, QRect rect, const QFont &font)
{
    Element e = element(ElementKind::DetailCount, name, rect, font);
    e.text = prefix;
    return e;
}

void addRow(Band &band, const QString &name, const QString &captionText, const QString &column, int x, int y,
            int captionWidth, int valueWidth, RecordSource *source, const QFont &valueFont)
{
    band.add(caption(name + QStringLiteral("Caption"), captionText, {x, y, captionWidth, 17}, arial(10, true)));
    band.add(field(name, column, {x + captionWidth, y, valueWidth, 17}, valueFont, source));
}

void addSenderFields(Band &band, RecordSource *settings, QPoint at)
{
    const int x = at.x(), y = at.y();
    band.add(field(QStringLiteral("SenderNachname"), QStringLiteral("Nachname"), {x, y, 110, 17}, arial(10), settings));
    band.add(field(QStringLiteral("SenderVorname"), QStringLiteral("Vorname"), {x + 112, y, 110, 17}, arial(10), settings));
    band.add(field(QStringLiteral("SenderStrasse"), QStringLiteral("Straße"), {x, y + 17, 222, 14}, arial(8), settings));
    band.add(field(QStringLiteral("SenderPLZ"), QStringLiteral("PLZ"), {x, y + 31, 45, 14}, arial(8), settings));
    band.add(field(QStringLiteral("SenderOrt"), QStringLiteral("Ort"), {x + 47, y + 31, 175, 14}, arial(8), settings));
}

void addSenderLabels(Band &band, const QStringList &names, QPoint at)
{
    for (int i = 0; i < names.size(); ++i)
        band.add(caption(names[i], QString(), {at.x(), at.y() + i * 17, 240, 17}));
}

void fillSenderLabels(report::Report &report, const QStringList &names, const Dataset &settings)
{
    QStringList lines(names.size());
    const bool wanted = settings.active() && !settings.isEmpty()
                        && settings.text(QStringLiteral("DruckName")).compare(QLatin1String("Ja"), Qt::CaseInsensitive) == 0;
    if (wanted && names.size() == 3) {
        lines[0] = settings.text(QStringLiteral("Nachname")) + QLatin1Char(' ') + settings.text(QStringLiteral("Vorname"));
        lines[1] = settings.text(QStringLiteral("Straße"));
        lines[2] = settings.text(QStringLiteral("PLZ")) + QLatin1Char(' ') + settings.text(QStringLiteral("Ort"));
    }
    for (int i = 0; i < names.size(); ++i)
        report.element(names[i]).text = lines[i];
}

Band listHeader(const QString &name, report::BandKind kind, RecordSource *settings, Element line1, Element line2)
{
    Band band{name, kind, 118};
    addSenderFields(band, settings, {0, 0});
    band.add(caption(QStringLiteral("ListTitle"), QStringLiteral("Pflanzenliste"), {240, 4, 220, 28}, arial(16),
                     Qt::AlignHCenter | Qt::AlignTop));
    band.add(date(QStringLiteral("ListDate"), QStringLiteral("Stand vom : "), {500, 0, 199, 17}));
    band.add(caption(QStringLiteral("ListPageCaption"), QStringLiteral("Seite:"), {500, 20, 50, 17}, arial(10, true)));
    band.add(pageNumber(QStringLiteral("ListPage"), {552, 20, 60, 17}, arial(10)));
    line1.rect = {0, 62, kWidth, 18};
    line2.rect = {0, 84, kWidth, 18};
    for (Element *line : {&line1, &line2}) {
        line->font = arial(10, true);
        line->alignment = Qt::AlignHCenter | Qt::AlignTop;
        band.add(*line);
    }
    band.add(rule(110));
    return band;
}

Band listSummary(const QString &name)
{
    Band band{name, report::BandKind::Summary, 34};
    band.add(date(QStringLiteral("SummaryDate"), QStringLiteral("Stand vom : "), {0, 10, 220, 17}));
    band.add(detailCount(QStringLiteral("SummaryCount"), QStringLiteral("Anzahl Pflanzen: "), {300, 10, 300, 17}));
    return band;
}

Band plantListDetail(const QString &name, RecordSource *plant)
{
    Band band{name, report::BandKind::Detail, 140};
    band.bottomRule = true;
    band.add(field(QStringLiteral("PlantNr"), QStringLiteral("Nr"), {0, 4, 50, 17}, arial(10, true), plant));
    band.add(field(QStringLiteral("PlantName"), QStringLiteral("Namen"), {54, 4, 330, 17}, arial(10, true), plant));
    addRow(band, QStringLiteral("PlantCategory"), QStringLiteral("Kategorie:"), QStringLiteral("Kategorie"), 390, 4, 72,
           160, plant);
    constexpr int a = 0, b = 200, c = 360, cw = 110;
    addRow(band, QStringLiteral("PlantGenus"), QStringLiteral("Gattung:"), QStringLiteral("Familie"), a, 24, 90, 105, plant);
    addRow(band, QStringLiteral("PlantSpecies"), QStringLiteral("Art:"), QStringLiteral("Art"), b, 24, 40, 150, plant);
    addRow(band, QStringLiteral("PlantVariety"), QStringLiteral("Variante:"), QStringLiteral("Variante"), a, 41, 90, 105, plant);
    addRow(band, QStringLiteral("PlantField"), QStringLiteral("Feld Nr.:"), QStringLiteral("Feldnummer"), b, 41, 70, 120, plant);
    addRow(band, QStringLiteral("PlantDialect"), QStringLiteral("Mundartlich:"), QStringLiteral("Mundart"), a, 58, 90, 300, plant);
    addRow(band, QStringLiteral("PlantSummer"), QStringLiteral("Standort Sommer:"), QStringLiteral("Sommer"), a, 75, 125, 400, plant);
    addRow(band, QStringLiteral("PlantWinter"), QStringLiteral("Standort Winter:"), QStringLiteral("Winter"), a, 92, 125, 110, plant);
    addRow(band, QStringLiteral("PlantPrice"), QStringLiteral("Kaufpreis:"), QStringLiteral("Kaufpreis"), b + 60, 92, 75, 60, plant);
    addRow(band, QStringLiteral("PlantNumbered"), QStringLiteral("Nummeriert"), QStringLiteral("Nummeriert"), c + 40, 92, 85, 40, plant);
    addRow(band, QStringLiteral("PlantOrigin"), QStringLiteral("Herkunft:"), QStringLiteral("Herkunft"), a, 109, 90, 105, plant);
    addRow(band, QStringLiteral("PlantStock"), QStringLiteral("Im Bestand:"), QStringLiteral("Bestand"), b, 109, 80, cw, plant);
    addRow(band, QStringLiteral("PlantLabelled"), QStringLiteral("Beschriftet"), QStringLiteral("Beschriftet"), c + 40, 109, 85, 40, plant);
    band.add(picture(QStringLiteral("QRImage1"), {kWidth - 132, 24, 132, 89}));
    return band;
}

} // namespace vindel::parts
