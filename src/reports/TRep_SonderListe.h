#pragma once

#include "reports/PrintedReport.h"
#include "reports/ReportSources.h"

namespace vindel {

// The short form of a user list: number, plant and date added, under a framed column header on
// every page.
class TRep_SonderListe : public PrintedReport {
    Q_OBJECT
public:
    explicit TRep_SonderListe(AppContext &context);

private:
    TableRecords m_entries;
    OneRecord m_settings;
};

} // namespace vindel
