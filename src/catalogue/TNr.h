#pragma once

#include "app/AppWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vindel {

// "Nummer ändern": chooses a new number for the plant being edited in the main view. The number
// is checked against all plants; OK hands it to the main view's number field Edit46 (its tag
// becomes 1), which stores it when the plant is saved. Nothing is written here.
class TNr : public AppWindow {
    Q_OBJECT
public:
    explicit TNr(AppContext &context);

    // Background, the plant's own number into the field (which runs the check).
    void FormActivate();
    void Edit1Change();
    void BitBtn2Click(); // "OK"
    void BitBtn1Click(); // "Abbrechen"

    QLabel *Label1;
    QLabel *Label2;
    QLineEdit *Edit1;
    QLabel *Label119; // status
    QLabel *Label118; // plant that already has the number
    QPushButton *BitBtn2;
    QPushButton *BitBtn1;

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace vindel
