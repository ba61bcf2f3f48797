#include "lists/TListe.h"

#include "app/Colours.h"
#include "app/DataGrid.h"
#include "app/DesignLayout.h"
#include "app/Make.h"
#include "data/RowFilter.h"
#include "data/ShortDate.h"
#include "lists/ListGrids.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace vindel {

namespace {
const QString kNewList = QStringLiteral("Neue Liste");
const QString kSave = QStringLiteral("Speichern");
const QString kDeleteList = QStringLiteral("Liste löschen");
const QString kCancel = QStringLiteral("Abbrechen");
} // namespace

TListe::TListe(AppContext &context) : AppWindow(context, QStringLiteral("TListe"), QStringLiteral("Meine Listen"), {900, 580})
{
    setCloseBoxHandler([this] { BitBtn6Click(); });
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setMouseTracking(true);
    DataTables &t = ctx.tables;
    auto *layout = new DesignLayout(this, {900, 580});
    QLabel *heading = make::label("Label1", QStringLiteral("Listenverwaltung"));
    QFont big = heading->font();
    big.setPointSize(16);
    big.setBold(true);
    heading->setFont(big);
    layout->place(heading, {16, 8, 400, 32});
    layout->place(make::label("Label2", QStringLiteral("Nr.:")), {440, 16, 30, 22});
    PlantNumber = make::label("PlantNumber");
    layout->place(PlantNumber, {472, 16, 80, 22});
    PlantName = make::label("PlantName");
    PlantName->setStyleSheet(QStringLiteral("color: navy; font-weight: bold;"));
    layout->place(PlantName, {560, 16, 320, 22});

    layout->place(make::label("Label3", QStringLiteral("Meine Listen:")), {16, 56, 300, 20});
    DBGrid1 = allColumnsGrid("DBGrid1", t.Tab_Liste, QStringLiteral("Liste"));
    layout->place(DBGrid1, {16, 78, 380, 330}, AnchorLeft | AnchorTop | AnchorBottom);
    ListCount = make::label("ListCount");
    layout->place(ListCount, {16, 412, 380, 20}, AnchorLeft | AnchorBottom);

    layout->place(make::label("Label4", QStringLiteral("Pflanzen die zur Liste gehören:")), {410, 56, 300, 20});
    DBGrid2 = allColumnsGrid("DBGrid2", t.Tab_Listeninhalt, QStringLiteral("Listeninhalt"));
    layout->place(DBGrid2, {410, 78, 470, 330}, AnchorAll);
    EntryCount = make::label("EntryCount");
    layout->place(EntryCount, {410, 412, 300, 20}, AnchorLeft | AnchorBottom);
    layout->place(make::label("Label5", QStringLiteral("Sortieren:")), {720, 414, 66, 20}, AnchorRight | AnchorBottom);
    ComboBox8 = make::comboBox("ComboBox8", {QStringLiteral("alphabetisch"), QStringLiteral("nach Nummern"), QString()});
    layout->place(ComboBox8, {790, 410, 90, 24}, AnchorRight | AnchorBottom);

    NewListNrLabel = make::label("NewListNrLabel", QStringLiteral("Nr.:"));
    layout->place(NewListNrLabel, {16, 442, 30, 22}, AnchorLeft | AnchorBottom);
    Edit1 = make::lineEdit("Edit1", QStringLiteral("Nummer der neuen Liste"));
    layout->place(Edit1, {48, 440, 60, 24}, AnchorLeft | AnchorBottom);
    Edit2 = make::lineEdit("Edit2", QStringLiteral("Name der neuen Liste"));
    layout->place(Edit2, {116, 440, 280, 24}, AnchorLeft | AnchorBottom);

    auto button = [&](QPushButton *&b, const char *name, const QString &text, QRect rect, int anchors) {
        b = make::button(name, text);
        layout->place(b, rect, anchors);
    };
    button(BitBtn1, "BitBtn1", QStringLiteral("Diese Pflanze in die Liste aufnehmen "), {410, 440, 260, 30},
           AnchorLeft | AnchorBottom);
    button(BitBtn5, "BitBtn5", QStringLiteral("Pflanze von der Liste löschen"), {680, 440, 200, 30},
           AnchorRight | AnchorBottom);
    button(BitBtn2, "BitBtn2", kNewList, {16, 480, 130, 30}, AnchorLeft | AnchorBottom);
    button(BitBtn3, "BitBtn3", kDeleteList, {156, 480, 130, 30}, AnchorLeft | AnchorBottom);
    button(BitBtn4, "BitBtn4", QStringLiteral("Liste drucken"), {410, 480, 150, 30}, AnchorLeft | AnchorBottom);
    button(BitBtn7, "BitBtn7", QStringLiteral("Etiketten drucken"), {570, 480, 150, 30}, AnchorLeft | AnchorBottom);
    button(BitBtn6, "BitBtn6", QStringLiteral("Schliessen"), {760, 530, 120, 30}, AnchorRight | AnchorBottom);
    leaveCreating();

    connect(DBGrid1, &QAbstractItemView::clicked, this, handler(&TListe::showContents));
    connect(DBGrid1, &QAbstractItemView::pressed, this, handler(&TListe::showContents));
    connect(&t.Tab_Liste, &Dataset::afterScroll, this, handler(&TListe::Tab_ListeAfterScroll));
    connect(ComboBox8, &QComboBox::activated, this, handler(&TListe::ComboBox8Change));
    connect(BitBtn1, &QPushButton::clicked, this, handler(&TListe::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, handler(&TListe::BitBtn2Click));
    connect(BitBtn3, &QPushButton::clicked, this, handler(&TListe::BitBtn3Click));
    connect(BitBtn5, &QPushButton::clicked, this, handler(&TListe::BitBtn5Click));
    connect(BitBtn4, &QPushButton::clicked, this, handler(&TListe::BitBtn4Click));
    connect(BitBtn7, &QPushButton::clicked, this, handler(&TListe::BitBtn7Click));
    connect(BitBtn6, &QPushButton::clicked, this, handler(&TListe::BitBtn6Click));
}

QString TListe::contentsFilter(const QString &listNumber)
{
    return QStringLiteral("(ListenNr LIKE ") + filterQuoted(listNumber) + QStringLiteral(" )");
}

void TListe::showEvent(QShowEvent *event)
{
    AppWindow::showEvent(event);
    ctx.run([this] { FormShow(); });
}

void TListe::FormShow()
{
    DataTables &t = ctx.tables;
    Table &lists = t.Tab_Liste;
    lists.open();
    t.Tab_Listeninhalt.open();
    lists.setIndexFieldNames(QStringLiteral("Nr"));
    Table &plants = t.Tab_Pflanzen_test;
    plants.open();
    PlantNumber->setText(plants.isEmpty() ? QString() : plants.text(QStringLiteral("Nr")));
    PlantName->setText(plants.isEmpty() ? QString() : plants.text(QStringLiteral("Namen")));
    showCounts();
    showContents();
    if (!m_listToSelect.isEmpty()) {
        lists.locate(QStringLiteral("Nr"), m_listToSelect, LocateOption::None);
        m_listToSelect.clear();
    }
}

void TListe::showCounts()
{
    ListCount->setText(QString::number(ctx.tables.Tab_Liste.recordCount()) + QStringLiteral(" Listen vorhanden!"));
    EntryCount->setText(QString::number(ctx.tables.Tab_Listeninhalt.recordCount()) + QStringLiteral(" Pflanzen auf der Liste!"));
}

void TListe::showContents()
{
    DataTables &t = ctx.tables;
    Table &lists = t.Tab_Liste;
    Table &entries = t.Tab_Listeninhalt;
    lists.open();
    entries.open();
    if (lists.isEmpty())
        return;
    entries.setFilter(contentsFilter(lists.text(QStringLiteral("Nr"))));
    entries.setFiltered(true);
    showCounts();
    applySort();
}

void TListe::Tab_ListeAfterScroll()
{
    DataTables &t = ctx.tables;
    Table &lists = t.Tab_Liste;
    Table &entries = t.Tab_Listeninhalt;
    lists.open();
    entries.open();
    const QString nr = lists.isEmpty() ? QString() : lists.text(QStringLiteral("Nr"));
    entries.setFilter(nr.isEmpty() ? QString() : contentsFilter(QString::number(nr.trimmed().toInt())));
    entries.setFiltered(true);
    EntryCount->setText(QString::number(entries.recordCount()) + QStringLiteral(" Pflanzen auf der Liste!"));
    applySort();
}

void TListe::applySort()
{
    const QString choice = ComboBox8->currentText();
    Table &entries = ctx.tables.Tab_Listeninhalt;
    if (choice == QLatin1String("alphabetisch"))
        entries.setIndexFieldNames(QStringLiteral("Pflanze"));
    else if (choice == QLatin1String("nach Nummern"))
        entries.setIndexFieldNames(QStringLiteral("PflanzenID"));
}

void TListe::ComboBox8Change() { applySort(); }

void TListe::BitBtn1Click()
{
    DataTables &t = ctx.tables;
    Table &lists = t.Tab_Liste;
    Table &entries = t.Tab_Listeninhalt;
    lists.open();
    if (lists.isEmpty()) {
        ctx.prompter.information(QStringLiteral("  Keine Liste angelegt! Bitte legen Sie erst eine neue Liste an! "));
        return;
    }
    if (PlantNumber->text().isEmpty()) {
        ctx.prompter.information(QStringLiteral("Es ist keine Pflanze ausgewählt!"));
        return;
    }
    const QString list = lists.text(QStringLiteral("Liste"));
    entries.open();
    entries.append();
    entries.setValue(QStringLiteral("ListenNr"), lists.text(QStringLiteral("Nr")));
    entries.setValue(QStringLiteral("Liste"), list);
    entries.setValue(QStringLiteral("PflanzenID"), PlantNumber->text().toLongLong());
    entries.setValue(QStringLiteral("Pflanze"), PlantName->text());
    entries.setValue(QStringLiteral("Erstellt"), ShortDate::format(ctx.prompter.today()));
    entries.post();
    entries.close();
    entries.open();
    FormShow();
    ctx.prompter.information(QStringLiteral("   \"") + PlantName->text() + QStringLiteral("\" zur Liste \"") + list
                             + QStringLiteral("\" hinzu gefügt!  "));
}

bool TListe::creating() const { return BitBtn2->text() == kSave; }

void TListe::leaveCreating()
{
    BitBtn2->setText(kNewList);
    BitBtn3->setText(kDeleteList);
    for (QWidget *w : {static_cast<QWidget *>(NewListNrLabel), static_cast<QWidget *>(Edit1), static_cast<QWidget *>(Edit2)})
        w->hide();
}

void TListe::BitBtn2Click()
{
    Table &lists = ctx.tables.Tab_Liste;
    lists.open();
    if (!creating()) {
        // The next number after the highest, counted as numbers ("10" comes after "9").
        int highest = 0;
        const int column = lists.columnIndex(QStringLiteral("Nr"));
        for (int row = 0; row < lists.recordCount(); ++row)
            highest = std::max(highest, lists.valueAt(row, column).toString().trimmed().toInt());
        Edit1->setText(QString::number(highest + 1));
        Edit2->clear();
        for (QWidget *w : {static_cast<QWidget *>(NewListNrLabel), static_cast<QWidget *>(Edit1), static_cast<QWidget *>(Edit2)})
            w->show();
        Edit2->setFocus();
        BitBtn2->setText(kSave);
        BitBtn3->setText(kCancel);
        return;
    }
    const QString nr = Edit1->text().trimmed();
    bool number = false;
    const int value = nr.toInt(&number);
    if (!number || value <= 0) {
        ctx.prompter.information(QStringLiteral("Bitte tragen Sie als Listen Nr. eine Zahl ein!"));
        Edit1->setFocus();
        return;
    }
    if (lists.locate(QStringLiteral("Nr"), nr, LocateOption::None)) {
        ctx.prompter.information(QStringLiteral("   Listen Nr. ist schon vorhanden! Bitte andere Nr. eintragen!  "));
        Edit1->setFocus();
        return;
    }
    if (Edit2->text().trimmed().isEmpty()) {
        ctx.prompter.information(QStringLiteral("Bitte geben Sie der Liste einen Namen!"));
        Edit2->setFocus();
        return;
    }
    lists.append();
    lists.setValue(QStringLiteral("Nr"), nr);
    lists.setValue(QStringLiteral("Liste"), Edit2->text());
    lists.setValue(QStringLiteral("Erstellt"), ShortDate::format(ctx.prompter.today()));
    lists.post();
    lists.refresh();
    DBGrid1->setFocus();
    leaveCreating();
    lists.locate(QStringLiteral("Nr"), nr, LocateOption::None);
    showCounts();
    showContents();
}

void TListe::BitBtn3Click()
{
    if (creating()) {
        leaveCreating();
        return;
    }
    DataTables &t = ctx.tables;
    Table &lists = t.Tab_Liste;
    lists.open();
    if (lists.isEmpty())
        return;
    const QString name = lists.text(QStringLiteral("Liste"));
    if (!ctx.prompter.confirm(QStringLiteral("      Die Liste \"") + name
                              + QStringLiteral("\" wirklich löschen? Es werden auch alle Einträge zu dieser Liste gelöscht! ")))
        return;
    // The list and its entries go together or not at all.
    {
        Transaction transaction(t.db);
        t.db.exec(QStringLiteral("DELETE FROM Listeninhalt WHERE ListenNr = ?"), {lists.text(QStringLiteral("Nr"))});
        lists.remove();
        transaction.commit();
    }
    t.Tab_Listeninhalt.refresh();
    lists.refresh();
    showCounts();
    showContents();
}

void TListe::BitBtn5Click()
{
    Table &entries = ctx.tables.Tab_Listeninhalt;
    entries.open();
    if (entries.isEmpty())
        return;
    if (!ctx.prompter.confirm(QStringLiteral(" Pflanze \"") + entries.text(QStringLiteral("Pflanze"))
                              + QStringLiteral("\" von der Liste löschen?  ")))
        return;
    entries.remove();
    entries.close();
    entries.open();
    FormShow();
}

void TListe::BitBtn4Click()
{
    if (AppWindow *choice = ctx.window(QStringLiteral("TSortieren")))
        choice->showOver(this);
}

void TListe::BitBtn7Click()
{
    if (AppWindow *designer = ctx.window(QStringLiteral("TEtikettgestaltung")))
        designer->showOver(this);
}

void TListe::BitBtn6Click() { closeAndReturn(); }

void TListe::mouseMoveEvent(QMouseEvent *event)
{
    setFocus();
    AppWindow::mouseMoveEvent(event);
}

void TListe::mousePressEvent(QMouseEvent *event)
{
    const Qt::MouseButton button = event->button();
    ctx.run([this, button] { FormMouseDown(button); });
    AppWindow::mousePressEvent(event);
}

// A right click on the background changes its colour until the program ends.
void TListe::FormMouseDown(Qt::MouseButton button)
{
    if (button != Qt::RightButton || !ctx.prompter.confirm(QStringLiteral(" Hintergrundfarbe ändern?  ")))
        return;
    if (const std::optional<QColor> colour = ctx.prompter.colour(fromWinColour(backgroundOf(this))))
        setBackground(this, toWinColour(*colour));
}

} // namespace vindel
