#include "labels/TRep_Etikettendruck.h"

#include "app/AllPlantsShown.h"
#include "labels/QrCode.h"
#include "labels/TEtikettgestaltung.h"
#include "reports/ReportParts.h"

#include <QFontMetrics>

#include <cmath>

namespace vindel {

using namespace parts;

namespace {

constexpr QPoint kFieldPlace[LabelDesign::kFields] = {{8, 10},  {48, 10},  {46, 34}, {245, 34},
                                                      {46, 54}, {245, 55}, {46, 74}, {245, 75}};
const char *const kFieldNames[LabelDesign::kFields] = {"QRLabel2",  "QRLabel3",  "QRLabel18", "QRLabel19",
                                                       "QRLabel20", "QRLabel21", "QRLabel22", "QRLabel23"};
const QColor kButtonShadow(0x80, 0x80, 0x80);

// A designer's font (in points) as the report measures fonts (in layout pixels).
QFont printedFont(const QFont &designed)
{
    QFont f = designed;
    const double points = designed.pointSizeF() > 0 ? designed.pointSizeF() : designed.pixelSize() * 72.0 / 96.0;
    f.setPixelSize(std::max(1, int(std::lround(points * 96.0 / 72.0))));
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

} // namespace

TRep_Etikettendruck::TRep_Etikettendruck(AppContext &context)
    : PrintedReport(context, QStringLiteral("TRep_Etikettendruck"), QStringLiteral("Etikettendruck")),
      m_entries(context.tables.Tab_Listeninhalt)
{
    m_report.setup.marginsMm = QMarginsF(10, 10, 10, 10);
    m_report.source = &m_entries;
    report::Band title{QStringLiteral("QRBand1"), report::BandKind::Title, kTitleHeight};
    title.add(caption(QStringLiteral("QRLabel1"), QStringLiteral("Etikettendruck"), {0, 2, kStripWidth, 20}, arial(12, true),
                      Qt::AlignHCenter | Qt::AlignTop));
    title.add(field(QStringLiteral("QRLabel4"), QStringLiteral("Liste"), {0, 26, kStripWidth, 18}, arial(10), nullptr,
                    QStringLiteral("Von  Liste: ")));
    title.element(QStringLiteral("QRLabel4")).alignment = Qt::AlignHCenter | Qt::AlignTop;
    m_report.addBand(title);
    // The strips a used sheet has given already: left blank.
    m_report.addBand(report::Band{QStringLiteral("UsedStrips"), report::BandKind::Title, 0});

    report::Band strip{QStringLiteral("QRBand2"), report::BandKind::Detail, LabelDesign::stripPixels(20)};
    report::Element border = frame({0, 0, kStripWidth, strip.height});
    border.name = QStringLiteral("StripFrame");
    border.colour = kButtonShadow;
    strip.add(border);
    for (int i = 0; i < LabelDesign::kFields; ++i) {
        report::Element e = caption(QLatin1String(kFieldNames[i]), QString(),
                                    {kFieldPlace[i].x(), kFieldPlace[i].y(), kStripWidth - kFieldPlace[i].x() - 4, 20});
        e.enabled = false;
        strip.add(e);
    }
    report::Element code = picture(QStringLiteral("QRCode"), {});
    code.enabled = false;
    strip.add(code);
    strip.beforePrint = [this](report::Band &b) { QRBand2BeforePrint(b); };
    m_report.addBand(strip);
    m_report.beforePrint = [this] { prepare(); };
}

// The design is read from the designer at every print; the plants are found by number among all
// of them.
report::Document TRep_Etikettendruck::build()
{
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    plants.open();
    AllPlantsShown allPlants(plants);
    m_plantRowByNr.clear();
    const int nr = plants.columnIndex(QStringLiteral("Nr"));
    for (int row = plants.recordCount() - 1; row >= 0; --row)
        m_plantRowByNr.insert(plants.valueAt(row, nr).toLongLong(), row);
    return PrintedReport::build();
}

void TRep_Etikettendruck::prepare()
{
    ctx.tables.Tab_Listeninhalt.open();
    auto *designer = ctx.window<TEtikettgestaltung>();
    m_design = designer ? designer->design() : LabelDesign{};
    // A first strip further down the sheet: the strips before it stay blank.
    const int strip = LabelDesign::stripPixels(m_design.stripMm);
    const QRectF area = m_report.setup.printableRect();
    const int fitting = std::max(1, int((area.height() - kTitleHeight) / std::max(1, strip)));
    const int skipped = std::clamp(m_design.startStrip, 1, fitting) - 1;
    report::Band &used = m_report.band(QStringLiteral("UsedStrips"));
    used.height = skipped * strip;
    used.enabled = skipped > 0;
}

void TRep_Etikettendruck::QRBand2BeforePrint(report::Band &band)
{
    const Table &plants = ctx.tables.Tab_Pflanzen_test;
    const int height = LabelDesign::stripPixels(m_design.stripMm);
    band.height = height;
    band.element(QStringLiteral("StripFrame")).rect.setHeight(height);
    for (const char *name : kFieldNames)
        band.element(QLatin1String(name)).enabled = false;

    bool known = false;
    const qint64 nr = m_entries.value(QStringLiteral("PflanzenID")).trimmed().toLongLong(&known);
    // An entry whose plant is gone prints an empty strip, not another plant's values.
    const int row = known ? m_plantRowByNr.value(nr, -1) : -1;
    for (int i = 0; i < LabelDesign::fieldsInUse(m_design.stripMm); ++i) {
        const QString &choice = m_design.choices[size_t(i)];
        const QString column = LabelDesign::columnOf(choice);
        if (column.isEmpty())
            continue;
        if (plants.columnIndex(column) < 0)
            throw DatabaseError(QStringLiteral("Das Feld '%1' wurde nicht gefunden").arg(choice));
        report::Element &e = band.element(QLatin1String(kFieldNames[i]));
        e.enabled = true;
        e.text = row >= 0 ? TableRecords::printed(plants, row, column) : QString();
        e.font = printedFont(m_design.fonts[size_t(i)]);
        e.colour = m_design.colours[size_t(i)];
        e.rect.setHeight(QFontMetrics(*e.font).height());
    }

    report::Element &code = band.element(QStringLiteral("QRCode"));
    code.enabled = m_design.qrCode && row >= 0;
    if (code.enabled) {
        const int side = height - 6;
        code.rect = QRect(kStripWidth - side - 3, 3, side, side);
        code.picture = {QString(), qrCodeImage(QString::number(nr)), true};
    }
}

} // namespace vindel
