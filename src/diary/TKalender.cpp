#include "diary/TKalender.h"

#include "app/Colours.h"
#include "app/DataGrid.h"
#include "app/DesignLayout.h"
#include "app/Make.h"
#include "diary/CalendarGrid.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace vindel {

namespace {

// Colours are stored as decimal text 0xBBGGRR; anything else paints white.
QColor storedColour(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? fromWinColour(value) : QColor(Qt::white);
}

QLabel *valueLabel(const char *name)
{
    QLabel *l = make::label(name);
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    return l;
}

} // namespace

TKalender::TKalender(AppContext &context)
    : AppWindow(context, QStringLiteral("TKalender"), QStringLiteral("Kalender"), {900, 660})
{
    setCloseBoxHandler([this] { BitBtn1Click(); });
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto *layout = new DesignLayout(this, {900, 660});

    QLabel *heading = make::label("CalendarHeading", QStringLiteral("Kalender der Tagebucheintragungen"));
    QFont headingFont(QStringLiteral("Verdana"));
    headingFont.setPixelSize(22);
    headingFont.setBold(true);
    headingFont.setItalic(true);
    heading->setFont(headingFont);
    layout->place(heading, {16, 8, 600, 32});

    auto *plantBlock = new QWidget;
    plantBlock->setObjectName(QStringLiteral("PlantBlock"));
    auto *block = new DesignLayout(plantBlock, {560, 56});
    block->place(new QLabel(QStringLiteral("Nr.:")), {8, 4, 40, 20});
    PlantNumber = valueLabel("PlantNumber");
    block->place(PlantNumber, {60, 4, 100, 20});
    block->place(new QLabel(QStringLiteral("Name:")), {170, 4, 50, 20});
    PlantName = valueLabel("PlantName");
    block->place(PlantName, {224, 4, 330, 20});
    block->place(new QLabel(QStringLiteral("Gattung:")), {8, 30, 50, 20});
    PlantGenus = valueLabel("PlantGenus");
    block->place(PlantGenus, {60, 30, 490, 20});
    layout->place(plantBlock, {16, 44, 560, 56});

    layout->place(new QLabel(QStringLiteral("Jahr:")), {600, 60, 40, 24});
    SpinEdit1 = new QSpinBox;
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(kFirstYear, kLastYear);
    SpinEdit1->setToolTip(QStringLiteral("Jahr auswählen"));
    layout->place(SpinEdit1, {644, 58, 80, 26});

    StringGrid1 = new CalendarGrid;
    layout->place(StringGrid1, {16, 110, StringGrid1->sizeHint().width(), StringGrid1->sizeHint().height()});

    layout->place(make::label("Label2", QStringLiteral("Meine angelegten Aktivitäten:")), {16, 388, 300, 20});
    StringGrid2 = new ActionLegend;
    layout->place(StringGrid2, {16, 410, StringGrid2->sizeHint().width(), StringGrid2->sizeHint().height()});

    layout->place(make::label("Label3", QStringLiteral("Aktivitäten:")), {420, 388, 200, 20});
    DBGrid1 = new DataGrid(QStringLiteral("DBGrid1"));
    layout->place(DBGrid1, {420, 410, 320, 182});

    BitBtn1 = make::button("BitBtn1", QStringLiteral("Schliessen"));
    layout->place(BitBtn1, {760, 610, 120, 32});

    connect(SpinEdit1, &QSpinBox::valueChanged, this, handler(&TKalender::SpinEdit1Change));
    connect(StringGrid1, &CalendarGrid::cellClicked, this,
            [this](int row, int column) { ctx.run([=, this] { StringGrid1SelectCell(row, column); }); });
    connect(StringGrid2, &ActionLegend::rowClicked, this,
            [this](int row) { ctx.run([=, this] { StringGrid2SelectCell(row); }); });
    connect(BitBtn1, &QPushButton::clicked, this, handler(&TKalender::BitBtn1Click));
}

QString TKalender::diaryFilter(const QString &plantNumber, int year)
{
    return QStringLiteral(" ( (PflanzenID LIKE ") + plantNumber + QStringLiteral(")  AND  (Aktion <> '')  AND  (Jahr LIKE '")
           + QString::number(year) + QStringLiteral("') ) ");
}

void TKalender::showEvent(QShowEvent *event)
{
    AppWindow::showEvent(event);
    ctx.run([this] { FormShow(); });
}

void TKalender::FormShow()
{
    applyFormColor();
    setBackground(findChild<QWidget *>(QStringLiteral("PlantBlock")), ctx.state.GroupBoxColor);
    // The list is bound when first needed, so that the diary is not read for it at start-up.
    if (!m_listBound) {
        DBGrid1->bind(ctx.tables.Tab_Historie, {{QStringLiteral("Datum"), {}, 105, Qt::AlignCenter},
                                               {QStringLiteral("Aktion"), {}, 187}});
        m_listBound = true;
    }
    const int year = std::clamp(ctx.prompter.today().year(), kFirstYear, kLastYear);
    if (SpinEdit1->value() == year)
        build();
    else
        SpinEdit1->setValue(year); // builds through its change
}

