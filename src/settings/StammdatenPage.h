#pragma once

#include "app/Page.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vindel {

// "Stammdaten": owner data, photo folders, the photo editor, the colours and the backup.
class StammdatenPage : public Page {
    Q_OBJECT
public:
    // Defaults of "Zurück setzen (alle)", as 0xBBGGRR.
    static constexpr int kDefaultFormColor = 10484695;    // light green
    static constexpr int kDefaultTabSheetColor = 6879679; // green
    static constexpr int kDefaultGroupBoxColor = 0xAEFFFF; // light yellow

    explicit StammdatenPage(AppContext &context);

    // "Zurück setzen (alle)": stores the default colours and runs the start-up again.
    void BitBtn34Click();
    // The photo folder of the shared state in its field (the start-up loaded it).
    void showPhotoDir();

    QLineEdit *Edit36; // photo storage folder
    QCheckBox *CheckBox3;
    QCheckBox *CheckBox4;
    QCheckBox *CheckBox5;
    QSpinBox *SpinEdit2;
    QLineEdit *Edit50;
    QLabel *Label138;
    QPushButton *BitBtn34;

private:
    // After a colour was stored: the pages run their show handlers, then the start-up again.
    void showPagesAndRestart();
};

} // namespace vindel
