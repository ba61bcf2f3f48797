#include "reports/TRep_Liste.h"

#include "photos/PhotoSlots.h"
#include "reports/PrintedPhotos.h"
#include "reports/ReportParts.h"

namespace vindel {

using namespace parts;

report::PictureRef listPhoto(const report::RecordSource &plant, const QString &photoDir)
{
    const QString column = plant.value(QStringLiteral("FotoListe")).trimmed();
    bool known = false;
    for (const PhotoSlot &slot : photoSlots())
        known = known || column.compare(QLatin1String(slot.column), Qt::CaseInsensitive) == 0;
    const QString stored = known ? plant.value(column) : QString();
    return printedPhoto(photoDir, stored, Placeholder::OwnPhoto, Placeholder::OwnPhoto);
}

TRep_Liste::TRep_Liste(AppContext &context)
    : PrintedReport(context, QStringLiteral("TRep_Liste"), QStringLiteral("Pflanzenliste")),
      m_plants(context.tables.Tab_Pflanzen_test), m_settings(context.tables.Tab_Stammdaten)
{
    m_report.source = &m_plants;
    m_report.addBand(listHeader(QStringLiteral("QRBand1"), report::BandKind::PageHeader, &m_settings,
                                caption(QStringLiteral("QRLabel15"), QString(), {}),
                                caption(QStringLiteral("QRLabel23"), QString(), {})));
    report::Band detail = plantListDetail(QStringLiteral("QRBand2"), nullptr);
    detail.beforePrint = [this](report::Band &b) { QRBand2BeforePrint(b); };
    m_report.addBand(detail);
    m_report.addBand(listSummary(QStringLiteral("QRBand3")));
    m_report.beforePrint = [this] { ctx.tables.Tab_Stammdaten.open(); };
}

void TRep_Liste::setHeaderLines(const QString &line1, const QString &line2)
{
    m_report.element(QStringLiteral("QRLabel15")).text = line1;
    m_report.element(QStringLiteral("QRLabel23")).text = line2;
}

void TRep_Liste::QRBand2BeforePrint(report::Band &band)
{
    tag = 1;
    band.element(QStringLiteral("QRImage1")).picture = listPhoto(m_plants, ctx.state.PhotoDir);
}

} // namespace vindel
