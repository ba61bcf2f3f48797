#pragma once

#include <QComboBox>
#include <functional>

namespace vindel {

// An editable drop-down box whose list is built afresh each time it opens: onDropDown runs
// before the list is shown. The user may type any text; the list only suggests.
class SuggestionBox : public QComboBox {
    Q_OBJECT
public:
    explicit SuggestionBox(const QString &objectName, QWidget *parent = nullptr);

    std::function<void()> onDropDown;

    // Replaces the list; the text in the box stays as it was (the list only suggests, filling
    // it must not change what the user typed). Sends no change signal.
    void setSuggestions(const QStringList &values);
    QStringList suggestions() const;

    void showPopup() override;

signals:
    // Focus left the box.
    void exited();

protected:
    void focusOutEvent(QFocusEvent *event) override;
};

} // namespace vindel
