#pragma once

#include "reports/engine/PageModel.h"
#include "reports/engine/ReportRenderer.h"

#include <functional>
#include <memory>

namespace vindel::report {

// What a preview shows and prints: the pages, built anew for the preview and for each print
// (the report's before-print handlers run every time), and what follows a print.
struct PreviewJob {
    QString title;
    std::function<Document()> build;
    std::function<void()> afterPrint;
    std::shared_ptr<PictureLoader> pictures; // Qt's readers when none
};

} // namespace vindel::report
