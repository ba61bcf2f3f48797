#include "reports/PrintedReport.h"

#include "reports/PrintedPhotos.h"
#include "reports/engine/ReportLayout.h"

namespace vindel {

PrintedReport::PrintedReport(AppContext &context, const QString &className, const QString &previewTitle)
    : ReportWindow(context, className)
{
    m_report.name = className;
    m_report.title = previewTitle;
}

report::Document PrintedReport::build() { return report::layOut(m_report, ctx.prompter.today()); }

void PrintedReport::preview()
{
    struct AfterPreview {
        report::Report &report;
        ~AfterPreview()
        {
            try {
                if (report.afterPreview)
                    report.afterPreview();
            } catch (const DatabaseError &e) {
                AppContext::reportError(e.message());
            }
        }
    } afterPreview{m_report};
    report::PreviewJob job;
    job.title = m_report.title;
    job.build = [this] { return build(); };
    job.afterPrint = m_report.afterPrint;
    job.pictures = std::make_shared<PhotoPictureLoader>();
    ctx.prompter.showReportPreview(job);
}

} // namespace vindel
