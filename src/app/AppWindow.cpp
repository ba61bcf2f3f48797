#include "app/AppWindow.h"

#include "app/Colours.h"
#include "app/FrameOperations.h"

#include <QCloseEvent>

namespace vindel {

AppWindow::AppWindow(AppContext &context, const QString &className, const QString &caption, QSize designSize)
    : QWidget(nullptr), ctx(context)
{
    setObjectName(className);
    setWindowTitle(caption);
    if (designSize.isValid())
        resize(designSize);
    applyFormColor();
    ctx.addWindow(this);
}

AppWindow::~AppWindow() { ctx.removeWindow(this); }

void AppWindow::showOver(QWidget *opener)
{
    m_opener = opener;
    if (opener)
        opener->setEnabled(false);
    centreOnMainWindow();
    show();
    raise();
    activateWindow();
}

void AppWindow::closeAndReturn()
{
    QPointer<QWidget> opener = m_opener;
    m_opener = nullptr;
    if (opener)
        opener->setEnabled(true);
    hide();
    if (opener)
        opener->activateWindow();
}

void AppWindow::closeEvent(QCloseEvent *event)
{
    if (m_closeBox && isVisible()) {
        event->ignore();
        ctx.run(m_closeBox);
        return;
    }
    QWidget::closeEvent(event);
    if (event->isAccepted() && m_opener)
        closeAndReturn();
}

void AppWindow::applyFormColor() { setBackground(this, ctx.state.FormColor); }

void AppWindow::centreOnMainWindow()
{
    QWidget *main = ctx.frame ? ctx.frame->mainWindow() : nullptr;
    if (main && main != this)
        move(main->geometry().center() - QPoint(width() / 2, height() / 2));
}

// A report window's caption is its name without the class prefix.
ReportWindow::ReportWindow(AppContext &context, const QString &className)
    : AppWindow(context, className, className.mid(1))
{
}

} // namespace vindel
