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
    // Runs a page's show handler, as when the page becomes the active page.
    virtual void runPageShown(const QString &pageName) = 0;
    // The next activation of the main window stays on this page instead of choosing one by the
    // windows' flags (returning from the photo viewer opened from the album).
    virtual void stayOnPage(const QString &pageName) = 0;

    // The start-up sequence; run again after the colours were changed.
    virtual void FormCreate() = 0;
    // Re-synchronises the catalogue as when the main window becomes active again.
    virtual void FormActivate() = 0;
    // Fills the page control's background (behind the tabs) with a colour 0xBBGGRR.
    virtual void paintPageControl(int colour) = 0;

    virtual QWidget *mainWindow() = 0;
};

} // namespace vindel
