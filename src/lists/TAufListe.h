#pragma once

#include "app/AppWindow.h"

class QLabel;
class QPushButton;

namespace vindel {

class DataGrid;

// "Listen": on which lists the current plant stands; from here to the list window with one of
// them selected.
class TAufListe : public AppWindow {
    Q_OBJECT
public:
    explicit TAufListe(AppContext &context);

    void FormShow();
    void BitBtn2Click(); // "Listen bearbeiten"
    void BitBtn1Click(); // "Schliessen"

    QLabel *PlantName;
    QLabel *Label2; // "Pflanze steht auf folgenden Listen:"
    QLabel *Label3; // "Pflanze steht auf keiner Liste!"
    DataGrid *DBGrid1;
    QPushButton *BitBtn2;
    QPushButton *BitBtn1;

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace vindel
