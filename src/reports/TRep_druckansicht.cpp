#include "reports/TRep_druckansicht.h"

#include "app/LastChange.h"
#include "reports/DataSheetParts.h"

namespace vindel {

using namespace parts;

namespace {

const QStringList kSender{QStringLiteral("QRLabel22"), QStringLiteral("QRLabel23"), QStringLiteral("QRLabel24")};

struct Section {
    const char *band;
    const char *heading;
    const char *column;
};
const Section kSections[] = {{"QRSubDetail1", "Beschreibung:", "Beschreibung"},
                             {"QRSubDetail2", "Pflege:", "Pflege"},
                             {"QRSubDetail3", "Vermehrung:", "Vermehrung"},
                             {"QRSubDetail4", "Düngung:", "Düngung"},
                             {"QRSubDetail5", "Boden:", "Boden"}};

} // namespace

TRep_druckansicht::TRep_druckansicht(AppContext &context)
    : PrintedReport(context, QStringLiteral("TRep_druckansicht"), QStringLiteral("Pflanzendatenblatt")),
      m_plant(context.tables.Tab_Pflanzen_test)
{
    setWindowTitle(QStringLiteral("Druckansicht"));
    m_report.source = &m_plant;
    m_report.addBand(sheet::titleBand(QStringLiteral("QRBand1"), kTitleHeight, kSender));

    report::Band detail{QStringLiteral("QRBand2"), report::BandKind::Detail, kDetailHeight};
    const std::pair<const char *, const char *> rows[] = {
        {"Name:", "Namen"},       {"Kategorie:", "Kategorie"}, {"Bezeichnung:", "Bezeichnung"},
        {"Mundartlich:", "Mundart"}, {"Gattung:", "Familie"},   {"Art:", "Art"},
        {"Feld Nr.:", "Feldnummer"}, {"Variante:", "Variante"}, {"Im Bestand:", "Bestand"},
        {"Herkunft:", "Herkunft"}, {"Kaufpreis:", "Kaufpreis"}, {"Standort Sommer:", "Sommer"},
        {"Standort Winter:", "Winter"}};
    int y = 4;
    for (const auto &[captionText, column] : rows) {
        const QString c = QString::fromUtf8(column);
        const bool sansSerif = c == QLatin1String("Feldnummer") || c == QLatin1String("Variante");
        addRow(detail, QStringLiteral("Value") + c, QString::fromUtf8(captionText), c, 0, y, 130,
               c == QLatin1String("Kaufpreis") ? 80 : 210, nullptr,
               sansSerif ? report::font(QStringLiteral("MS Sans Serif"), 10) : arial(10));
        if (c == QLatin1String("Kaufpreis"))
            addRow(detail, QStringLiteral("ValueTöpfe"), QStringLiteral("Topfgröße:"), QStringLiteral("Töpfe"), 215, y, 80,
                   60);
        y += 22;
    }
    detail.add(caption(QStringLiteral("LiteratureCaption"), QStringLiteral("Literaturfoto:"), {360, 0, 200, 17}));
    detail.add(picture(QStringLiteral("QRImage1"), {360, 20, 297, 241}));
    sheet::addOwnPhotos(detail, 330, {210, 153}, true);
    m_report.addBand(detail);

    for (const Section &s : kSections) {
        report::Band band{QLatin1String(s.band), report::BandKind::SubDetail, kSectionHeight};
        band.bottomRule = true;
        band.add(caption(QLatin1String(s.band) + QStringLiteral("Heading"), QString::fromUtf8(s.heading), {0, 4, 300, 17},
                         arial(10, true, true)));
        band.add(memo(QLatin1String(s.band) + QStringLiteral("Text"), QString::fromUtf8(s.column), {0, 24, kWidth, 20}, true));
        const QString column = QString::fromUtf8(s.column);
        band.beforePrint = [this, column](report::Band &b) { sectionBeforePrint(b, column); };
        m_report.addBand(band);
    }

    m_report.beforePrint = [this] { QuickRep1BeforePrint(); };
    m_report.afterPrint = [this] { QuickRep1AfterPreview(); };
    m_report.afterPreview = [this] { QuickRep1AfterPreview(); };
}

void TRep_druckansicht::QuickRep1BeforePrint()
{
    DataTables &t = ctx.tables;
    // Each print starts from the sections as designed.
    for (const Section &s : kSections) {
        report::Band &band = m_report.band(QLatin1String(s.band));
        band.enabled = true;
        band.height = kSectionHeight;
    }
    if (!m_catalogue)
        m_catalogue.emplace(ctx);
    if (t.Tab_Kate_test.active() && !t.Tab_Kate_test.isEmpty())
        ctx.state.SavedCategoryId = int(t.Tab_Kate_test.integer(QStringLiteral("ID")));
    t.Tab_Stammdaten.open();
    fillSenderLabels(m_report, kSender, t.Tab_Stammdaten);
    sheet::fillPhotos(m_report, ctx.state.PhotoDir, m_plant);
}

// A section prints its heading alone when its text is empty; "Boden:" then leaves a page that is
// full already.
void TRep_druckansicht::sectionBeforePrint(report::Band &band, const QString &column)
{
    const bool empty = m_plant.value(column).trimmed().isEmpty();
    band.element(band.name + QStringLiteral("Text")).enabled = !empty;
    band.height = empty ? kHeadingOnlyHeight : kSectionHeight;
    if (band.name != QLatin1String("QRSubDetail5") || !empty)
        return;
    int h = kTitleHeight + kDetailHeight;
    for (int i = 1; i <= 4; ++i)
        h += m_report.band(QStringLiteral("QRSubDetail%1").arg(i)).height;
    if (h > kFullPage)
        band.enabled = false;
}

void TRep_druckansicht::QuickRep1AfterPreview()
{
    if (m_catalogue) {
        m_catalogue->restore();
        m_catalogue.reset();
    }
}

} // namespace vindel
