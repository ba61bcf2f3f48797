#pragma once

#include "app/AppContext.h"

#include <QPointer>

#include <functional>
#include <QWidget>

namespace vindel {

// A window of the program: created once at start, shown and hidden as needed. Its object name is
// its class name. It takes the background colour FormColor when it is created.
class AppWindow : public QWidget {
    Q_OBJECT
public:
    AppWindow(AppContext &context, const QString &className, const QString &caption, QSize designSize = {});
    ~AppWindow() override;

    AppContext &context() const { return ctx; }

    // Mode and origin flag that other windows set before opening this one.
    int tag = 0;

    // The dialog convention: the opener is disabled while this window is shown; closing it
    // (its buttons or the title bar) enables the opener again and returns to it.
    void showOver(QWidget *opener);
    // The window this one was shown over last (nothing once it returned).
    QWidget *opener() const { return m_opener; }
    void closeAndReturn();
    // The window's background in FormColor.
    void applyFormColor();

protected:
    // A slot that runs a handler of this window; a database error ends it with the error box.
    template <class Self> auto handler(void (Self::*method)())
    {
        return [this, method] { ctx.run([this, method] { (static_cast<Self *>(this)->*method)(); }); };
    }
    // Dialogs that stand centred on the main window call this when they are shown.
    void centreOnMainWindow();
    void closeEvent(QCloseEvent *event) override;
    // Closing the window by its close box runs this instead (its "Schliessen" or "Abbruch").
    void setCloseBoxHandler(std::function<void()> handler) { m_closeBox = std::move(handler); }
    AppContext &ctx;

private:
    QPointer<QWidget> m_opener;
    std::function<void()> m_closeBox;
};

// A window that only holds a printed report's layout; it is never shown itself.
class ReportWindow : public AppWindow {
    Q_OBJECT
public:
    ReportWindow(AppContext &context, const QString &className);
};

} // namespace vindel
