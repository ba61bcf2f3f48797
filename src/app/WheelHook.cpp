#include "app/WheelHook.h"

#include "app/DataGrid.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace vindel {

namespace {
const char *const kPreviewProperty = "vindelReportPreview";
constexpr int kNotch = 120; // angle delta of one wheel notch
} // namespace

void markAsReportPreview(QWidget *window) { window->setProperty(kPreviewProperty, true); }

bool isReportPreview(const QWidget *window) { return window && window->property(kPreviewProperty).toBool(); }

WheelHook::WheelHook(QObject *parent) : QObject(parent) {}

WheelHook::~WheelHook() { uninstall(); }

void WheelHook::install()
{
    if (m_installed || !qApp)
        return;
    qApp->installEventFilter(this);
    m_installed = true;
}

void WheelHook::uninstall()
{
    if (!m_installed)
        return;
    if (qApp)
        qApp->removeEventFilter(this);
    m_installed = false;
}

// Fine-grained wheels send fractions of a notch; they count once they add up to a whole one.
int WheelHook::takeNotches(int angleDelta)
{
    m_pending += angleDelta;
    const int notches = m_pending / kNotch;
    m_pending -= notches * kNotch;
    return notches;
}

bool WheelHook::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel || !watched->isWidgetType())
        return false;
    auto *wheel = static_cast<QWheelEvent *>(event);
    const int delta = wheel->angleDelta().y();
    if (delta == 0)
        return false;

    // A focused data grid: one arrow key per notch, away from the user is up.
    if (auto *grid = qobject_cast<DataGrid *>(QApplication::focusWidget())) {
        const int notches = takeNotches(delta);
        const Qt::Key key = notches > 0 ? Qt::Key_Up : Qt::Key_Down;
        for (int i = 0; i < std::abs(notches); ++i) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(grid, &press);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
            QApplication::sendEvent(grid, &release);
        }
        return true;
    }

    // A report preview: the scroll area under the mouse moves four lines per notch.
    if (isReportPreview(QApplication::activeWindow())) {
        const int notches = takeNotches(delta);
        // The wheel event goes to the widget under the mouse.
        for (QWidget *w = static_cast<QWidget *>(watched); w; w = w->parentWidget()) {
            if (auto *area = qobject_cast<QAbstractScrollArea *>(w)) {
                const auto action = notches > 0 ? QAbstractSlider::SliderSingleStepSub
                                                 : QAbstractSlider::SliderSingleStepAdd;
                for (int i = 0; i < std::abs(notches) * kPreviewLinesPerNotch; ++i)
                    area->verticalScrollBar()->triggerAction(action);
                break;
            }
        }
        return true;
    }
    return false;
}

} // namespace vindel
