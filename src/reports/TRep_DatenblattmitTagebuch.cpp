#include "reports/TRep_DatenblattmitTagebuch.h"

#include "data/RowFilter.h"
#include "reports/DataSheetParts.h"
#include "reports/PrintedPhotos.h"

namespace vindel {

using namespace parts;

namespace {
const QStringList kSender{QStringLiteral("QRLabel28"), QStringLiteral("QRLabel29"), QStringLiteral("QRLabel30")};
} // namespace

TRep_DatenblattmitTagebuch::TRep_DatenblattmitTagebuch(AppContext &context)
    : PrintedReport(context, QStringLiteral("TRep_DatenblattmitTagebuch"), QStringLiteral("Pflanzendatenblatt mit Tagebuch")),
      m_plant(context.tables.Tab_Pflanzen_test,
              sheet::chosenOrCurrentPlant(context.tables.Tab_Pflanzen_test, m_row)),
      m_diary(context.tables.Tab_Historie)
{
    m_report.source = &m_plant;
    m_report.addBand(sheet::titleBand(QStringLiteral("QRBand1"), 91, kSender));

    report::Band detail{QStringLiteral("QRBand2"), report::BandKind::Detail, 808};
    const std::pair<const char *, const char *> rows[] = {
        {"Name:", "Namen"},         {"Kategorie:", "Kategorie"}, {"Bezeichnung", "Bezeichnung"},
        {"Mundartlich:", "Mundart"}, {"Gattung:", "Familie"},    {"Im Bestand:", "Bestand"},
        {"Herkunft:", "Herkunft"},   {"Kaufpreis:", "Kaufpreis"}, {"Standort Sommer:", "Sommer"},
        {"Standort Winter:", "Winter"}};
    int y = 4;
    for (const auto &[captionText, column] : rows) {
        const QString c = QString::fromUtf8(column);
        addRow(detail, QStringLiteral("Value") + c, QString::fromUtf8(captionText), c, 0, y, 130,
               c == QLatin1String("Kaufpreis") ? 80 : 210);
        if (c == QLatin1String("Kaufpreis"))
            addRow(detail, QStringLiteral("ValueTöpfe"), QStringLiteral("Topfgröße:"), QStringLiteral("Töpfe"), 215, y, 80,
                   60);
        y += 22;
    }
    detail.add(caption(QStringLiteral("LiteratureCaption"), QStringLiteral("Literaturfoto:"), {360, 0, 200, 17}));
    detail.add(picture(QStringLiteral("QRImage1"), {360, 20, 297, 241}));
    const std::pair<const char *, const char *> texts[] = {{"Beschreibung", "Beschreibung"},
                                                           {"Pflegehinweise:", "Pflege"},
                                                           {"Vermehrung:", "Vermehrung"},
                                                           {"Düngung:", "Düngung"},
                                                           {"Boden:", "Boden"}};
    y = 270;
    for (const auto &[heading, column] : texts) {
        const QString c = QString::fromUtf8(column);
        detail.add(caption(c + QStringLiteral("Heading"), QString::fromUtf8(heading), {0, y, 300, 17}, arial(10, true, true)));
        detail.add(memo(c + QStringLiteral("Text"), c, {0, y + 19, kWidth, 20}, true));
        y += 48;
    }
    sheet::addOwnPhotos(detail, 620, {209, 153}, true);
    m_report.addBand(detail);

    report::Band header{QStringLiteral("GroupHeaderBand1"), report::BandKind::GroupHeader, 72};
    header.add(caption(QStringLiteral("DiaryTitle"), QStringLiteral("Tagebuch"), {0, 6, 150, 24}, arial(14, true)));
    header.add(caption(QStringLiteral("DiaryOfCaption"), QStringLiteral("von:"), {160, 12, 40, 17}));
    header.add(field(QStringLiteral("DiaryOf"), QStringLiteral("Namen"), {200, 12, 300, 17}));
    header.add(caption(QStringLiteral("DiaryNrCaption"), QStringLiteral("Nr.:"), {520, 12, 40, 17}));
    header.add(field(QStringLiteral("DiaryNr"), QStringLiteral("Nr"), {560, 12, 120, 17}, arial(10, true)));
    header.add(caption(QStringLiteral("HeadDate"), QStringLiteral("Datum"), {0, 46, 100, 17}, arial(10, true)));
    header.add(caption(QStringLiteral("HeadText"), QStringLiteral("Beschreibung"), {110, 46, 300, 17}, arial(10, true)));
    header.add(caption(QStringLiteral("HeadPhoto"), QStringLiteral("Bild"), {530, 46, 100, 17}, arial(10, true)));
    header.add(rule(68));
    m_report.addBand(header);

    report::Band entries{QStringLiteral("QRSubDetail1"), report::BandKind::SubDetail, 136};
    entries.source = &m_diary;
    entries.groupHeader = QStringLiteral("GroupHeaderBand1");
    entries.bottomRule = true;
    entries.add(field(QStringLiteral("EntryDate"), QStringLiteral("Datum"), {0, 6, 100, 17}));
    entries.add(memo(QStringLiteral("EntryText"), QStringLiteral("Inhalt1"), {110, 6, 401, 100}, false));
    entries.add(picture(QStringLiteral("QRImage5"), {530, 6, 133, 105}));
    entries.beforePrint = [this](report::Band &b) { QRSubDetail1BeforePrint(b); };
    m_report.addBand(entries);

    m_report.beforePrint = [this] { QuickRep1BeforePrint(); };
    m_report.afterPreview = [this] { QuickRep1AfterPreview(); };
}

void TRep_DatenblattmitTagebuch::QuickRep1BeforePrint()
{
    DataTables &t = ctx.tables;
    if (!m_catalogue)
        m_catalogue.emplace(ctx);
    // The diary of the plant printed: entries are keyed by its number.
    Table &diary = t.Tab_Historie;
    diary.open();
    diary.setFiltered(false);
    diary.setFilter(QStringLiteral("(PflanzenID = ") + filterQuoted(m_plant.value(QStringLiteral("Nr"))) + QLatin1Char(')'));
    diary.setFiltered(true);
    if (t.Tab_Kate_test.active() && !t.Tab_Kate_test.isEmpty())
        ctx.state.SavedCategoryId = int(t.Tab_Kate_test.integer(QStringLiteral("ID")));
    t.Tab_Stammdaten.open();
    fillSenderLabels(m_report, kSender, t.Tab_Stammdaten);
    sheet::fillPhotos(m_report, ctx.state.PhotoDir, m_plant);
}

void TRep_DatenblattmitTagebuch::QRSubDetail1BeforePrint(report::Band &band)
{
    band.element(QStringLiteral("QRImage5")).picture =
        printedPhoto(ctx.state.PhotoDir, m_diary.value(QStringLiteral("Bild")), Placeholder::ForeignPhoto,
                     Placeholder::PhotoMissing);
}

void TRep_DatenblattmitTagebuch::QuickRep1AfterPreview()
{
    if (m_catalogue) {
        m_catalogue->restore();
        m_catalogue.reset();
    }
}

} // namespace vindel
