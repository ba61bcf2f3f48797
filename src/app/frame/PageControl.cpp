#include "app/frame/PageControl.h"

#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace vindel {

PageControl::PageControl(QWidget *parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("PageControl1"));
    tabBar()->setAttribute(Qt::WA_Hover);
}

QRect PageControl::pageRectFor(QSize size) const
{
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    option.rect = QRect(QPoint(0, 0), size);
    return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this);
}

} // namespace vindel
