#include "reports/TDruckauswahl.h"

#include "app/DesignLayout.h"
#include "app/Make.h"
#include "app/ScrollGuard.h"
#include "reports/CatalogueSnapshot.h"
#include "reports/TRep_DatenblattmitTagebuch.h"
#include "reports/TRep_Druckalle.h"
#include "reports/TRep_druckansicht.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace vindel {

TDruckauswahl::TDruckauswahl(AppContext &context)
    : AppWindow(context, QStringLiteral("TDruckauswahl"), QStringLiteral("Druckauswahl"), {440, 300})
{
    setCloseBoxHandler([this] { BitBtn2Click(); });
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto *layout = new DesignLayout(this, {440, 300});
    QLabel *heading = make::label("Label1", QStringLiteral("Auswahl für Datenblatt Darstellung"));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(14);
    heading->setFont(bold);
    layout->place(heading, {16, 10, 410, 28});
    auto group = [&](const char *name, const QString &text, int y) {
        QLabel *l = make::label(name, text);
        l->setStyleSheet(QStringLiteral("color: blue; font-weight: bold;"));
        layout->place(l, {16, y, 400, 20});
    };
    m_choices = new QButtonGroup(this);
    auto choice = [&](const char *name, const QString &text, int y) {
        auto *b = new QRadioButton(text);
        b->setObjectName(QLatin1String(name));
        m_choices->addButton(b);
        layout->place(b, {36, y, 380, 22});
        return b;
    };
    group("Label2", QStringLiteral("Einzelne Datenblätter :"), 50);
    RadioButton1 = choice("RadioButton1", QStringLiteral("Datenblatt der aktuellen Pflanze"), 74);
    RadioButton2 = choice("RadioButton2", QStringLiteral("Datenblatt der aktuellen Pflanze mit Tagebuch"), 98);
    group("Label3", QStringLiteral("Alle Datenblätter entsprechend der Auswahl:"), 134);
    RadioButton3 = choice("RadioButton3", QStringLiteral("Datenblätter"), 158);
    RadioButton4 = choice("RadioButton4", QStringLiteral("Datenblätter mit Tagebuch"), 182);
    RadioButton1->setChecked(true);
    BitBtn1 = make::button("BitBtn1", QStringLiteral("  Start"));
    layout->place(BitBtn1, {100, 240, 110, 32});
    BitBtn2 = make::button("BitBtn2", QStringLiteral("Abbruch"));
    layout->place(BitBtn2, {230, 240, 110, 32});
    connect(BitBtn1, &QPushButton::clicked, this, handler(&TDruckauswahl::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, handler(&TDruckauswahl::BitBtn2Click));
}

void TDruckauswahl::FormCreate() { applyFormColor(); }

void TDruckauswahl::showEvent(QShowEvent *event)
{
    AppWindow::showEvent(event);
    FormCreate();
}

void TDruckauswahl::BitBtn2Click() { closeAndReturn(); }

void TDruckauswahl::BitBtn1Click()
{
    Table &categories = ctx.tables.Tab_Kate_test;
    categories.open();
    if (!categories.isEmpty())
        ctx.state.SavedCategoryId = int(categories.integer(QStringLiteral("ID")));
    if (RadioButton1->isChecked() || RadioButton2->isChecked()) {
        closeAndReturn();
        if (RadioButton1->isChecked()) {
            if (auto *sheet = ctx.window<TRep_druckansicht>())
                sheet->preview();
        } else if (auto *sheet = ctx.window<TRep_DatenblattmitTagebuch>()) {
            sheet->setPlantRow(-1);
            sheet->preview();
        }
        return;
    }
    // The main window stays disabled and this window open while the run lasts.
    categoryRun(RadioButton4->isChecked());
    closeAndReturn();
}

void TDruckauswahl::categoryRun(bool withDiary)
{
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    plants.open();
    CatalogueSnapshot catalogue(ctx);
    struct Restore {
        CatalogueSnapshot &catalogue;
        ~Restore() { catalogue.restore(); }
    } restore{catalogue};
    {
        ScrollGuard guard(plants, ScrollGuard::OnExit::Restore);
        plants.setIndexFieldNames(QStringLiteral("ID"));
    }
    auto *sheet = ctx.window<TRep_Druckalle>();
    auto *diarySheet = ctx.window<TRep_DatenblattmitTagebuch>();
    // The previews are modal: the list cannot change while the run goes through it.
    for (int row = 0; row < plants.recordCount(); ++row) {
        if (withDiary && diarySheet) {
            diarySheet->setPlantRow(row);
            diarySheet->preview();
        } else if (sheet) {
            sheet->setPlantRow(row);
            sheet->fillPictures();
            sheet->preview();
        }
    }
    if (sheet)
        sheet->setPlantRow(-1);
    if (diarySheet)
        diarySheet->setPlantRow(-1);
}

} // namespace vindel
