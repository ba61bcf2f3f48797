#pragma once

#include "app/Page.h"
#include "app/ThumbnailLayout.h"

class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vindel {

class DataGrid;

// The main view: the catalogue browser on the left, the plant box "Pflanze" on the right.
class HauptansichtPage : public Page {
    Q_OBJECT
public:
    explicit HauptansichtPage(AppContext &context);

    // Design geometry of the thumbnails Image1, Image2, Image4, Image6, Image7, Image8 in the
    // plant box, and of the plant box in the page.
    static const ThumbnailLayout::Thumbnails kThumbnailDesign;
    static const QRect kPlantBoxDesign;
    QWidget *thumbnail(int index) const { return m_thumbnails[size_t(index)]; }

    // Shows the current plant of the plant table.
    void Pflanzezeigen();

    void TabSheet1Show();
    void TabSheet1Exit();
    void pageShown() override { TabSheet1Show(); }
    void pageLeft() override { TabSheet1Exit(); }

    QGroupBox *GroupBox1; // "Kategorien"
    QGroupBox *GroupBox2; // "Gattung"
    QGroupBox *GroupBox3; // "Pflanzenliste"
    QGroupBox *GroupBox4; // "Pflanze"
    QGroupBox *GroupBox5; // "Suche nach:"
    DataGrid *DBGrid2;    // categories
    DataGrid *DBGrid4;    // genera
    DataGrid *DBGrid1;    // plants
    QLabel *Label6;
    QLabel *Label75;
    QLabel *Label16;
    QComboBox *ComboBox5;
    QLineEdit *Edit33;
    QComboBox *ComboBox6;
    QComboBox *ComboBox8;
    QComboBox *ComboBox2; // category list kept in step with the new-plant page
    QComboBox *ComboBox7;
    QCheckBox *CheckBox1;
    QCheckBox *CheckBox2;
    QCalendarWidget *MonthCalendar3;
    QPushButton *BitBtn20; // "Druckansicht"

private:
    std::array<QWidget *, 6> m_thumbnails{};
};

} // namespace vindel
