#include "app/LayeredTitle.h"

#include <QMouseEvent>
#include <QPainter>

namespace vindel {

LayeredTitle::LayeredTitle(const QString &objectName, const QString &text, const QFont &font, QPoint shadowOffset,
                           QWidget *parent)
    : QWidget(parent), m_text(text), m_offset(shadowOffset)
{
    setObjectName(objectName);
    setFont(font);
    setCursor(Qt::PointingHandCursor);
}

void LayeredTitle::setText(const QString &text)
{
    m_text = text;
    update();
}

void LayeredTitle::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(font());
    p.setPen(Qt::white);
    p.drawText(rect().translated(m_offset), Qt::AlignCenter, m_text);
    p.setPen(Qt::black);
    p.drawText(rect(), Qt::AlignCenter, m_text);
}

void LayeredTitle::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

QSize LayeredTitle::sizeHint() const
{
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(m_text) + std::abs(m_offset.x()), fm.height() + std::abs(m_offset.y())};
}

} // namespace vindel
