#pragma once

#include <QWidget>

#include <array>
#include <initializer_list>

class QToolButton;

namespace vindel {

// A row of small buttons that move a page's cursor (and delete its row), named "NavigatorFirst",
// "NavigatorPrior", "NavigatorNext", "NavigatorLast" and "NavigatorDelete".
class RecordNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last, Delete };

    RecordNavigator(const char *name, std::initializer_list<Button> buttons);
    // Null for a button the navigator does not have.
    QToolButton *button(Button which) const { return m_buttons[which]; }

private:
    std::array<QToolButton *, 5> m_buttons{};
};

} // namespace vindel
