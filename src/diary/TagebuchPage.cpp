#include "diary/TagebuchPage.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vindel {

namespace {

QGroupBox *radioGroup(const char *name, const QString &title, const QStringList &items)
{
    auto *box = new QGroupBox(title);
    box->setObjectName(QLatin1String(name));
    auto *layout = new QVBoxLayout(box);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i]);
        button->setObjectName(QLatin1String(name) + QStringLiteral("_") + QString::number(i));
        button->setChecked(i == 0);
        layout->addWidget(button);
    }
    return box;
}

} // namespace

TagebuchPage::TagebuchPage(AppContext &context)
    : Page(context, QStringLiteral("TabSheet3"), QStringLiteral("Tagebuch         "))
{
    RadioGroup1 = radioGroup("RadioGroup1", QStringLiteral("Filter für Anzeige im Tagebuch"),
                             {QStringLiteral("Alle Einträge"), QStringLiteral("Aktionen"),
                              QStringLiteral("Beobachtungen")});
    design()->place(RadioGroup1, {10, 590, 260, 110});
    RadioGroup2 = radioGroup("RadioGroup2", QStringLiteral("Sortierung"),
                             {QStringLiteral("Datum absteigend"), QStringLiteral("Datum aufsteigend")});
    design()->place(RadioGroup2, {280, 590, 200, 110});
}

} // namespace vindel
