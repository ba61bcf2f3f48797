#include "lists/TAufListe.h"

#include "app/DataGrid.h"
#include "app/DesignLayout.h"
#include "app/Make.h"
#include "lists/ListGrids.h"
#include "lists/TListe.h"

#include <QLabel>
#include <QPushButton>

namespace vindel {

TAufListe::TAufListe(AppContext &context) : AppWindow(context, QStringLiteral("TAufListe"), QStringLiteral("Listen"), {600, 400})
{
    setCloseBoxHandler([this] { BitBtn1Click(); });
    auto *layout = new DesignLayout(this, {600, 400});
    PlantName = make::label("PlantName");
    PlantName->setAlignment(Qt::AlignCenter);
    PlantName->setStyleSheet(QStringLiteral("color: navy; font-weight: bold; font-size: 16px;"));
    layout->place(PlantName, {16, 10, 568, 28}, AnchorLeft | AnchorTop | AnchorRight);
    Label2 = make::label("Label2", QStringLiteral("Pflanze steht auf folgenden Listen:"));
    layout->place(Label2, {16, 48, 400, 20});
    Label3 = make::label("Label3", QStringLiteral("Pflanze steht auf keiner Liste!"));
    layout->place(Label3, {16, 120, 568, 24});
    DBGrid1 = allColumnsGrid("DBGrid1", ctx.tables.Tab_Listeninhalt, QStringLiteral("Listeninhalt"));
    layout->place(DBGrid1, {16, 70, 568, 270}, AnchorAll);
    BitBtn2 = make::button("BitBtn2", QStringLiteral("Listen bearbeiten"));
    layout->place(BitBtn2, {300, 352, 140, 30}, AnchorRight | AnchorBottom);
    BitBtn1 = make::button("BitBtn1", QStringLiteral("Schliessen"));
    layout->place(BitBtn1, {450, 352, 134, 30}, AnchorRight | AnchorBottom);
    connect(BitBtn2, &QPushButton::clicked, this, handler(&TAufListe::BitBtn2Click));
    connect(BitBtn1, &QPushButton::clicked, this, handler(&TAufListe::BitBtn1Click));
}

void TAufListe::showEvent(QShowEvent *event)
{
    AppWindow::showEvent(event);
    ctx.run([this] { FormShow(); });
}

void TAufListe::FormShow()
{
    DataTables &t = ctx.tables;
    applyFormColor();
    if (auto *lists = ctx.window<TListe>())
        lists->selectOnOpen(QString());
    Table &plants = t.Tab_Pflanzen_test;
    Table &entries = t.Tab_Listeninhalt;
    plants.open();
    entries.open();
    PlantName->setText(plants.isEmpty() ? QString() : plants.text(QStringLiteral("Namen")));
    const qint64 nr = plants.isEmpty() ? -1 : plants.integer(QStringLiteral("Nr"));
    entries.setFilter(QStringLiteral("(PflanzenID = ") + QString::number(nr) + QStringLiteral(" )"));
    entries.setFiltered(true);
    const bool none = entries.isEmpty();
    Label3->setVisible(none);
    Label2->setVisible(!none);
    DBGrid1->setVisible(!none);
    if (!none)
        entries.last();
}

void TAufListe::BitBtn2Click()
{
    Table &entries = ctx.tables.Tab_Listeninhalt;
    auto *lists = ctx.window<TListe>();
    if (!lists)
        return;
    if (!entries.isEmpty())
        lists->selectOnOpen(entries.text(QStringLiteral("ListenNr")));
    // The main window stays disabled: the list window takes this window's place over it.
    QWidget *main = opener();
    hide();
    lists->showOver(main);
}

void TAufListe::BitBtn1Click() { closeAndReturn(); }

} // namespace vindel
