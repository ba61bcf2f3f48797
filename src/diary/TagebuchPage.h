#pragma once

#include "app/Page.h"

class QLabel;
class QPushButton;

namespace vindel {

class DiaryGrid;
class RadioGroup;

// "Tagebuch": the diary of the current plant, one grid row per entry with its date, action, text
// and own photo, narrowed to actions or observations and sorted by date. From here entries are
// written, changed and deleted, the diary printed and the year calendar opened.
class TagebuchPage : public Page {
    Q_OBJECT
public:
    explicit TagebuchPage(AppContext &context);

    // The entry filters of RadioGroup1, in the order of its items.
    enum EntryFilter { AllEntries, ActionsOnly, ObservationsOnly };

    void TabSheet3Show(); // refresh
    void TabSheet3Exit();
    void fillGrid();
    void StringGrid1SelectCell(int gridRow, int column);
    void StringGrid1Click();
    void BitBtn13Click(); // "Neuer Eintrag"
    void BitBtn27Click(); // "Bearbeiten"
    void BitBtn14Click(); // "Eintrag löschen"
    void BitBtn19Click(); // "Tagebuch drucken"
    void BitBtn31Click(); // "Jahreskalender"
    void pageShown() override { TabSheet3Show(); }
    void pageLeft() override { TabSheet3Exit(); }

    // The filter expression of an entry filter for a plant number.
    static QString filterExpression(EntryFilter filter, const QString &plantNumber);

    QLabel *Label68; // the plant's name, black
    QLabel *Label69; // its white copy behind
    QLabel *DiaryNumber;
    DiaryGrid *StringGrid1;
    RadioGroup *RadioGroup1; // "Filter für Anzeige im Tagebuch"
    RadioGroup *RadioGroup2; // "Sortierung"
    QLabel *DiaryCount;
    QPushButton *BitBtn13;
    QPushButton *BitBtn27;
    QPushButton *BitBtn14;
    QPushButton *BitBtn19;
    QPushButton *BitBtn31;

private:
    // Writes the number of diary rows into the plant's Tagebuch and the tab caption.
    void storeEntryCount(int count, const QString &captionEnd);
    void selectFirstEntry();
};

} // namespace vindel
