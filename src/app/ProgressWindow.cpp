#include "app/ProgressWindow.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace vindel {

ProgressWindow::ProgressWindow(const QString &title, QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("ProgressWindow"));
    setWindowTitle(title);
    auto *layout = new QVBoxLayout(this);
    m_text = new QLabel;
    m_bar = new QProgressBar;
    m_bar->setRange(0, 0); // moving until the first count arrives
    layout->addWidget(m_text);
    layout->addWidget(m_bar);
    resize(460, 100);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void ProgressWindow::setMaximum(qint64 maximum)
{
    m_maximum = maximum;
    refresh();
}

void ProgressWindow::setValue(qint64 value)
{
    m_value = value;
    refresh();
}

void ProgressWindow::setText(const QString &text)
{
    m_text->setText(text);
    refresh();
}

void ProgressWindow::refresh()
{
    if (!isVisible()) {
        show();
        m_sincePaint.invalidate();
    }
    // The bar works in per mille, so that counts beyond an int fit.
    if (m_maximum > 0) {
        m_bar->setRange(0, 1000);
        m_bar->setValue(int(std::clamp<qint64>(m_value * 1000 / m_maximum, 0, 1000)));
    }
    if (!m_sincePaint.isValid() || m_sincePaint.elapsed() >= 40) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        m_sincePaint.start();
    }
}

} // namespace vindel
