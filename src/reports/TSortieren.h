#pragma once

#include "app/AppWindow.h"

class QPushButton;

namespace vindel {

class RadioGroup;

// "Sortieren": the long or the short list, for the window it was opened from: the plants the
// catalogue shows, or the user list the list window shows.
class TSortieren : public AppWindow {
    Q_OBJECT
public:
    explicit TSortieren(AppContext &context);

    // What "Sortiert nach :" prints the main list by: its items and their plant columns.
    static QString printOrderColumn(int item);

    void BitBtn1Click(); // " Start"
    void BitBtn2Click(); // "Abbruch"

    RadioGroup *RadioGroup1; // long or short
    RadioGroup *RadioGroup2; // "Sortiert nach :"
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool openedFromLists() const;
    void printCatalogueList(bool longForm);
    void printUserList(bool longForm);
};

} // namespace vindel
