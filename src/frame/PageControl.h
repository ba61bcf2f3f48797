#pragma once

#include <QTabWidget>

namespace vindel {

// The page control of the main window; it can tell the page area for a size before it is shown,
// so that pages can be designed for the area they get at the window's design size.
class PageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget *parent = nullptr);
    QRect pageRectFor(QSize size) const;
    void fitTabs(int width);
};

} // namespace vindel
