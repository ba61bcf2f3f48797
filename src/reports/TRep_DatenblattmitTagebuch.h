#pragma once

#include "reports/CatalogueSnapshot.h"
#include "reports/PrintedReport.h"
#include "reports/ReportSources.h"

#include <optional>

namespace vindel {

// The data sheet of one plant with its diary: the plant's fields, photos and texts on the first
// page, then every diary entry with its date, text and photo.
class TRep_DatenblattmitTagebuch : public PrintedReport {
    Q_OBJECT
public:
    explicit TRep_DatenblattmitTagebuch(AppContext &context);

    void QuickRep1BeforePrint();
    void QRSubDetail1BeforePrint(report::Band &band);
    void QuickRep1AfterPreview();

    // The sheet of another plant than the current one (a row of the plant list), for a run over
    // the list; -1 is the current plant.
    void setPlantRow(int viewRow) { m_row = viewRow; }

private:
    OneRecord m_plant;
    TableRecords m_diary;
    int m_row = -1;
    std::optional<CatalogueSnapshot> m_catalogue;
};

} // namespace vindel
