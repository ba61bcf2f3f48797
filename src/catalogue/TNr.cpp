#include "catalogue/TNr.h"

#include "app/Colours.h"
#include "app/DesignLayout.h"
#include "app/Tag.h"
#include "catalogue/PlantCursor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vindel {

TNr::TNr(AppContext &context) : AppWindow(context, QStringLiteral("TNr"), QStringLiteral("Nummer ändern"), {343, 243})
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto *layout = new DesignLayout(this, {343, 243});
    auto label = [layout](const char *name, const QString &text, const QRect &rect) {
        auto *l = new QLabel(text);
        l->setObjectName(QLatin1String(name));
        layout->place(l, rect);
        return l;
    };
    Label1 = label("Label1", QStringLiteral("Neue Nummer für diese Pflanze"), {24, 16, 300, 22});
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label2 = label("Label2", QStringLiteral("Nr.:"), {24, 56, 40, 22});
    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(11);
    layout->place(Edit1, {70, 54, 100, 24});
    Label119 = label("Label119", QString(), {24, 96, 300, 22});
    Label118 = label("Label118", QString(), {24, 120, 300, 22});
    Label118->hide();
    BitBtn2 = new QPushButton(QStringLiteral("OK"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setEnabled(false);
    layout->place(BitBtn2, {60, 180, 100, 32});
    BitBtn1 = new QPushButton(QStringLiteral("Abbrechen"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    layout->place(BitBtn1, {180, 180, 100, 32});

    connect(Edit1, &QLineEdit::textChanged, this, [this] { ctx.run([this] { Edit1Change(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { ctx.run([this] { BitBtn2Click(); }); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { ctx.run([this] { BitBtn1Click(); }); });
}

void TNr::showEvent(QShowEvent *event)
{
    AppWindow::showEvent(event);
    centreOnMainWindow();
    ctx.run([this] { FormActivate(); });
}

void TNr::FormActivate()
{
    applyFormColor();
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    plants.open();
    ctx.state.NextPlantNr = int(plants.integer(QStringLiteral("Nr")));
    const QString text = QString::number(ctx.state.NextPlantNr);
    if (Edit1->text() == text)
        Edit1Change();
    else
        Edit1->setText(text);
    Edit1->setFocus();
    Edit1->selectAll();
}

void TNr::Edit1Change()
{
    const QString text = Edit1->text();
    if (text.isEmpty()) {
        Label119->hide();
        Label118->hide();
        BitBtn2->setEnabled(false);
        return;
    }
    Label119->show();
    const std::optional<int> number = plantNumber(text);
    if (!number) {
        Label119->setText(QStringLiteral("Die Pflanzennummer muß aus Zahlen bestehen!"));
        Label118->hide();
        BitBtn2->setEnabled(false);
        return;
    }
    // Against all plants, the plant's own number included; the cursor goes back to the plant
    // being edited, with the catalogue's filter and order.
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    AllPlantsScope all(plants, AllPlantsScope::RestoreSort);
    plants.setIndexFieldNames(QStringLiteral("Nr"));
    if (plants.locate(QStringLiteral("Nr"), *number)) {
        Label119->setText(QStringLiteral("Diese Nummer besteht bereits für: "));
        Label118->setText(plants.text(QStringLiteral("Namen")));
        Label118->show();
        BitBtn2->setEnabled(false);
    } else {
        Label118->hide();
        Label119->setText(QStringLiteral("Diese Nummer ist möglich "));
        BitBtn2->setEnabled(true);
    }
}

void TNr::BitBtn2Click()
{
    const std::optional<int> number = plantNumber(Edit1->text());
    if (!number || !BitBtn2->isEnabled())
        return;
    if (ctx.catalogue)
        ctx.catalogue->setPendingPlantNumber(*number);
    closeAndReturn();
}

void TNr::BitBtn1Click()
{
    closeAndReturn();
    Table &plants = ctx.tables.Tab_Pflanzen_test;
    ScrollGuard guard(plants, ScrollGuard::OnExit::Restore);
    if (plants.active() && !plants.isEmpty())
        plants.locate(QStringLiteral("ID"), ctx.state.CurrentPlantId);
}

} // namespace vindel
