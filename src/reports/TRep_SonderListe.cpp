#include "reports/TRep_SonderListe.h"

#include "reports/ReportParts.h"

namespace vindel {

using namespace parts;

TRep_SonderListe::TRep_SonderListe(AppContext &context)
    : PrintedReport(context, QStringLiteral("TRep_SonderListe"), QStringLiteral("Pflanzenliste")),
      m_entries(context.tables.Tab_Listeninhalt), m_settings(context.tables.Tab_Stammdaten)
{
    m_report.source = &m_entries;
    // The furniture on the first page only.
    m_report.addBand(listHeader(QStringLiteral("QRBand1"), report::BandKind::Title, &m_settings,
                                field(QStringLiteral("QRLabel15"), QStringLiteral("Liste"), {}, arial(10, true), nullptr,
                                      QStringLiteral("Liste: ")),
                                field(QStringLiteral("QRLabel2"), QStringLiteral("ListenNr"), {}, arial(10, true), nullptr,
                                      QStringLiteral("Listen Nr.: "))));
    report::Band columns{QStringLiteral("QRBand4"), report::BandKind::ColumnHeader, 26};
    columns.add(frame({0, 2, kWidth, 22}));
    columns.add(caption(QStringLiteral("HeadNr"), QStringLiteral("Pflanzen Nr."), {6, 5, 110, 17}, arial(10, true)));
    columns.add(caption(QStringLiteral("HeadPlant"), QStringLiteral("Pflanze"), {130, 5, 380, 17}, arial(10, true)));
    columns.add(caption(QStringLiteral("HeadAdded"), QStringLiteral("Hinzugefügt am:"), {530, 5, 160, 17}, arial(10, true)));
    m_report.addBand(columns);
    report::Band detail{QStringLiteral("QRBand2"), report::BandKind::Detail, 24};
    detail.bottomRule = true;
    detail.add(field(QStringLiteral("EntryNr"), QStringLiteral("PflanzenID"), {6, 3, 110, 17}, arial(10, true)));
    detail.add(field(QStringLiteral("EntryPlant"), QStringLiteral("Pflanze"), {130, 3, 390, 17}, arial(10, true)));
    detail.add(field(QStringLiteral("EntryAdded"), QStringLiteral("Erstellt"), {530, 3, 160, 17}, arial(10, true)));
    m_report.addBand(detail);
    m_report.addBand(listSummary(QStringLiteral("QRBand3")));
    m_report.beforePrint = [this] {
        ctx.tables.Tab_Stammdaten.open();
        ctx.tables.Tab_Listeninhalt.open();
    };
}

} // namespace vindel
