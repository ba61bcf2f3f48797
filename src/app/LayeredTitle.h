#pragma once

#include <QWidget>

namespace vindel {

// A heading drawn twice: a white copy shifted by an offset under the black text.
class LayeredTitle : public QWidget {
    Q_OBJECT
public:
    LayeredTitle(const QString &objectName, const QString &text, const QFont &font, QPoint shadowOffset,
                 QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    QPoint shadowOffset() const { return m_offset; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    QSize sizeHint() const override;

private:
    QString m_text;
    QPoint m_offset;
};

} // namespace vindel
