#include "reports/TSortieren.h"

#include "app/DesignLayout.h"
#include "app/Make.h"
#include "app/RadioGroup.h"
#include "app/AllPlantsShown.h"
#include "reports/TRep_Liste.h"
#include "reports/TRep_Listekurz.h"
#include "reports/TRep_SonderListe.h"
#include "reports/TRep_SonderlisteLang.h"

#include <QLabel>
#include <QPushButton>

namespace vindel {

namespace {
const char *const kOrderColumns[] = {"Nr", "Namen", "Kategorie", "Familie", "Herkunft", "Sommer", "Winter"};
} // namespace

TSortieren::TSortieren(AppContext &context)
    : AppWindow(context, QStringLiteral("TSortieren"), QStringLiteral("Sortieren"), {397, 433})
{
    setCloseBoxHandler([this] { BitBtn2Click(); });
    auto *layout = new DesignLayout(this, {397, 433});
    QLabel *title = make::label("Label1", QStringLiteral("Listenauswahl"));
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSize(14);
    title->setFont(bold);
    layout->place(title, {20, 10, 357, 28});
    RadioGroup1 = new RadioGroup("RadioGroup1", QString(),
                                 {QStringLiteral("Pflanzenliste alle Daten und Bild"),
                                  QStringLiteral("Pflanzenliste Kurzform ohne Bild")});
    layout->place(RadioGroup1, {20, 46, 357, 70});
    RadioGroup2 = new RadioGroup("RadioGroup2", QStringLiteral("Sortiert nach :"),
                                 {QStringLiteral("Nr."), QStringLiteral("Name"), QStringLiteral("Kategorie"),
                                  QStringLiteral("Gattung"), QStringLiteral("Herkunft"), QStringLiteral("Standort Sommer"),
                                  QStringLiteral("Standort Winter")});
    // Nothing chosen: the list prints in the order it is shown.
    RadioGroup2->setItemIndex(-1);
    layout->place(RadioGroup2, {20, 126, 357, 230});
    BitBtn1 = make::button("BitBtn1", QStringLiteral(" Start"));
    layout->place(BitBtn1, {70, 378, 110, 32});
    BitBtn2 = make::button("BitBtn2", QStringLiteral("Abbruch"));
    layout->place(BitBtn2, {210, 378, 110, 32});
    connect(BitBtn1, &QPushButton::clicked, this, handler(&TSortieren::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, handler(&TSortieren::BitBtn2Click));
}

QString TSortieren::printOrderColumn(int item)
{
    return item >= 0 && item < int(std::size(kOrderColumns)) ? QLatin1String(kOrderColumns[item]) : QString();
}

void TSortieren::showEvent(QShowEvent *event)
{
    AppWindow::showEvent(event);
    applyFormColor();
}

bool TSortieren::openedFromLists() const
{
    const QWidget *from = opener();
    return from && from->objectName() == QLatin1String("TListe");
}

void TSortieren::BitBtn2Click() { closeAndReturn(); }

void TSortieren::BitBtn1Click()
{
    const bool longForm = RadioGroup1->itemIndex() != 1;
    if (openedFromLists())
        printUserList(longForm);
    else
        printCatalogueList(longForm);
}

void TSortieren::printCatalogueList(bool longForm)
{
    DataTables &t = ctx.tables;
    closeAndReturn();
    const QString category = t.Tab_Kate_test.active() ? t.Tab_Kate_test.text(QStringLiteral("Namen")) : QString();
    const QString genus = t.Tab_Gattung.active() ? t.Tab_Gattung.text(QStringLiteral("Familie")) : QString();
    const QString field = ctx.catalogue ? ctx.catalogue->searchField() : QString();
    const QString text = ctx.catalogue ? ctx.catalogue->searchText() : QString();
    const int order = RadioGroup2->itemIndex();
    // The order printed: the one chosen here, else the catalogue's.
    const QString sorted = order >= 0 ? RadioGroup2->itemText(order) : ctx.catalogue ? ctx.catalogue->sortText() : QString();
    const QString line1 = QStringLiteral("Kategorie: ") + category + QStringLiteral("       Gattung: ") + genus;
    const QString line2 = QStringLiteral("Gefilter nach: ") + field + QStringLiteral(" = ") + text + QLatin1Char('*')
                          + QStringLiteral("    Sortierung: ") + sorted;
    if (longForm) {
        if (auto *list = ctx.window<TRep_Liste>()) {
            list->setHeaderLines(line1, line2);
            list->setPrintOrder(printOrderColumn(order));
            list->preview();
        }
    } else if (auto *list = ctx.window<TRep_Listekurz>()) {
        list->setHeaderLines(line1, line2);
        list->setPrintOrder(printOrderColumn(order));
        list->preview();
    }
}

void TSortieren::printUserList(bool longForm)
{
    closeAndReturn();
    if (!longForm) {
        if (auto *list = ctx.window<TRep_SonderListe>())
            list->preview();
        return;
    }
    // Every plant can be on a list, whatever the catalogue shows: the plant list is unfiltered
    // while the long form is printed.
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    plants.open();
    AllPlantsShown allPlants(plants);
    if (auto *list = ctx.window<TRep_SonderlisteLang>())
        list->preview();
}

} // namespace vindel
