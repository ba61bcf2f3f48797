#include "diary/TagebuchPage.h"

#include "app/Colours.h"
#include "app/CountText.h"
#include "app/LastChange.h"
#include "app/Make.h"
#include "app/RadioGroup.h"
#include "app/ScrollGuard.h"
#include "data/RowFilter.h"
#include "diary/DiaryGrid.h"
#include "diary/TKalender.h"
#include "diary/TTagebuchneu.h"
#include "photos/PhotoServices.h"
#include "photos/PhotoStore.h"
#include "photos/TFotozeigen.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace vindel {

namespace {

const QString kDiaryPage = QStringLiteral("TabSheet3");

QString countText(int count)
{
    return QString::number(count)
           + (count == 1 ? QStringLiteral(" Eintrag im Tagebuch gefunden!") : QStringLiteral(" Einträge im Tagebuch gefunden!"));
}

} // namespace

TagebuchPage::TagebuchPage(AppContext &context) : Page(context, kDiaryPage, QStringLiteral("Tagebuch         "))
{
    DesignLayout *page = design();

    // The plant's name, centred across the page: a white copy 2 pixels left of the black one.
    QFont title(QStringLiteral("Verdana"));
    title.setPixelSize(43);
    title.setBold(true);
    title.setItalic(true);
    Label69 = make::label("Label69");
    Label69->setFont(title);
    Label69->setAlignment(Qt::AlignCenter);
    Label69->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    page->place(Label69, {8, 2, 992, 54}, AnchorLeft | AnchorTop | AnchorRight);
    Label68 = make::label("Label68");
    Label68->setFont(title);
    Label68->setAlignment(Qt::AlignCenter);
    Label68->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    page->place(Label68, {10, 2, 992, 54}, AnchorLeft | AnchorTop | AnchorRight);

    page->place(make::label("Label70", QStringLiteral("Nr.:")), {10, 58, 30, 20});
    DiaryNumber = make::label("DiaryNumber");
    QFont bold = DiaryNumber->font();
    bold.setBold(true);
    DiaryNumber->setFont(bold);
    page->place(DiaryNumber, {42, 58, 120, 20});

    StringGrid1 = new DiaryGrid(photoServices(ctx).loader());
    page->place(StringGrid1, {10, 82, 992, 496}, AnchorAll);

    RadioGroup1 = new RadioGroup("RadioGroup1", QStringLiteral("Filter für Anzeige im Tagebuch"),
                                 {QStringLiteral("Alle Einträge"), QStringLiteral("Aktionen"), QStringLiteral("Beobachtungen")});
    page->place(RadioGroup1, {10, 586, 220, 96}, AnchorLeft | AnchorBottom);
    RadioGroup2 = new RadioGroup("RadioGroup2", QStringLiteral("Sortierung"),
                                 {QStringLiteral("Datum absteigend"), QStringLiteral("Datum aufsteigend")});
    page->place(RadioGroup2, {240, 586, 180, 72}, AnchorLeft | AnchorBottom);

    BitBtn13 = make::button("BitBtn13", QStringLiteral("Neuer Eintrag"));
    page->place(BitBtn13, {440, 590, 150, 30}, AnchorLeft | AnchorBottom);
    BitBtn27 = make::button("BitBtn27", QStringLiteral("Bearbeiten"));
    page->place(BitBtn27, {600, 590, 150, 30}, AnchorLeft | AnchorBottom);
    BitBtn14 = make::button("BitBtn14", QStringLiteral("Eintrag löschen"));
    page->place(BitBtn14, {760, 590, 150, 30}, AnchorLeft | AnchorBottom);
    BitBtn19 = make::button("BitBtn19", QStringLiteral("Tagebuch drucken"));
    page->place(BitBtn19, {440, 628, 150, 30}, AnchorLeft | AnchorBottom);
    BitBtn31 = make::button("BitBtn31", QStringLiteral("Jahreskalender"));
    page->place(BitBtn31, {600, 628, 150, 30}, AnchorLeft | AnchorBottom);

    DiaryCount = make::label("DiaryCount");
    DiaryCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    page->place(DiaryCount, {600, 682, 402, 22}, AnchorRight | AnchorBottom);

    connect(RadioGroup1, &RadioGroup::itemClicked, this, handler(&TagebuchPage::TabSheet3Show));
    connect(RadioGroup2, &RadioGroup::itemClicked, this, handler(&TagebuchPage::TabSheet3Show));
    connect(BitBtn13, &QPushButton::clicked, this, handler(&TagebuchPage::BitBtn13Click));
    connect(BitBtn27, &QPushButton::clicked, this, handler(&TagebuchPage::BitBtn27Click));
    connect(BitBtn14, &QPushButton::clicked, this, handler(&TagebuchPage::BitBtn14Click));
    connect(BitBtn19, &QPushButton::clicked, this, handler(&TagebuchPage::BitBtn19Click));
    connect(BitBtn31, &QPushButton::clicked, this, handler(&TagebuchPage::BitBtn31Click));
    connect(StringGrid1, &DiaryGrid::cellSelected, this,
            [this](int row, int column) { ctx.run([=, this] { StringGrid1SelectCell(row, column); }); });
    connect(StringGrid1, &DiaryGrid::cellClicked, this, [this](int row, int column) {
        ctx.run([=, this] {
            StringGrid1SelectCell(row, column);
            StringGrid1Click();
        });
    });
}

