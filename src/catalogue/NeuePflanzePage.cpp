#include "catalogue/NeuePflanzePage.h"

#include "app/Tag.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QToolButton>

namespace vindel {

NeuePflanzePage::NeuePflanzePage(AppContext &context)
    : Page(context, QStringLiteral("TabSheet4"), QStringLiteral("Neue Pflanze anlegen      "))
{
    DesignLayout *page = design();
    auto *heading = new QLabel(QStringLiteral("Neue Pflanze eintragen"));
    heading->setObjectName(QStringLiteral("Label29"));
    QFont f = heading->font();
    f.setPixelSize(24);
    f.setBold(true);
    f.setItalic(true);
    heading->setFont(f);
    page->place(heading, {20, 10, 500, 36});

    page->place(new QLabel(QStringLiteral("Kategorie:")), {20, 64, 110, 22});
    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    page->place(ComboBox1, {136, 62, 220, 24});
    page->place(new QLabel(QStringLiteral("*")), {360, 64, 10, 22});

    page->place(new QLabel(QStringLiteral("Aussaat/ Pflanzung:")), {520, 64, 130, 22});
    Image5 = new QToolButton;
    Image5->setObjectName(QStringLiteral("Image5"));
    Image5->setText(QStringLiteral("…"));
    Image5->setToolTip(QStringLiteral("Kalender anzeigen"));
    page->place(Image5, {840, 62, 24, 24});
    connect(Image5, &QToolButton::clicked, this, [this] { ctx.run([this] { Image5Click(); }); });

    MonthCalendar1 = new QCalendarWidget;
    MonthCalendar1->setObjectName(QStringLiteral("MonthCalendar1"));
    MonthCalendar1->setToolTip(QStringLiteral("Doppelklick für Auswahl - Abbrechen mit 'ESC' !!"));
    MonthCalendar1->hide();
    page->place(MonthCalendar1, {600, 92, 260, 190});
}

void NeuePflanzePage::Image5Click()
{
    MonthCalendar1->setSelectedDate(ctx.prompter.today());
    MonthCalendar1->show();
    MonthCalendar1->raise();
    Tag::set(MonthCalendar1, 1);
}

} // namespace vindel
