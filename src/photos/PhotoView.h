#pragma once

#include "photos/PhotoDisplay.h"
#include "photos/PhotoSlots.h"

#include <QFrame>
#include <QImage>

namespace vindel {

// A picture control of the plant display: paints the slot's picture by the slot's display rule
// (thumbnails stretched proportionally to their frame, the literature photo only ever shrunk),
// centred on a white ground. It keeps no file of its own; the plant display hands it pictures.
class PhotoView : public QFrame {
    Q_OBJECT
public:
    PhotoView(const QString &objectName, FitMode fit, QWidget *parent = nullptr);

    void setPicture(const QImage &picture, SlotState state);
    void clearPicture(); // nothing shown (while a photo is on its way)
    const QImage &picture() const { return m_picture; }
    SlotState state() const { return m_state; }
    FitMode fitMode() const { return m_fit; }

    // The frame a picture is decoded for, in device pixels.
    QSize frameInDevicePixels() const;
    // Where the picture is drawn, in widget coordinates (empty when none is shown).
    QRect pictureRect() const;

signals:
    void pressed(Qt::MouseButton button, const QPoint &globalPos);
    void resized();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QImage m_picture;
    SlotState m_state = SlotState::Loading;
    FitMode m_fit;
};

} // namespace vindel
