#include "app/DesignLayout.h"

#include <QWidget>

namespace vindel {

DesignLayout::DesignLayout(QWidget *parent, QSize designSize) : QLayout(parent), m_designSize(designSize)
{
    setContentsMargins(0, 0, 0, 0);
}

DesignLayout::~DesignLayout()
{
    for (Entry &e : m_entries)
        delete e.item;
}

void DesignLayout::place(QWidget *widget, const QRect &design, int anchors)
{
    addChildWidget(widget);
    m_entries.push_back({new QWidgetItem(widget), design, anchors});
    invalidate();
}

QRect DesignLayout::designRect(const QWidget *widget) const
{
    for (const Entry &e : m_entries)
        if (e.item->widget() == widget)
            return e.design;
    return {};
}

QRect DesignLayout::rectFor(const QWidget *widget, QSize parentSize) const
{
    for (const Entry &e : m_entries)
        if (e.item->widget() == widget)
            return placed(e, parentSize);
    return {};
}

void DesignLayout::setDesignSize(QSize size)
{
    m_designSize = size;
    invalidate();
}

void DesignLayout::addItem(QLayoutItem *item) { m_entries.push_back({item, QRect(), AnchorTopLeft}); }

int DesignLayout::count() const { return int(m_entries.size()); }

QLayoutItem *DesignLayout::itemAt(int index) const
{
    return index >= 0 && index < int(m_entries.size()) ? m_entries[size_t(index)].item : nullptr;
}

QLayoutItem *DesignLayout::takeAt(int index)
{
    if (index < 0 || index >= int(m_entries.size()))
        return nullptr;
    QLayoutItem *item = m_entries[size_t(index)].item;
    m_entries.erase(m_entries.begin() + index);
    return item;
}

QSize DesignLayout::sizeHint() const { return m_designSize; }

// Windows may be made smaller than designed; the controls then overlap or are cut off.
QSize DesignLayout::minimumSize() const { return {100, 80}; }

QRect DesignLayout::placed(const Entry &e, QSize parentSize) const
{
    const int dx = parentSize.width() - m_designSize.width();
    const int dy = parentSize.height() - m_designSize.height();
    QRect r = e.design;
    const bool l = e.anchors & AnchorLeft, ri = e.anchors & AnchorRight;
    const bool t = e.anchors & AnchorTop, b = e.anchors & AnchorBottom;
    if (l && ri)
        r.setWidth(std::max(0, r.width() + dx));
    else if (ri)
        r.moveLeft(r.left() + dx);
    else if (!l)
        r.moveLeft(r.left() + dx / 2);
    if (t && b)
        r.setHeight(std::max(0, r.height() + dy));
    else if (b)
        r.moveTop(r.top() + dy);
    else if (!t)
        r.moveTop(r.top() + dy / 2);
    return r;
}

void DesignLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    // Design coordinates count from the parent's top-left corner, a group box's title included.
    const QRect area = parentWidget() ? parentWidget()->rect() : rect;
    // Widgets get exactly their rectangle, whatever their own minimum sizes say.
    for (const Entry &e : m_entries) {
        const QRect r = placed(e, area.size()).translated(area.topLeft());
        if (QWidget *w = e.item->widget())
            w->setGeometry(r);
        else
            e.item->setGeometry(r);
    }
}

} // namespace vindel
