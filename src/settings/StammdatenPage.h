#pragma once

#include "app/Page.h"

#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace vindel {

// "Stammdaten": owner data, photo folders, the photo editor, the colours and the backup. Every
// setting is stored by its own button at once.
class StammdatenPage : public Page {
    Q_OBJECT
public:
    // Defaults of "Zurück setzen (alle)", as 0xBBGGRR.
    static constexpr int kDefaultFormColor = 10484695;    // light green
    static constexpr int kDefaultTabSheetColor = 6879679; // green
    static constexpr int kDefaultGroupBoxColor = 0xAEFFFF; // light yellow

    explicit StammdatenPage(AppContext &context);

    void pageShown() override { TabSheet5Show(); }
    void TabSheet5Show();
    void BitBtn17Click(); // "Pfad suchen", photo storage folder
    void BitBtn18Click(); // "Pfad suchen", photo loading folder
    void BitBtn21Click(); // "Speichern", own data
    void CheckBox3Click();
    void BitBtn35Click(); // background colour
    void BitBtn33Click(); // tab page colour
    void BitBtn32Click(); // group colour
    // "Zurück setzen (alle)": stores the default colours and runs the start-up again.
    void BitBtn34Click();
    void BitBtn9Click(); // "Programm suchen"
    void CheckBox4Click();
    void CheckBox5Click();
    void SpinEdit2Change();
    void BitBtn16Click(); // "Pfad suchen", backup target
    void BitBtn37Click(); // "Datensicherung durchführen"
    void BitBtn38Click(); // "Datensicherung zurückspielen"
    // The photo folder of the shared state in its field (the start-up loaded it).
    void showPhotoDir();

    QLineEdit *Edit36; // photo storage folder
    QLineEdit *Edit18; // photo loading folder
    QLineEdit *Edit38, *Edit42, *Edit39, *Edit40, *Edit41, *Edit43, *Edit44; // own data
    QCheckBox *CheckBox3;
    QLineEdit *Edit19; // photo editing program
    QFrame *Shape4, *Shape2, *Shape3; // colour samples
    QPushButton *BitBtn17, *BitBtn18, *BitBtn21, *BitBtn9, *BitBtn35, *BitBtn33, *BitBtn32, *BitBtn34;
    QCheckBox *CheckBox4;
    QCheckBox *CheckBox5;
    QSpinBox *SpinEdit2;
    QLabel *Label135; // "Tage"
    QLineEdit *Edit50;
    QLabel *Label138;
    QPushButton *BitBtn16, *BitBtn37, *BitBtn38;
    QProgressBar *ProgressBar1;

private:
    struct OwnField {
        QLineEdit *edit;
        const char *column;
    };
    std::array<OwnField, 7> ownFields() const;
    void fillOwnFields();
    // A folder field stored in a column: the dialog, then the question when the field changed.
    bool chooseFolder(QLineEdit *field, const QString &column, const QString &question, const QString &done);
    void changeColour(const QString &column, bool background);
    // After a colour was stored: the pages run their show handlers, then the start-up again.
    void showPagesAndRestart();
    void storeSetting(const QString &column, const QVariant &value);
    void showBackupSettings();
    bool m_filling = false;
};

} // namespace vindel
