#pragma once

#include "app/AppWindow.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace vindel {

class ActionLegend;
class CalendarGrid;
class DataGrid;

// "Kalender": one year of the current plant's diary, a row per month and a column per weekday,
// each day with an entry painted in its action's colour; the legend of the actions, where their
// colours are changed, and the list of the year's entries.
class TKalender : public AppWindow {
    Q_OBJECT
public:
    explicit TKalender(AppContext &context);

    static constexpr int kFirstYear = 2010;
    static constexpr int kLastYear = 2050;

    // The diary filter for a plant's entries of a year that name an action.
    static QString diaryFilter(const QString &plantNumber, int year);

    void FormShow();
    void build();
    void SpinEdit1Change();
    void StringGrid1SelectCell(int row, int column);
    void StringGrid2SelectCell(int row);
    void BitBtn1Click(); // "Schliessen"

    QLabel *PlantNumber;
    QLabel *PlantName;
    QLabel *PlantGenus;
    QSpinBox *SpinEdit1; // "Jahr:"
    CalendarGrid *StringGrid1;
    ActionLegend *StringGrid2;
    DataGrid *DBGrid1;
    QPushButton *BitBtn1;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillLegend();
    void fillDays();
    bool m_listBound = false;
    bool m_building = false;
};

} // namespace vindel
