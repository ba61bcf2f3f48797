#include "app/RadioGroup.h"

#include <QAbstractButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vindel {

RadioGroup::RadioGroup(const char *name, const QString &title, const QStringList &items, QWidget *parent)
    : QGroupBox(title, parent)
{
    setObjectName(QLatin1String(name));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(2);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i]);
        button->setObjectName(QLatin1String(name) + QLatin1Char('_') + QString::number(i));
        m_buttons.addButton(button, i);
        layout->addWidget(button);
    }
    layout->addStretch();
    setItemIndex(0);
    connect(&m_buttons, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton *b = m_buttons.button(index)) {
        b->setChecked(true);
        return;
    }
    // No item chosen: exclusive buttons cannot all be unchecked otherwise.
    m_buttons.setExclusive(false);
    for (QAbstractButton *b : m_buttons.buttons())
        b->setChecked(false);
    m_buttons.setExclusive(true);
}

QString RadioGroup::itemText(int index) const
{
    const QAbstractButton *b = m_buttons.button(index);
    return b ? b->text() : QString();
}

} // namespace vindel
