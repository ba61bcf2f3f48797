#include "reports/TRep_Druckalle.h"

#include "reports/DataSheetParts.h"

namespace vindel {

using namespace parts;

TRep_Druckalle::TRep_Druckalle(AppContext &context)
    : PrintedReport(context, QStringLiteral("TRep_Druckalle"), QStringLiteral("Pflanzendatenblatt")),
      m_plant(context.tables.Tab_Pflanzen_test,
              sheet::chosenOrCurrentPlant(context.tables.Tab_Pflanzen_test, m_row)),
      m_settings(context.tables.Tab_Stammdaten)
{
    m_report.source = &m_plant;
    report::Band band = sheet::titleBand(QStringLiteral("QRBand1"), 979, {}, &m_settings);
    // The heading's rule lies under the heading, not at the foot of this page-high band.
    band.elements.back().rect.moveTop(85);
    const std::pair<const char *, const char *> rows[] = {
        {"Name:", "Namen"},         {"Kategorie:", "Kategorie"}, {"Bezeichnung", "Bezeichnung"},
        {"Im Bestand:", "Bestand"}, {"Herkunft:", "Herkunft"},   {"Kaufpreis:", "Kaufpreis"},
        {"Topfgröße:", "Töpfe"},    {"Standort Sommer:", "Sommer"}, {"Standort Winter:", "Winter"}};
    int y = 96;
    for (const auto &[captionText, column] : rows) {
        const QString c = QString::fromUtf8(column);
        addRow(band, QStringLiteral("Value") + c, QString::fromUtf8(captionText), c, 0, y, 130, 210);
        y += 22;
    }
    band.add(picture(QStringLiteral("QRImage1"), {360, 96, 297, 241}));
    y = 350;
    band.add(caption(QStringLiteral("BeschreibungHeading"), QStringLiteral("Beschreibung"), {0, y, 300, 17}, arial(10, true)));
    band.add(memo(QStringLiteral("BeschreibungText"), QStringLiteral("Beschreibung"), {0, y + 19, 657, 20}, true));
    y += 48;
    for (const auto &[heading, column] : {std::pair{"Pflegehinweise:", "Pflege"}, std::pair{"Vermehrung:", "Vermehrung"}}) {
        const QString c = QString::fromUtf8(column);
        band.add(caption(c + QStringLiteral("Heading"), QString::fromUtf8(heading), {0, y, 300, 17}, arial(10, true)));
        band.add(memo(c + QStringLiteral("Text"), c, {0, y + 19, 657, 73}, false));
        y += 100;
    }
    for (const auto &[heading, column] : {std::pair{"Düngung:", "Düngung"}, std::pair{"Boden:", "Boden"}}) {
        const QString c = QString::fromUtf8(column);
        band.add(caption(c + QStringLiteral("Heading"), QString::fromUtf8(heading), {0, y, 120, 17}, arial(10, true)));
        band.add(field(c + QStringLiteral("Text"), c, {120, y, 537, 17}));
        y += 26;
    }
    sheet::addOwnPhotos(band, y + 10, {209, 153}, false);
    m_report.addBand(band);
    m_report.beforePrint = [this] { ctx.tables.Tab_Stammdaten.open(); };
}

void TRep_Druckalle::fillPictures() { sheet::fillPhotos(m_report, ctx.state.PhotoDir, m_plant); }

} // namespace vindel
