#include "reports/TRep_SonderlisteLang.h"

#include "reports/ReportParts.h"
#include "reports/TRep_Liste.h"

namespace vindel {

using namespace parts;

TRep_SonderlisteLang::TRep_SonderlisteLang(AppContext &context)
    : PrintedReport(context, QStringLiteral("TRep_SonderlisteLang"), QStringLiteral("Pflanzenliste")),
      m_entries(context.tables.Tab_Listeninhalt), m_plant(context.tables.Tab_Pflanzen_test, [this] { return plantRowOfEntry(); }),
      m_settings(context.tables.Tab_Stammdaten)
{
    m_report.source = &m_entries;
    // The list's name and number come from the entry current when a page begins.
    m_report.addBand(listHeader(QStringLiteral("QRBand1"), report::BandKind::PageHeader, &m_settings,
                                field(QStringLiteral("QRLabel15"), QStringLiteral("Liste"), {}, arial(10, true), nullptr,
                                      QStringLiteral("Liste: ")),
                                field(QStringLiteral("QRLabel23"), QStringLiteral("ListenNr"), {}, arial(10, true), nullptr,
                                      QStringLiteral("Listen Nr.: "))));
    report::Band detail = plantListDetail(QStringLiteral("QRBand2"), &m_plant);
    detail.beforePrint = [this](report::Band &b) { QRBand2BeforePrint(b); };
    m_report.addBand(detail);
    m_report.addBand(listSummary(QStringLiteral("QRBand3")));
    m_report.beforePrint = [this] {
        ctx.tables.Tab_Stammdaten.open();
        ctx.tables.Tab_Listeninhalt.open();
        m_lookedUpEntry = -1;
    };
}

int TRep_SonderlisteLang::plantRowOfEntry() const
{
    if (m_entries.row() == m_lookedUpEntry && m_lookedUpEntry >= 0)
        return m_foundRow;
    m_lookedUpEntry = m_entries.row();
    m_foundRow = -1;
    const Table &plants = ctx.tables.Tab_Pflanzen_test;
    bool ok = false;
    const qint64 nr = m_entries.value(QStringLiteral("PflanzenID")).trimmed().toLongLong(&ok);
    const int column = plants.columnIndex(QStringLiteral("Nr"));
    if (!ok || column < 0 || !plants.active())
        return -1;
    for (int row = 0; row < plants.recordCount(); ++row)
        if (plants.valueAt(row, column).toLongLong() == nr)
            return m_foundRow = row;
    return -1;
}

void TRep_SonderlisteLang::QRBand2BeforePrint(report::Band &band)
{
    band.element(QStringLiteral("QRImage1")).picture = listPhoto(m_plant, ctx.state.PhotoDir);
}

} // namespace vindel
