#pragma once

#include "app/AppWindow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vindel {

class DataGrid;

// "Meine Listen": the user's lists and the plants on the selected one; lists are made and
// deleted here, the current plant is put on a list or taken off it, and a list is printed or
// printed as labels.
class TListe : public AppWindow {
    Q_OBJECT
public:
    explicit TListe(AppContext &context);

    void FormShow();
    void showContents();        // the plants of the selected list
    void Tab_ListeAfterScroll(); // the current list changed
    void ComboBox8Change();
    void BitBtn1Click(); // "Diese Pflanze in die Liste aufnehmen "
    void BitBtn2Click(); // "Neue Liste" / "Speichern"
    void BitBtn3Click(); // "Liste löschen" / "Abbrechen"
    void BitBtn5Click(); // "Pflanze von der Liste löschen"
    void BitBtn4Click(); // "Liste drucken"
    void BitBtn7Click(); // "Etiketten drucken"
    void BitBtn6Click(); // "Schliessen"
    void FormMouseDown(Qt::MouseButton button);

    // The list the window selects when it opens next (handed over by TAufListe).
    void selectOnOpen(const QString &listNumber) { m_listToSelect = listNumber; }
    // The filter of the plants of a list.
    static QString contentsFilter(const QString &listNumber);

    QLabel *PlantNumber;
    QLabel *PlantName;
    DataGrid *DBGrid1; // the lists
    QLabel *ListCount;
    DataGrid *DBGrid2; // the plants of the selected list
    QLabel *EntryCount;
    QComboBox *ComboBox8; // "Sortieren:"
    QLabel *NewListNrLabel;
    QLineEdit *Edit1; // number of a new list
    QLineEdit *Edit2; // its name
    QPushButton *BitBtn1, *BitBtn2, *BitBtn3, *BitBtn5, *BitBtn4, *BitBtn7, *BitBtn6;

protected:
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool creating() const;
    void leaveCreating();
    void showCounts();
    void applySort();
    QString m_listToSelect;
};

} // namespace vindel
