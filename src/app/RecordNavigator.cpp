#include "app/RecordNavigator.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace vindel {

RecordNavigator::RecordNavigator(const char *name, std::initializer_list<Button> buttons)
{
    setObjectName(QLatin1String(name));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    static const struct {
        const char *name;
        const char *text;
        const char *hint;
    } kinds[] = {{"NavigatorFirst", "|◀", "Erster Datensatz"},
                 {"NavigatorPrior", "◀", "Vorheriger Datensatz"},
                 {"NavigatorNext", "▶", "Nächster Datensatz"},
                 {"NavigatorLast", "▶|", "Letzter Datensatz"},
                 {"NavigatorDelete", "−", "Datensatz löschen"}};
    for (Button b : buttons) {
        auto *button = new QToolButton;
        button->setObjectName(QLatin1String(kinds[b].name));
        button->setText(QString::fromUtf8(kinds[b].text));
        button->setToolTip(QString::fromUtf8(kinds[b].hint));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        row->addWidget(button);
        m_buttons[b] = button;
    }
}

} // namespace vindel
