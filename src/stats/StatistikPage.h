#pragma once

#include "app/Page.h"
#include "stats/GenusCounts.h"

class QGroupBox;
class QLabel;
class QScrollBar;

QT_BEGIN_NAMESPACE
class QChartView;
class QHorizontalBarSeries;
class QBarCategoryAxis;
QT_END_NAMESPACE

namespace vindel {

class DataGrid;

// Statistics of the collection as two bar charts: five totals, and the plants per genus of the
// category chosen in the list beside it. Counting reads the database and leaves the catalogue's
// filter, order and current plant as they are.
class StatistikPage : public Page {
    Q_OBJECT
public:
    static constexpr int kVisibleGenera = 13;

    explicit StatistikPage(AppContext &context);

    void pageShown() override { TabSheet8Show(); }
    void TabSheet8Show();
    // Plants per genus of the current category (all plants for " Alle").
    void Grafik2zeigen();
    // A category was chosen in the list, by keyboard or mouse.
    void categoryChosen();

    QGroupBox *GroupBox10; // "Übersicht"
    QGroupBox *GroupBox11; // "Gattungen"
    QGroupBox *GroupBox12; // "Kategorien"
    QChartView *Chart1;
    QChartView *Chart2;
    QScrollBar *GenusScroll; // which 13 genus bars the chart shows
    DataGrid *DBGrid5;
    QLabel *Label1; // "Kategorie: ..."
    QLabel *Label2; // "N Gattungen"

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showBars(QChartView *chart, const std::vector<ChartBar> &bars, int visible);
    void scrollGenera(int first);
    void showLabels();
    QString currentCategory() const;
};

} // namespace vindel
