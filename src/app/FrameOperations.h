#pragma once

#include <QString>

class QWidget;

namespace vindel {

// What the main window offers to pages and windows that must not know it directly.
class FrameOperations {
public:
    virtual ~FrameOperations() = default;

    // Pages are named by their object names "TabSheet1" ... "TabSheet8".
    virtual void activatePage(const QString &pageName) = 0;
    virtual QString activePageName() const = 0;
    virtual void setPageCaption(const QString &pageName, const QString &caption) = 0;

    // The start-up sequence; run again after the colours were changed.
    virtual void FormCreate() = 0;
    // Re-synchronises the catalogue as when the main window becomes active again.
    virtual void FormActivate() = 0;
    // Fills the page control's background (behind the tabs) with a colour 0xBBGGRR.
    virtual void paintPageControl(int colour) = 0;

    virtual QWidget *mainWindow() = 0;
};

} // namespace vindel
