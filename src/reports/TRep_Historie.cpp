#include "reports/TRep_Historie.h"

#include "reports/PrintedPhotos.h"
#include "reports/ReportParts.h"

namespace vindel {

using namespace parts;

TRep_Historie::TRep_Historie(AppContext &context)
    : PrintedReport(context, QStringLiteral("TRep_Historie"), QStringLiteral("Tagebuch")),
      m_plant(context.tables.Tab_Pflanzen_test), m_settings(context.tables.Tab_Stammdaten),
      m_diary(context.tables.Tab_Historie)
{
    m_report.source = &m_plant;
    report::Band title{QStringLiteral("QRBand1"), report::BandKind::Title, 100};
    addSenderFields(title, &m_settings, {0, 0});
    title.add(caption(QStringLiteral("DiaryTitle"), QStringLiteral("Tagebuch"), {240, 4, 220, 28}, arial(16),
                      Qt::AlignHCenter | Qt::AlignTop));
    title.add(date(QStringLiteral("DiaryDate"), QStringLiteral("Stand vom : "), {500, 4, 199, 17}));
    title.add(field(QStringLiteral("DiaryPlant"), QStringLiteral("Namen"), {0, 60, kWidth, 22}, arial(12, true)));
    title.element(QStringLiteral("DiaryPlant")).alignment = Qt::AlignHCenter | Qt::AlignTop;
    title.add(rule(92));
    m_report.addBand(title);

    report::Band detail{QStringLiteral("QRBand2"), report::BandKind::Detail, 112};
    detail.bottomRule = true;
    addRow(detail, QStringLiteral("PlantNr"), QStringLiteral("Nr."), QStringLiteral("Nr"), 0, 4, 40, 100, nullptr,
           arial(10, true));
    addRow(detail, QStringLiteral("PlantName"), QStringLiteral("Name:"), QStringLiteral("Namen"), 0, 24, 95, 210);
    addRow(detail, QStringLiteral("PlantDialect"), QStringLiteral("Mundartlich"), QStringLiteral("Mundart"), 0, 42, 95, 210);
    // The genus under "Gattung:".
    addRow(detail, QStringLiteral("PlantGenus"), QStringLiteral("Gattung:"), QStringLiteral("Familie"), 0, 60, 95, 210);
    addRow(detail, QStringLiteral("PlantStock"), QStringLiteral("Im Bestand:"), QStringLiteral("Bestand"), 0, 78, 95, 210);
    addRow(detail, QStringLiteral("PlantOrigin"), QStringLiteral("Herkunft:"), QStringLiteral("Herkunft"), 315, 24, 120, 150);
    addRow(detail, QStringLiteral("PlantPrice"), QStringLiteral("Kaufpreis:"), QStringLiteral("Kaufpreis"), 315, 42, 120, 150);
    addRow(detail, QStringLiteral("PlantWinter"), QStringLiteral("Standort Winter:"), QStringLiteral("Winter"), 315, 60, 120, 150);
    addRow(detail, QStringLiteral("PlantSummer"), QStringLiteral("Standort Sommer:"), QStringLiteral("Sommer"), 315, 78, 120, 150);
    detail.add(caption(QStringLiteral("LiteratureCaption"), QStringLiteral("Literaturbild"), {610, 4, 89, 17}));
    detail.add(picture(QStringLiteral("QRImage1"), {610, 24, 81, 57}));
    m_report.addBand(detail);

    report::Band header{QStringLiteral("GroupHeaderBand1"), report::BandKind::GroupHeader, 28};
    header.add(caption(QStringLiteral("HeadDate"), QStringLiteral("Datum"), {0, 4, 100, 17}, arial(10, true)));
    header.add(caption(QStringLiteral("HeadText"), QStringLiteral("Eintrag"), {110, 4, 300, 17}, arial(10, true)));
    header.add(caption(QStringLiteral("HeadPhoto"), QStringLiteral("Eigene Fotos in Historie"), {520, 4, 179, 17},
                       arial(10, true)));
    header.add(rule(25));
    m_report.addBand(header);

    report::Band entries{QStringLiteral("QRSubDetail1"), report::BandKind::SubDetail, 66};
    entries.source = &m_diary;
    entries.groupHeader = QStringLiteral("GroupHeaderBand1");
    entries.bottomRule = true;
    entries.add(field(QStringLiteral("EntryDate"), QStringLiteral("Datum"), {0, 4, 100, 17}));
    entries.add(memo(QStringLiteral("EntryText"), QStringLiteral("Inhalt1"), {110, 4, 489, 57}, false));
    entries.add(picture(QStringLiteral("QRImage2"), {610, 4, 81, 57}));
    entries.beforePrint = [this](report::Band &b) { QRSubDetail1BeforePrint(b); };
    m_report.addBand(entries);

    m_report.beforePrint = [this] { QuickRep1BeforePrint(); };
    m_report.afterPreview = [this] { QuickRep1AfterPreview(); };
}

void TRep_Historie::QuickRep1BeforePrint()
{
    DataTables &t = ctx.tables;
    tag = 1; // the main window shows the diary page again
    if (!m_catalogue)
        m_catalogue.emplace(ctx);
    if (t.Tab_Kate_test.active() && !t.Tab_Kate_test.isEmpty())
        ctx.state.SavedCategoryId = int(t.Tab_Kate_test.integer(QStringLiteral("ID")));
    t.Tab_Stammdaten.open();
    // The entries the diary page shows, in its order.
    t.Tab_Historie.open();
    t.Tab_Historie.setFiltered(true);
    m_report.element(QStringLiteral("QRImage1")).picture =
        printedPhoto(ctx.state.PhotoDir, m_plant.value(QStringLiteral("Bild7")), Placeholder::ForeignPhoto,
                     Placeholder::ForeignPhoto);
}

void TRep_Historie::QRSubDetail1BeforePrint(report::Band &band)
{
    band.element(QStringLiteral("QRImage2")).picture =
        printedPhoto(ctx.state.PhotoDir, m_diary.value(QStringLiteral("Bild")), Placeholder::OwnPhoto, Placeholder::OwnPhoto);
}

void TRep_Historie::QuickRep1AfterPreview()
{
    if (m_catalogue) {
        m_catalogue->restore();
        m_catalogue.reset();
    }
}

} // namespace vindel
