#pragma once

#include "reports/CatalogueSnapshot.h"
#include "reports/PrintedReport.h"
#include "reports/ReportSources.h"

#include <optional>

namespace vindel {

// The diary of the current plant as the diary page shows it: the plant's heading, then each entry
// with its date, text and photo.
class TRep_Historie : public PrintedReport {
    Q_OBJECT
public:
    explicit TRep_Historie(AppContext &context);

    void QuickRep1BeforePrint();
    void QRSubDetail1BeforePrint(report::Band &band);
    void QuickRep1AfterPreview();

private:
    OneRecord m_plant;
    OneRecord m_settings;
    TableRecords m_diary;
    std::optional<CatalogueSnapshot> m_catalogue;
};

} // namespace vindel
