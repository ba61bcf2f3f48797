#include "catalogue/CatalogueGridInput.h"

#include "app/AppContext.h"
#include "app/Colours.h"
#include "app/DataGrid.h"
#include "catalogue/HauptansichtPage.h"
#include "catalogue/PlantBoxPhotos.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace vindel {

namespace {
constexpr int kHoverColour = 0xFFE7D9; // light blue, as 0xBBGGRR
} // namespace

CatalogueGridInput::CatalogueGridInput(AppContext &context, HauptansichtPage &page, PlantBoxPhotos &photos)
    : QObject(&page), ctx(context), m_page(page), m_photos(photos)
{
    for (DataGrid *grid : {page.DBGrid2, page.DBGrid4, page.DBGrid1}) {
        grid->installEventFilter(this);
        grid->viewport()->installEventFilter(this);
        grid->viewport()->setMouseTracking(true);
    }
    page.Edit33->installEventFilter(this);
    connect(page.DBGrid2, &QAbstractItemView::clicked, this, [this] { runGuarded(&HauptansichtPage::Kategoriezeigen); });
    connect(page.DBGrid4, &QAbstractItemView::clicked, this, [this] { runGuarded(&HauptansichtPage::Gattungzeigen); });
}

// Click, key release and mouse release of a grid each show its row again; when the press already
// moved the cursor, the after-scroll notification has shown it, and once is enough.
void CatalogueGridInput::runGuarded(void (HauptansichtPage::*handler)())
{
    if (m_chainRuns != m_chainRunsAtPress)
        return;
    ++m_chainRuns;
    ctx.run([this, handler] { (m_page.*handler)(); });
}

void CatalogueGridInput::hover(DataGrid *grid)
{
    for (DataGrid *g : {m_page.DBGrid2, m_page.DBGrid4, m_page.DBGrid1}) {
        const bool hovered = g == grid;
        if (g->property("vindelHovered").toBool() == hovered)
            continue;
        g->setProperty("vindelHovered", hovered);
        QPalette p = g->palette();
        p.setColor(QPalette::Base, hovered ? fromWinColour(kHoverColour) : QPalette().color(QPalette::Base));
        g->setPalette(p);
    }
    grid->setFocus(Qt::MouseFocusReason);
}

DataGrid *CatalogueGridInput::gridOf(QObject *watched, bool *onViewport) const
{
    for (DataGrid *g : {m_page.DBGrid2, m_page.DBGrid4, m_page.DBGrid1}) {
        if (watched == g) {
            *onViewport = false;
            return g;
        }
        if (watched == g->viewport()) {
            *onViewport = true;
            return g;
        }
    }
    return nullptr;
}

bool CatalogueGridInput::eventFilter(QObject *watched, QEvent *event)
{
    bool onViewport = false;
    if (DataGrid *grid = gridOf(watched, &onViewport))
        return onViewport ? viewportEvent(grid, event) : gridEvent(grid, event);
    if (watched == m_page.Edit33 && event->type() == QEvent::MouseMove)
        m_page.Edit33->setFocus(Qt::MouseFocusReason);
    return false;
}

bool CatalogueGridInput::viewportEvent(DataGrid *grid, QEvent *event)
{
    SharedState &s = ctx.state;
    auto *mouse = static_cast<QMouseEvent *>(event);
    switch (event->type()) {
    case QEvent::MouseMove:
        hover(grid);
        if (grid != m_page.DBGrid4)
            s.TypeAheadText.clear();
        break;
    case QEvent::MouseButtonPress:
        m_chainRunsAtPress = m_chainRuns;
        if (grid == m_page.DBGrid1)
            s.TypeAheadText.clear();
        if (grid == m_page.DBGrid1 && mouse->button() == Qt::RightButton) {
            const QModelIndex index = grid->indexAt(mouse->position().toPoint());
            ctx.run([&] {
                if (index.isValid())
                    ctx.tables.Tab_Pflanzen_test.moveTo(index.row());
                if (m_chainRuns == m_chainRunsAtPress)
                    m_page.Pflanzezeigen();
            });
            m_page.openListMenu(mouse->globalPosition().toPoint());
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (grid == m_page.DBGrid1) {
            s.TypeAheadText.clear();
            if (mouse->button() == Qt::RightButton)
                return true; // the press opened the menu
        } else if (grid == m_page.DBGrid4) {
            s.TypeAheadText.clear();
        } else if (mouse->button() == Qt::LeftButton) {
            // The release ends the click; clicked() follows and must not show the row again.
            runGuarded(&HauptansichtPage::Kategoriezeigen);
        }
        break;
    default:
        break;
    }
    return false;
}

bool CatalogueGridInput::gridEvent(DataGrid *grid, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        m_chainRunsAtPress = m_chainRuns;
        // A held key passes plants by; their photos are not fetched.
        if (key->isAutoRepeat())
            m_photos.setKeyRepeating(true);
        const QString typed = key->text();
        const bool printable = !typed.isEmpty() && typed.at(0).isPrint()
                               && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (printable && (grid == m_page.DBGrid4 || grid == m_page.DBGrid1)) {
            ctx.run([&] { m_page.typeAhead(grid, typed); });
            return true;
        }
        break;
    }
    case QEvent::KeyRelease:
        if (!static_cast<QKeyEvent *>(event)->isAutoRepeat()) {
            m_photos.keyReleased();
            if (grid == m_page.DBGrid2)
                runGuarded(&HauptansichtPage::Kategoriezeigen);
            else if (grid == m_page.DBGrid4)
                runGuarded(&HauptansichtPage::Gattungzeigen);
        }
        break;
    case QEvent::FocusOut:
        if (grid != m_page.DBGrid2)
            ctx.state.TypeAheadText.clear();
        break;
    default:
        break;
    }
    return false;
}

} // namespace vindel
