#include "photos/FotoalbumPage.h"

#include "app/Colours.h"
#include "app/CountFiles.h"
#include "app/DataGrid.h"
#include "app/Make.h"
#include "app/ProgressBarProgress.h"
#include "app/Tag.h"
#include "data/RowFilter.h"
#include "photos/AlbumGrid.h"
#include "photos/AlbumIndex.h"
#include "photos/PhotoServices.h"
#include "photos/PhotoStore.h"
#include "photos/TFotozeigen.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace vindel {

FotoalbumPage::FotoalbumPage(AppContext &context)
    : Page(context, QStringLiteral("TabSheet6"), QStringLiteral("Fotoalbum                                  "))
{
    DesignLayout *page = design();
    page->place(make::label("Label139", QStringLiteral("Bildsuche nach:")), {10, 14, 100, 22});
    ComboBox21 = make::comboBox("ComboBox21", {QStringLiteral("Name"), QStringLiteral("Nr."), QStringLiteral("Datum")});
    page->place(ComboBox21, {110, 12, 90, 24});
    Edit51 = make::lineEdit("Edit51", QStringLiteral("Anfangsbuchstaben für die Suche eingeben!"));
    Edit51->setText(QStringLiteral("*"));
    page->place(Edit51, {206, 12, 180, 24});
    Button2 = make::button("Button2", QStringLiteral("Liste anzeigen"));
    page->place(Button2, {400, 10, 120, 28});
    BitBtn38 = make::button("BitBtn38", QStringLiteral("Aktuallisieren"));
    page->place(BitBtn38, {530, 10, 120, 28});
    ProgressBar1 = new QProgressBar;
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setStyleSheet(QStringLiteral("QProgressBar::chunk { background-color: #FF0000; }"));
    ProgressBar1->hide();
    page->place(ProgressBar1, {660, 14, 200, 20});
    Label140 = make::label("Label140", QStringLiteral("Anzahl Fotos"));
    Label140->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    page->place(Label140, {866, 14, 136, 22}, AnchorTop | AnchorRight);

    StringGrid2 = new AlbumGrid(photoServices(ctx).loader());
    page->place(StringGrid2, {10, 46, 992, 654}, AnchorAll);
    DBGrid6 = new DataGrid(QStringLiteral("DBGrid6"));
    DBGrid6->bind(ctx.tables.Tab_ListeallerFotos, {{QStringLiteral("Fotoname"), {}, 489}, {QStringLiteral("Fotodatum"), {}, 80}});
    DBGrid6->hide();
    page->place(DBGrid6, {10, 46, 600, 654}, AnchorLeft | AnchorTop | AnchorBottom);

    connect(ComboBox21, &QComboBox::activated, this, handler(&FotoalbumPage::ComboBox21Change));
    connect(Edit51, &QLineEdit::textChanged, this, handler(&FotoalbumPage::Edit51Change));
    connect(Button2, &QPushButton::clicked, this, handler(&FotoalbumPage::Button2Click));
    connect(BitBtn38, &QPushButton::pressed, this, [this] { BitBtn38->setCursor(Qt::WaitCursor); });
    connect(BitBtn38, &QPushButton::clicked, this, handler(&FotoalbumPage::BitBtn38Click));
    connect(StringGrid2, &AlbumGrid::cellSelected, this,
            [this](int row, int column) { ctx.run([=, this] { StringGrid2SelectCell(row, column); }); });
    connect(StringGrid2, &AlbumGrid::cellDoubleClicked, this, [this](int row, int column) {
        ctx.run([=, this] {
            StringGrid2SelectCell(row, column);
            StringGrid2DblClick();
        });
    });
}

void FotoalbumPage::showCount()
{
    Label140->setText(QString::number(ctx.tables.Tab_ListeallerFotos.recordCount()) + QStringLiteral(" Fotos gefunden"));
}

void FotoalbumPage::TabSheet6Show()
{
    SharedState &s = ctx.state;
    s.PhotoCode = 0;
    Tag::set(StringGrid2, 0);
    StringGrid2->setBackgroundColour(fromWinColour(s.GroupBoxColor));
    Table &photos = ctx.tables.Tab_ListeallerFotos;
    photos.open();
    TabelleFotos();
    showCount();
    ctx.tables.Tab_Stammdaten.open();
    s.PhotoFileCount = CountFiles(ctx.tables.Tab_Stammdaten.text(QStringLiteral("Speicherpfad")), QStringLiteral("*.*"));
    if (photos.recordCount() != s.PhotoFileCount && Edit51->text() == QLatin1String("*"))
        ctx.prompter.information(QStringLiteral("Bitte klicken Sie auf den Button \"Aktuallisieren\"\n\nEs gibt neue "
                                                "Fotos in Ihrer Sammlung die noch nicht im Fotoalbum gelistet sind"));
}

