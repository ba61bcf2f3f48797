#pragma once

#include "app/AppWindow.h"

class QFrame;
class QLabel;
class QPushButton;

namespace vindel {

// "Informationen": the program's version and file date, its folder, the maker's contact and
// update page, and a few figures about the data.
class TInfo : public AppWindow {
    Q_OBJECT
public:
    // The maker's fixed contact data.
    static const QString kTelephone;
    static const QString kMail;
    static const QString kUpdatePage;
    static const QString kMailSubject;

    explicit TInfo(AppContext &context);

    void FormActivate();
    void BitBtn1Click(); // "Update Download"
    void BitBtn2Click(); // "Schliessen"
    void Label28Click(); // the e-mail link

    QFrame *Panel1; // version to folder
    QFrame *Panel2; // the data
    QLabel *ProgramDate;
    QLabel *ProgramFolder;
    QLabel *LastUseDate;
    QLabel *LastUseTime;
    QLabel *PlantCount;
    QLabel *DiaryCount;
    QLabel *Label28; // the e-mail address
    QPushButton *BitBtn1, *BitBtn2;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace vindel