QString TagebuchPage::filterExpression(EntryFilter filter, const QString &plantNumber)
{
    const QString plant = QStringLiteral("(PflanzenID = ") + filterQuoted(plantNumber) + QLatin1Char(')');
    switch (filter) {
    case ActionsOnly: return plant + QStringLiteral(" AND (Aktionkenner <> '0')");
    case ObservationsOnly: return plant + QStringLiteral(" AND (Aktionkenner = '0')");
    case AllEntries: break;
    }
    return plant;
}

void TagebuchPage::TabSheet3Show()
{
    DataTables &t = ctx.tables;
    SharedState &s = ctx.state;
    Table &plants = t.Tab_Pflanzen_test;
    plants.open();
    const QString name = plants.text(QStringLiteral("Namen"));
    Label68->setText(name);
    Label69->setText(name);
    DiaryNumber->setText(plants.text(QStringLiteral("Nr")));
    setBackground(this, s.TabSheetColor);
    StringGrid1->setBackgroundColour(fromWinColour(s.GroupBoxColor));

    Table &diary = t.Tab_Historie;
    diary.open();
    diary.setFiltered(false);
    s.FilterValue = QString::number(plants.integer(QStringLiteral("Nr")));
    const auto filter = EntryFilter(std::max(0, RadioGroup1->itemIndex()));
    s.FilterText = filterExpression(filter, s.FilterValue);
    diary.setFilter(s.FilterText);
    diary.setFiltered(true);
    if (filter == AllEntries)
        storeEntryCount(diary.recordCount(), QStringLiteral(" ) "));
    diary.setSort(RadioGroup2->itemIndex() == 1 ? QStringLiteral("SortDatum ASC") : QStringLiteral("SortDatum DESC"));
    diary.first();
    DiaryCount->setText(countText(diary.recordCount()));
    fillGrid();
}

// The plant's Tagebuch column holds its number of diary entries, which the tab caption shows.
// It is written at once (only when it changed), not left pending for the next move.
void TagebuchPage::storeEntryCount(int count, const QString &captionEnd)
{
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    const QString stored = QString::number(count);
    const bool editing = ctx.catalogue && ctx.catalogue->editingPlant();
    if (!plants.isEmpty() && !editing && plants.text(QStringLiteral("Tagebuch")) != stored) {
        plants.edit();
        plants.setValue(QStringLiteral("Tagebuch"), stored);
        plants.post();
    }
    if (ctx.frame)
        ctx.frame->setPageCaption(kDiaryPage, QStringLiteral("Tagbuch ( ") + stored + captionEnd);
}

void TagebuchPage::fillGrid()
{
    const Table &diary = ctx.tables.Tab_Historie;
    const PhotoStore store(ctx.state.PhotoDir);
    const int date = diary.columnIndex(QStringLiteral("Datum")), action = diary.columnIndex(QStringLiteral("Aktion")),
              text = diary.columnIndex(QStringLiteral("Inhalt1")), photo = diary.columnIndex(QStringLiteral("Bild")),
              id = diary.columnIndex(QStringLiteral("ID"));
    std::vector<DiaryGridRow> rows;
    rows.reserve(size_t(diary.recordCount()));
    for (int r = 0; r < diary.recordCount(); ++r) {
        DiaryGridRow row;
        row.date = diary.valueAt(r, date).toString();
        row.action = diary.valueAt(r, action).toString();
        row.text = diary.valueAt(r, text).toString();
        row.id = diary.valueAt(r, id).toString();
        // A name that is not a plain file of the photo folder is never opened.
        if (const std::optional<QString> path = store.resolve(diary.valueAt(r, photo).toString());
            path && QFileInfo(*path).isFile())
            row.photoPath = *path;
        rows.push_back(std::move(row));
    }
    StringGrid1->setRows(std::move(rows));
    selectFirstEntry();
}

