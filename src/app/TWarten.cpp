#include "app/TWarten.h"

#include "app/DesignLayout.h"

#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace vindel {

TWarten::TWarten(AppContext &context) : AppWindow(context, QStringLiteral("TWarten"), QStringLiteral("Warten"), {644, 219})
{
    auto *layout = new DesignLayout(this, {644, 219});
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(16);

    m_line1 = new QLabel(QStringLiteral("Bitte warten Sie, das Kopieren der Fotos wird durchgeführt."));
    m_line1->setObjectName(QStringLiteral("Label1"));
    m_line1->setFont(bold);
    m_line1->setAlignment(Qt::AlignCenter);
    layout->place(m_line1, {16, 40, 612, 30}, AnchorLeft | AnchorTop | AnchorRight);

    m_line2 = new QLabel;
    m_line2->setObjectName(QStringLiteral("Label2"));
    m_line2->setFont(bold);
    m_line2->setAlignment(Qt::AlignCenter);
    layout->place(m_line2, {16, 90, 612, 30}, AnchorLeft | AnchorTop | AnchorRight);

    // Present in the window but never used.
    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, 100);
    m_progress->setEnabled(false);
    m_progress->hide();
    layout->place(m_progress, {16, 150, 612, 20});
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(5000);
}

void TWarten::FormActivate()
{
    applyFormColor();
    setCursor(Qt::BusyCursor);
    m_line2->setText(QStringLiteral("Dies wird bei  ") + QString::number(ctx.state.PhotoFileCount)
                     + QStringLiteral(" Fotos einige Zeit dauern!"));
}

void TWarten::FormClose() { unsetCursor(); }

// Shown without a window manager there may be no activation, so showing counts as one too.
void TWarten::showEvent(QShowEvent *event)
{
    AppWindow::showEvent(event);
    FormActivate();
}

void TWarten::hideEvent(QHideEvent *event)
{
    AppWindow::hideEvent(event);
    FormClose();
}

void TWarten::changeEvent(QEvent *event)
{
    AppWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

} // namespace vindel
