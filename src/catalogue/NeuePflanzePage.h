#pragma once

#include "app/Page.h"

class QCalendarWidget;
class QComboBox;
class QToolButton;

namespace vindel {

// "Neue Pflanze anlegen": the entry form for one new plant.
class NeuePflanzePage : public Page {
    Q_OBJECT
public:
    explicit NeuePflanzePage(AppContext &context);

    // The calendar icon of the sowing date: opens the date picker for Edit2.
    void Image5Click();

    QComboBox *ComboBox1; // "Kategorie:"
    QToolButton *Image5;
    QCalendarWidget *MonthCalendar1; // its tag names the field it fills
};

} // namespace vindel
