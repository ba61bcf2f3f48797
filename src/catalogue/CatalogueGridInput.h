#pragma once

#include <QObject>

class QEvent;

namespace vindel {

class AppContext;
class DataGrid;
class HauptansichtPage;
class PlantBoxPhotos;

// Mouse and keys over the catalogue browser's three grids (categories, genera, plants) and its
// search box: the hovered grid takes the focus and stands out, letters search ahead in the genus
// and plant lists, the right button opens the list menu, and a click, key or button release shows
// its row once (a press that already moved the cursor has shown it).
class CatalogueGridInput : public QObject {
    Q_OBJECT
public:
    CatalogueGridInput(AppContext &context, HauptansichtPage &page, PlantBoxPhotos &photos);

    // A display chain step ran because a cursor moved.
    void chainStepDone() { ++m_chainRuns; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool viewportEvent(DataGrid *grid, QEvent *event);
    bool gridEvent(DataGrid *grid, QEvent *event);
    void hover(DataGrid *grid);
    void runGuarded(void (HauptansichtPage::*handler)());
    DataGrid *gridOf(QObject *watched, bool *onViewport) const;

    AppContext &ctx;
    HauptansichtPage &m_page;
    PlantBoxPhotos &m_photos;
    quint64 m_chainRuns = 0;        // display chain runs triggered by cursor moves
    quint64 m_chainRunsAtPress = 0; // ... when the last mouse or key press began
};

} // namespace vindel
