#pragma once

#include "app/AppWindow.h"

class QButtonGroup;
class QPushButton;
class QRadioButton;

namespace vindel {

// "Druckauswahl": which data sheets to print, of the current plant or of every plant of the list.
class TDruckauswahl : public AppWindow {
    Q_OBJECT
public:
    explicit TDruckauswahl(AppContext &context);

    void FormCreate();
    void BitBtn1Click(); // "  Start"
    void BitBtn2Click(); // "Abbruch"

    // Every plant of the catalogue's list, in the order of ID, one preview each.
    void categoryRun(bool withDiary);

    QRadioButton *RadioButton1; // "Datenblatt der aktuellen Pflanze"
    QRadioButton *RadioButton2; // "... mit Tagebuch"
    QRadioButton *RadioButton3; // "Datenblätter"
    QRadioButton *RadioButton4; // "Datenblätter mit Tagebuch"
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QButtonGroup *m_choices;
};

} // namespace vindel
