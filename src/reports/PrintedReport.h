#pragma once

#include "app/AppWindow.h"
#include "reports/engine/PageModel.h"
#include "reports/engine/ReportModel.h"

namespace vindel {

// A report window: it holds the report's layout and its handlers, builds its pages and shows them
// in the preview. The opening call returns when the preview is closed; the after-preview handler
// runs then, however the preview ended.
class PrintedReport : public ReportWindow {
    Q_OBJECT
public:
    PrintedReport(AppContext &context, const QString &className, const QString &previewTitle);

    report::Report &definition() { return m_report; }
    // The pages as they print now; the report's before-print handlers run.
    virtual report::Document build();
    void preview();

protected:
    report::Report m_report;
};

} // namespace vindel
