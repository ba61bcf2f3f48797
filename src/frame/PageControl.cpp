#include "frame/PageControl.h"

#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace vindel {

PageControl::PageControl(QWidget *parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("PageControl1"));
    tabBar()->setAttribute(Qt::WA_Hover);
}

// The captions are padded with blanks; at the usual desktop font sizes the eight tabs would not
// fit the window's design width, so the tab font gets narrower or smaller until they do.
void PageControl::fitTabs(int width)
{
    QFont font = tabBar()->font();
    font.setStretch(QFont::SemiCondensed);
    for (int pixels = 12; pixels >= 9; --pixels) {
        font.setPixelSize(pixels);
        tabBar()->setFont(font);
        if (tabBar()->sizeHint().width() <= width)
            return;
    }
}

QRect PageControl::pageRectFor(QSize size) const
{
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    option.rect = QRect(QPoint(0, 0), size);
    return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this);
}

} // namespace vindel