// The grid from the table: a photo a cell, in the table's order; a file that is gone leaves its
// cell empty but keeps its place. Cells after the last photo stay empty.
void FotoalbumPage::TabelleFotos()
{
    Table &photos = ctx.tables.Tab_ListeallerFotos;
    photos.open();
    const PhotoStore store(ctx.state.PhotoDir);
    QStringList cells;
    cells.reserve(photos.recordCount());
    for (int row = 0; row < photos.recordCount(); ++row) {
        const int column = photos.columnIndex(QStringLiteral("Fotoname"));
        const QString name = photos.valueAt(row, column).toString();
        const std::optional<QString> path = store.resolve(name);
        cells << (path && QFileInfo(*path).isFile() ? *path : QString());
    }
    photos.first();
    StringGrid2->setCells(cells);
}

void FotoalbumPage::StringGrid2SelectCell(int row, int column)
{
    ctx.state.SelectedGridCol = column;
    ctx.state.SelectedGridRow = row;
}

void FotoalbumPage::StringGrid2DblClick()
{
    SharedState &s = ctx.state;
    Tag::set(StringGrid2, 1);
    const QString cell = StringGrid2->cellText(s.SelectedGridRow, s.SelectedGridCol);
    if (cell.isEmpty())
        return;
    s.CurrentPhotoPath = cell;
    if (!QFileInfo(cell).isFile())
        return;
    auto *viewer = ctx.window<TFotozeigen>();
    if (!viewer)
        return;
    // Stepping in the viewer goes on from the photo shown.
    ctx.tables.Tab_ListeallerFotos.moveTo(AlbumGeometry::index(s.SelectedGridRow, s.SelectedGridCol));
    s.PhotoCode = 8;
    TFotozeigen::Showing showing;
    showing.caption = QStringLiteral("Nr.: ") + QFileInfo(cell).fileName();
    showing.path = cell;
    showing.album = true;
    showing.editMode = 0;
    viewer->open(showing, window());
}

void FotoalbumPage::BitBtn38Click()
{
    ctx.tables.Tab_Stammdaten.open();
    const QString folder = ctx.tables.Tab_Stammdaten.text(QStringLiteral("Speicherpfad"));
    ctx.state.PhotoFileCount = CountFiles(folder, QStringLiteral("*.*"));
    ProgressBar1->show();
    BitBtn38->setCursor(Qt::WaitCursor);
    StringGrid2->setCursor(Qt::WaitCursor);
    ProgressBarProgress progress(ProgressBar1);
    struct Restore {
        FotoalbumPage *page;
        ~Restore()
        {
            page->BitBtn38->setCursor(Qt::PointingHandCursor);
            page->StringGrid2->setCursor(Qt::PointingHandCursor);
            page->ProgressBar1->hide();
        }
    } restore{this};
    AlbumIndex::rebuild(ctx.tables, folder, progress);
    showCount();
    TabelleFotos();
}

void FotoalbumPage::ComboBox21Change()
{
    Edit51->setText(ComboBox21->currentText() == QLatin1String("Nr.") ? QString() : QStringLiteral("*"));
}

void FotoalbumPage::Edit51Change()
{
    StringGrid2->setCursor(Qt::WaitCursor);
    Edit51->setCursor(Qt::WaitCursor);
    StringGrid2->clearCells();
    Table &photos = ctx.tables.Tab_ListeallerFotos;
    const QString field = ComboBox21->currentText();
    const QString column = field == QLatin1String("Datum") ? QStringLiteral("Fotodatum")
                           : field == QLatin1String("Nr.") ? QStringLiteral("Nr")
                                                           : QStringLiteral("Fotoname");
    const QString entry = Edit51->text();
    photos.open();
    if (entry.isEmpty() || entry == QLatin1String("*")) {
        photos.setFiltered(false);
    } else {
        const QString value = column == QLatin1String("Nr") ? QString::number(entry.toInt()) : entry + u'*';
        photos.setFilter(QStringLiteral("(") + column + QStringLiteral(" LIKE ") + filterQuoted(value) + QStringLiteral(")"));
        photos.setFiltered(true);
    }
    showCount();
    TabelleFotos();
    StringGrid2->setCursor(Qt::PointingHandCursor);
    Edit51->unsetCursor();
}

void FotoalbumPage::Button2Click()
{
    const bool show = DBGrid6->isHidden();
    DBGrid6->setVisible(show);
    if (show)
        DBGrid6->raise();
    Button2->setText(show ? QStringLiteral("Liste ausblenden") : QStringLiteral("Liste anzeigen"));
}

} // namespace vindel
