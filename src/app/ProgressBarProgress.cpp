#include "app/ProgressBarProgress.h"

#include <QProgressBar>
#include <algorithm>

namespace vindel {

ProgressBarProgress::ProgressBarProgress(QProgressBar *bar) : m_bar(bar) {}

void ProgressBarProgress::setMaximum(qint64 maximum)
{
    m_maximum = std::max<qint64>(0, maximum);
    if (m_bar)
        m_bar->setMaximum(int(std::min<qint64>(m_maximum, INT_MAX)));
    paint(true);
}

void ProgressBarProgress::setValue(qint64 value)
{
    m_value = value;
    if (m_bar)
        m_bar->setValue(int(std::clamp<qint64>(value, 0, std::min<qint64>(m_maximum, INT_MAX))));
    paint(false);
}

void ProgressBarProgress::setText(const QString &text)
{
    if (m_bar)
        m_bar->setFormat(text.isEmpty() ? QStringLiteral("%p%") : text);
}

void ProgressBarProgress::paint(bool force)
{
    if (!m_bar || !m_bar->isVisible())
        return;
    if (!force && m_sincePaint.isValid() && m_sincePaint.elapsed() < 30)
        return;
    m_bar->repaint();
    m_sincePaint.start();
}

} // namespace vindel