void TKalender::SpinEdit1Change()
{
    if (isVisible())
        build();
}

void TKalender::build()
{
    DataTables &t = ctx.tables;
    Table &plants = t.Tab_Pflanzen_test;
    plants.open();
    PlantNumber->setText(plants.text(QStringLiteral("Nr")));
    PlantName->setText(plants.text(QStringLiteral("Namen")));
    PlantGenus->setText(plants.text(QStringLiteral("Familie")));

    Table &diary = t.Tab_Historie;
    diary.open();
    diary.setFiltered(false);
    diary.setFilter(diaryFilter(QString::number(plants.integer(QStringLiteral("Nr"))), SpinEdit1->value()));
    diary.setFiltered(true);
    fillLegend();
    fillDays();
}

void TKalender::fillLegend()
{
    Table &actions = ctx.tables.Tab_Aktion;
    actions.open();
    actions.setIndexFieldNames(QStringLiteral("Kenner"));
    std::vector<ActionLegend::Row> rows;
    QHash<QString, QColor> colours;
    const int number = actions.columnIndex(QStringLiteral("Kenner")), name = actions.columnIndex(QStringLiteral("Bezeichnung")),
              remark = actions.columnIndex(QStringLiteral("Bemerkung")), colour = actions.columnIndex(QStringLiteral("Farbe"));
    for (int r = 0; r < actions.recordCount(); ++r) {
        ActionLegend::Row row{actions.valueAt(r, number).toString(), actions.valueAt(r, name).toString(),
                              actions.valueAt(r, remark).toString(), storedColour(actions.valueAt(r, colour).toString())};
        colours.insert(row.number, row.colour);
        rows.push_back(std::move(row));
    }
    actions.first();
    StringGrid2->setRows(std::move(rows));
    StringGrid1->setActionColours(colours);
}

void TKalender::fillDays()
{
    const Table &diary = ctx.tables.Tab_Historie;
    const int date = diary.columnIndex(QStringLiteral("Datum")), number = diary.columnIndex(QStringLiteral("Aktionkenner"));
    std::vector<YearCalendar::Entry> entries;
    entries.reserve(size_t(diary.recordCount()));
    for (int r = 0; r < diary.recordCount(); ++r)
        entries.push_back({diary.valueAt(r, date).toString(), diary.valueAt(r, number).toString()});
    QSet<QString> actionNumbers;
    for (const ActionLegend::Row &row : StringGrid2->rows())
        actionNumbers.insert(row.number);
    StringGrid1->setCalendar(YearCalendar(SpinEdit1->value(), entries, actionNumbers));
}

void TKalender::StringGrid1SelectCell(int row, int column)
{
    const QString date = StringGrid1->calendar().cellText(row, column).left(10);
    if (row < 1 || column < 1 || date.isEmpty())
        return;
    Table &diary = ctx.tables.Tab_Historie;
    if (!diary.locate(QStringLiteral("Datum"), date, LocateOption::None))
        return;
    const QString text = diary.text(QStringLiteral("Inhalt1"));
    ctx.prompter.information(QStringLiteral("Datum: ") + date + QLatin1Char('\n') + diary.text(QStringLiteral("Aktion"))
                             + (text.isEmpty() ? QStringLiteral(": Keine Eintragung") : QStringLiteral(":  ") + text));
}

void TKalender::StringGrid2SelectCell(int row)
{
    if (row < 1 || row > int(StringGrid2->rows().size()))
        return;
    const ActionLegend::Row action = StringGrid2->rows()[size_t(row - 1)];
    if (!ctx.prompter.confirm(QStringLiteral(" Farbe für die Aktion \n") + action.name + QStringLiteral("\nändern?  ")))
        return;
    const std::optional<QColor> chosen = ctx.prompter.colour(action.colour);
    if (!chosen)
        return;
    Table &actions = ctx.tables.Tab_Aktion;
    if (!actions.locate(QStringLiteral("Kenner"), action.number, LocateOption::None))
        return;
    actions.edit();
    actions.setValue(QStringLiteral("Farbe"), QString::number(toWinColour(*chosen)));
    actions.post();
    fillLegend();
    fillDays();
}

void TKalender::BitBtn1Click()
{
    tag = 1; // the main window shows the diary page again
    closeAndReturn();
    // The diary page puts its own filter back on the diary.
    if (ctx.frame)
        ctx.frame->stayOnPage(QStringLiteral("TabSheet3"));
}

} // namespace vindel
