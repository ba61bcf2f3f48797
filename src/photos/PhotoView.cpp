#include "photos/PhotoView.h"

#include <QMouseEvent>
#include <QPainter>

namespace vindel {

PhotoView::PhotoView(const QString &objectName, FitMode fit, QWidget *parent) : QFrame(parent), m_fit(fit)
{
    setObjectName(objectName);
    setFrameShape(QFrame::Box);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PhotoView::setPicture(const QImage &picture, SlotState state)
{
    m_picture = picture;
    m_state = state;
    update();
}

void PhotoView::clearPicture() { setPicture(QImage(), SlotState::Loading); }

QSize PhotoView::frameInDevicePixels() const
{
    const qreal ratio = devicePixelRatioF();
    const QSize s = contentsRect().size();
    return QSize(qRound(s.width() * ratio), qRound(s.height() * ratio));
}

QRect PhotoView::pictureRect() const
{
    if (m_picture.isNull())
        return QRect();
    // The picture's size in device-independent pixels decides how it sits in the frame.
    const qreal ratio = devicePixelRatioF();
    const QSize picture(qRound(m_picture.width() / ratio), qRound(m_picture.height() / ratio));
    const QRect area = contentsRect();
    return displayRect(picture.isEmpty() ? m_picture.size() : picture, area.size(), m_fit).translated(area.topLeft());
}

void PhotoView::paintEvent(QPaintEvent *event)
{
    {
        QPainter p(this);
        p.fillRect(contentsRect(), Qt::white);
        if (!m_picture.isNull()) {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(pictureRect(), m_picture);
        }
    }
    QFrame::paintEvent(event);
}

void PhotoView::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->button(), event->globalPosition().toPoint());
    QFrame::mousePressEvent(event);
}

void PhotoView::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    emit resized();
}

} // namespace vindel
