#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

namespace vindel {

// A framed column of choices of which exactly one is set; its buttons are named
// "<name>_0", "<name>_1", ... so that tests and the frame find them.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const char *name, const QString &title, const QStringList &items, QWidget *parent = nullptr);

    // -1 when no item is chosen.
    int itemIndex() const { return m_buttons.checkedId(); }
    void setItemIndex(int index);
    QString itemText(int index) const;

signals:
    // The user chose an item (also the one already set).
    void itemClicked(int index);

private:
    QButtonGroup m_buttons;
};

} // namespace vindel
