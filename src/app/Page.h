#pragma once

#include "app/AppContext.h"
#include "app/DesignLayout.h"

#include <QWidget>

namespace vindel {

// A tab page of the main window. Its object name is its page name ("TabSheet1" ...); it builds its
// controls at design coordinates and implements its own handlers.
class Page : public QWidget {
    Q_OBJECT
public:
    // The size pages are designed for; the main window sets the real one before it is shown.
    static constexpr QSize kDesignSize{1012, 710};

    Page(AppContext &context, const QString &pageName, const QString &caption);

    QString caption() const { return m_caption; }
    DesignLayout *design() const { return m_design; }

    // The page became the active page / stopped being it.
    virtual void pageShown() {}
    virtual void pageLeft() {}

protected:
    // A slot that runs a handler of this window; a database error ends it with the error box.
    template <class Self> auto handler(void (Self::*method)())
    {
        return [this, method] { ctx.run([this, method] { (static_cast<Self *>(this)->*method)(); }); };
    }
    AppContext &ctx;

private:
    QString m_caption;
    DesignLayout *m_design;
};

} // namespace vindel