// After filling, the first entry row is the selected one, so the entry window and "Eintrag
// löschen" never act on an entry of another plant chosen earlier.
void TagebuchPage::selectFirstEntry()
{
    SharedState &s = ctx.state;
    s.SelectedGridRow = 1;
    s.SelectedGridCol = 0;
    s.CurrentDiaryId = StringGrid1->cellText(1, DiaryGrid::IdColumn);
}

void TagebuchPage::StringGrid1SelectCell(int gridRow, int column)
{
    SharedState &s = ctx.state;
    s.SelectedGridRow = gridRow;
    s.SelectedGridCol = column;
    s.CurrentDiaryId = StringGrid1->cellText(gridRow, DiaryGrid::IdColumn);
    s.CurrentPhotoPath = StringGrid1->cellText(gridRow, column);
}

void TagebuchPage::StringGrid1Click()
{
    SharedState &s = ctx.state;
    if (s.SelectedGridCol != DiaryGrid::PhotoColumn)
        return;
    const QString path = StringGrid1->cellText(s.SelectedGridRow, DiaryGrid::PhotoColumn);
    auto *viewer = ctx.window<TFotozeigen>();
    if (path.isEmpty() || !QFileInfo(path).isFile() || !viewer)
        return;
    s.CurrentPhotoPath = path;
    s.PhotoCode = 8;
    const Table &plants = ctx.tables.Tab_Pflanzen_test;
    TFotozeigen::Showing showing;
    showing.caption = QStringLiteral("Eigenes Foto im Tagebuch von Nr.: ") + s.FilterValue + QLatin1Char(' ')
                      + plants.text(QStringLiteral("Namen"));
    showing.path = path;
    showing.editMode = 8;
    viewer->open(showing, window());
}

void TagebuchPage::BitBtn13Click()
{
    if (auto *entry = ctx.window<TTagebuchneu>())
        entry->openFor(TTagebuchneu::NewMode, QStringLiteral("Neuer Tagebucheintrag"), window());
}

void TagebuchPage::BitBtn27Click()
{
    if (StringGrid1->rows().empty())
        return;
    ctx.state.CurrentPhotoPath.clear();
    if (auto *entry = ctx.window<TTagebuchneu>())
        entry->openFor(TTagebuchneu::EditMode, QStringLiteral("Tagebucheintrag bearbeiten"), window());
}

void TagebuchPage::BitBtn14Click()
{
    DataTables &t = ctx.tables;
    SharedState &s = ctx.state;
    Table &diary = t.Tab_Historie;
    diary.open();
    if (diary.isEmpty() || s.SelectedGridRow < 1 || s.SelectedGridRow > diary.recordCount())
        return;
    diary.moveTo(s.SelectedGridRow - 1);
    if (!ctx.prompter.confirm(QStringLiteral("Diesen Datensatz wirklich löschen?")))
        return;
    // The photo goes only once the row is gone, and only when nothing else names it.
    const QString photo = diary.text(QStringLiteral("Bild"));
    diary.remove();
    const PhotoStore store(s.PhotoDir);
    if (store.contains(photo) && !PhotoStore::stillNamed(t.db, photo))
        store.remove(photo); // a file that stays does not undo the deletion
    stampLastChange(ctx);
    DiaryCount->setText(CountText::found(diary.recordCount()));
    // The plant's count is of all its entries, whichever of them the filter shows.
    storeEntryCount(diary.countEqual(QStringLiteral("PflanzenID"), s.FilterValue), QStringLiteral(" )     "));
    fillGrid();
}

void TagebuchPage::BitBtn19Click()
{
    if (ctx.reports)
        ctx.reports->previewDiary();
}

void TagebuchPage::BitBtn31Click()
{
    if (auto *calendar = ctx.window<TKalender>())
        calendar->showOver(window());
}

void TagebuchPage::TabSheet3Exit()
{
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    plants.open();
    if (plants.eof())
        return;
    ScrollGuard guard(plants);
    plants.locate(QStringLiteral("Nr"), ctx.state.CurrentPlantNr);
}

} // namespace vindel
