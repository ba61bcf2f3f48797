#include "reports/TRep_Listekurz.h"

#include "reports/ReportParts.h"

namespace vindel {

using namespace parts;

TRep_Listekurz::TRep_Listekurz(AppContext &context)
    : PrintedReport(context, QStringLiteral("TRep_Listekurz"), QStringLiteral("Pflanzenliste")),
      m_plants(context.tables.Tab_Pflanzen_test), m_settings(context.tables.Tab_Stammdaten)
{
    m_report.source = &m_plants;
    m_report.addBand(listHeader(QStringLiteral("QRBand1"), report::BandKind::PageHeader, &m_settings,
                                caption(QStringLiteral("QRLabel15"), QString(), {}),
                                caption(QStringLiteral("QRLabel2"), QString(), {})));
    report::Band detail{QStringLiteral("QRBand2"), report::BandKind::Detail, 64};
    detail.bottomRule = true;
    detail.add(field(QStringLiteral("PlantNr"), QStringLiteral("Nr"), {0, 4, 50, 17}, arial(10, true)));
    detail.add(field(QStringLiteral("PlantName"), QStringLiteral("Namen"), {54, 4, 330, 17}, arial(10, true)));
    addRow(detail, QStringLiteral("PlantCategory"), QStringLiteral("Kategorie:"), QStringLiteral("Kategorie"), 390, 4, 72, 230);
    addRow(detail, QStringLiteral("PlantGenus"), QStringLiteral("Gattung:"), QStringLiteral("Familie"), 0, 23, 65, 160);
    addRow(detail, QStringLiteral("PlantSpecies"), QStringLiteral("Art:"), QStringLiteral("Art"), 230, 23, 35, 160);
    addRow(detail, QStringLiteral("PlantVariety"), QStringLiteral("Variante:"), QStringLiteral("Variante"), 430, 23, 70, 199);
    addRow(detail, QStringLiteral("PlantDialect"), QStringLiteral("Mundartlich:"), QStringLiteral("Mundart"), 0, 41, 90, 135);
    addRow(detail, QStringLiteral("PlantField"), QStringLiteral("Feld Nr.:"), QStringLiteral("Feldnummer"), 230, 41, 65, 130);
    addRow(detail, QStringLiteral("PlantOrigin"), QStringLiteral("Herkunft:"), QStringLiteral("Herkunft"), 430, 41, 70, 199);
    m_report.addBand(detail);
    m_report.addBand(listSummary(QStringLiteral("QRBand3")));
    m_report.beforePrint = [this] { ctx.tables.Tab_Stammdaten.open(); };
}

void TRep_Listekurz::setHeaderLines(const QString &line1, const QString &line2)
{
    m_report.element(QStringLiteral("QRLabel15")).text = line1;
    m_report.element(QStringLiteral("QRLabel2")).text = line2;
}

} // namespace vindel
