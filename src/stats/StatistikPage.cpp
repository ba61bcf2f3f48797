#include "stats/StatistikPage.h"

#include "app/Colours.h"
#include "app/CountFiles.h"
#include "app/DataGrid.h"
#include "data/RowFilter.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGroupBox>
#include <QHorizontalBarSeries>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QValueAxis>
#include <QWheelEvent>

namespace vindel {

namespace {

const QColor kGreen(0x00, 0x80, 0x00);

QChartView *chartView(const char *name)
{
    auto *chart = new QChart;
    chart->legend()->hide();
    QLinearGradient background(0, 0, 0, 1);
    background.setCoordinateMode(QGradient::ObjectBoundingMode);
    background.setColorAt(0, Qt::white);
    background.setColorAt(1, QColor(0xE8, 0xF0, 0xE8));
    chart->setBackgroundBrush(background);
    auto *series = new QHorizontalBarSeries;
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    auto *set = new QBarSet(QString());
    QLinearGradient bars(0, 0, 1, 0);
    bars.setCoordinateMode(QGradient::ObjectBoundingMode);
    bars.setColorAt(0, kGreen.lighter(160));
    bars.setColorAt(1, kGreen);
    set->setBrush(bars);
    set->setColor(kGreen);
    set->setLabelColor(Qt::white);
    series->append(set);
    chart->addSeries(series);
    auto *labels = new QBarCategoryAxis;
    auto *values = new QValueAxis;
    values->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(labels, Qt::AlignLeft);
    chart->addAxis(values, Qt::AlignBottom);
    series->attachAxis(labels);
    series->attachAxis(values);
    auto *view = new QChartView(chart);
    view->setObjectName(QLatin1String(name));
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

QHorizontalBarSeries *seriesOf(QChartView *view)
{
    return static_cast<QHorizontalBarSeries *>(view->chart()->series().first());
}

} // namespace

StatistikPage::StatistikPage(AppContext &context)
    : Page(context, QStringLiteral("TabSheet8"), QStringLiteral("Statistik        "))
{
    GroupBox10 = new QGroupBox(QStringLiteral("Übersicht"));
    GroupBox10->setObjectName(QStringLiteral("GroupBox10"));
    design()->place(GroupBox10, {8, 4, 996, 230}, AnchorLeft | AnchorTop | AnchorRight);
    auto *overview = new DesignLayout(GroupBox10, {996, 230});
    Chart1 = chartView("Chart1");
    overview->place(Chart1, {8, 20, 980, 204}, AnchorAll);

    GroupBox11 = new QGroupBox(QStringLiteral("Gattungen"));
    GroupBox11->setObjectName(QStringLiteral("GroupBox11"));
    design()->place(GroupBox11, {8, 240, 996, 462}, AnchorAll);
    auto *genera = new DesignLayout(GroupBox11, {996, 462});
    GroupBox12 = new QGroupBox(QStringLiteral("Kategorien"));
    GroupBox12->setObjectName(QStringLiteral("GroupBox12"));
    genera->place(GroupBox12, {8, 20, 230, 434}, AnchorLeft | AnchorTop | AnchorBottom);
    auto *categories = new DesignLayout(GroupBox12, {230, 434});
    DBGrid5 = new DataGrid(QStringLiteral("DBGrid5"));
    DBGrid5->setToolTip(QStringLiteral("Klicken für Kategorieauswahl!"));
    DBGrid5->bind(ctx.tables.Tab_Kate_test, {{QStringLiteral("Namen"), QStringLiteral("Name"), 197}}, false);
    categories->place(DBGrid5, {8, 20, 214, 350}, AnchorAll);
    Label1 = new QLabel;
    Label1->setObjectName(QStringLiteral("Label1"));
    categories->place(Label1, {8, 378, 214, 20}, AnchorLeft | AnchorBottom);
    Label2 = new QLabel;
    Label2->setObjectName(QStringLiteral("Label2"));
    categories->place(Label2, {8, 402, 214, 20}, AnchorLeft | AnchorBottom);

    Chart2 = chartView("Chart2");
    QChart *chart = Chart2->chart();
    QFont title = chart->titleFont();
    title.setBold(true);
    chart->setTitleFont(title);
    chart->setTitleBrush(QColor(0x00, 0x00, 0xFF));
    chart->setMargins(QMargins(0, chart->margins().top(), 0, chart->margins().bottom()));
    seriesOf(Chart2)->setBarWidth(0.5);
    chart->axes(Qt::Horizontal).first()->setTitleText(QStringLiteral("Anzahl der Pflanzen"));
    Chart2->installEventFilter(this);
    genera->place(Chart2, {246, 12, 722, 442}, AnchorAll);
    GenusScroll = new QScrollBar(Qt::Vertical);
    GenusScroll->setObjectName(QStringLiteral("GenusScroll"));
    GenusScroll->setToolTip(QStringLiteral("Weitere Gattungen"));
    genera->place(GenusScroll, {970, 20, 18, 434}, AnchorTop | AnchorRight | AnchorBottom);
    // The last bar stands at the top, so the bar has its start at the bottom as well.
    GenusScroll->setInvertedAppearance(true);
    connect(GenusScroll, &QScrollBar::valueChanged, this, &StatistikPage::scrollGenera);

    // A category chosen in the list: the catalogue's category chain has run by then.
    connect(&ctx.tables.Tab_Kate_test, &Dataset::afterScroll, this, [this] {
        if (isVisible())
            ctx.run([this] { categoryChosen(); });
    });
}

QString StatistikPage::currentCategory() const
{
    const Table &categories = ctx.tables.Tab_Kate_test;
    return categories.active() && !categories.isEmpty() ? categories.text(QStringLiteral("Namen")) : QString();
}

void StatistikPage::showLabels()
{
    Label1->setText(QStringLiteral("Kategorie: ") + currentCategory());
    const Table &genera = ctx.tables.Tab_Gattung;
    Label2->setText(QString::number(genera.active() ? genera.recordCount() - 1 : 0) + QStringLiteral(" Gattungen"));
}

void StatistikPage::TabSheet8Show()
{
    for (QGroupBox *box : {GroupBox10, GroupBox11, GroupBox12})
        setBackground(box, ctx.state.GroupBoxColor);
    Database &db = ctx.tables.db;
    auto count = [&db](const char *table) {
        return db.select(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table)).front().front().toInt();
    };
    Table &settings = ctx.tables.Tab_Stammdaten;
    settings.open();
    QString photos = settings.text(QStringLiteral("Speicherpfad"));
    if (!photos.isEmpty() && !photos.endsWith(QLatin1Char('/')))
        photos += QLatin1Char('/');
    // The first bar stands at the bottom.
    showBars(Chart1,
             {{QStringLiteral("gespeicherte Fotos"), photos.isEmpty() ? 0 : CountFiles(photos, QStringLiteral("*.*"))},
              {QStringLiteral("Tagebucheinträge"), count("Historie")},
              {QStringLiteral("Pflanzen gesamt"), count("Pflanzen")},
              {QStringLiteral("Gattungen"), count("Gattung") - 1},
              {QStringLiteral("Kategorien"), count("Kategorien") - 1}},
             5);
    Label1->setText(QStringLiteral("Kategorie: ") + currentCategory());
    Label2->setText(QString::number(count("Gattung") - 1) + QStringLiteral(" Gattungen"));
    // All plants at first, whatever the category; the title says so.
    const auto rows = db.select(QStringLiteral("SELECT Familie FROM Pflanzen"));
    QStringList genera;
    genera.reserve(int(rows.size()));
    for (const auto &row : rows)
        genera << row.front().toString();
    showBars(Chart2, genusCounts(genera), kVisibleGenera);
    Chart2->chart()->setTitle(QStringLiteral("Alle Kategorien"));
}

void StatistikPage::categoryChosen()
{
    Grafik2zeigen();
    showLabels();
}

void StatistikPage::Grafik2zeigen()
{
    const QString category = currentCategory();
    const bool all = category.isEmpty() || category == QLatin1String(" Alle");
    const QString wanted = RowFilter::folded(category);
    const QString allGenera = RowFilter::folded(QStringLiteral(" Alle"));
    const auto rows = ctx.tables.db.select(QStringLiteral("SELECT Kategorie, Familie FROM Pflanzen"));
    QStringList genera;
    for (const auto &row : rows)
        if (all || RowFilter::folded(row[0]) == wanted || RowFilter::folded(row[1]) == allGenera)
            genera << row[1].toString();
    showBars(Chart2, genusCounts(genera), kVisibleGenera);
    Chart2->chart()->setTitle(all ? QStringLiteral("Alle Kategorien") : QStringLiteral("Gattungen in der Kategorie: ") + category);
}

void StatistikPage::showBars(QChartView *view, const std::vector<ChartBar> &bars, int visible)
{
    QHorizontalBarSeries *series = seriesOf(view);
    QBarSet *set = series->barSets().first();
    set->remove(0, set->count());
    QStringList labels;
    QList<qreal> values;
    int highest = 1;
    for (const ChartBar &bar : bars) {
        labels << bar.label;
        values << bar.value;
        highest = std::max(highest, bar.value);
    }
    set->append(values);
    auto *axis = static_cast<QBarCategoryAxis *>(view->chart()->axes(Qt::Vertical).first());
    axis->clear();
    axis->append(labels);
    // Whole numbers on the value axis, about five steps.
    auto *valueAxis = static_cast<QValueAxis *>(view->chart()->axes(Qt::Horizontal).first());
    int step = 1;
    for (int i = 0; highest / step > 5; ++i)
        step = (i % 3 == 1 ? step * 5 / 2 : step * 2); // 1, 2, 5, 10, 20, 50 ...
    valueAxis->setTickType(QValueAxis::TicksDynamic);
    valueAxis->setTickAnchor(0);
    valueAxis->setTickInterval(step);
    valueAxis->setRange(0, (highest / step + 1) * step);
    if (view == Chart2) {
        // Bars as thin with few genera as with thirteen.
        series->setBarWidth(0.5 * std::min<qsizetype>(labels.size(), visible) / visible);
        GenusScroll->blockSignals(true);
        GenusScroll->setRange(0, std::max(0, int(labels.size()) - visible));
        GenusScroll->setPageStep(visible);
        GenusScroll->setValue(0);
        GenusScroll->setVisible(labels.size() > visible);
        GenusScroll->blockSignals(false);
        scrollGenera(0);
    }
}

// Thirteen bar places at a time, as a window over the genera.
void StatistikPage::scrollGenera(int first)
{
    auto *axis = static_cast<QBarCategoryAxis *>(Chart2->chart()->axes(Qt::Vertical).first());
    const QStringList labels = axis->categories();
    if (labels.isEmpty())
        return;
    const int last = std::min(int(labels.size()) - 1, first + kVisibleGenera - 1);
    axis->setRange(labels.at(std::min(first, last)), labels.at(last));
}

bool StatistikPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Chart2 && event->type() == QEvent::Wheel) {
        const int steps = static_cast<QWheelEvent *>(event)->angleDelta().y() / 120;
        GenusScroll->setValue(GenusScroll->value() + steps);
        return true;
    }
    if (watched == Chart2 && event->type() == QEvent::Enter)
        Chart2->setFocus();
    return Page::eventFilter(watched, event);
}

} // namespace vindel
