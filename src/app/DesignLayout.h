#pragma once

#include <QLayout>
#include <QRect>
#include <vector>

namespace vindel {

enum Anchor { AnchorLeft = 1, AnchorTop = 2, AnchorRight = 4, AnchorBottom = 8 };
constexpr int AnchorTopLeft = AnchorLeft | AnchorTop;
constexpr int AnchorAll = AnchorLeft | AnchorTop | AnchorRight | AnchorBottom;

// Places widgets at the rectangles they were designed at, for a parent of the design size, and
// moves or stretches them with the parent by their anchors: anchored left and right a widget
// grows with the width, anchored right only it moves, anchored neither it keeps its centre.
class DesignLayout : public QLayout {
    Q_OBJECT
public:
    DesignLayout(QWidget *parent, QSize designSize);
    ~DesignLayout() override;

    void place(QWidget *widget, const QRect &design, int anchors = AnchorTopLeft);
    QRect designRect(const QWidget *widget) const;
    // Where the widget stands when the parent has the given size.
    QRect rectFor(const QWidget *widget, QSize parentSize) const;

    QSize designSize() const { return m_designSize; }
    void setDesignSize(QSize size);

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;

private:
    struct Entry {
        QLayoutItem *item;
        QRect design;
        int anchors;
    };
    QRect placed(const Entry &e, QSize parentSize) const;
    std::vector<Entry> m_entries;
    QSize m_designSize;
};

} // namespace vindel
