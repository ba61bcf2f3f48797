#pragma once

#include "reports/PrintedReport.h"
#include "reports/ReportSources.h"

namespace vindel {

// The long form of a user list: each entry's plant as the long list prints it.
class TRep_SonderlisteLang : public PrintedReport {
    Q_OBJECT
public:
    explicit TRep_SonderlisteLang(AppContext &context);

    void QRBand2BeforePrint(report::Band &band);

private:
    // The plant list's row of the plant an entry names (by its number), or -1.
    int plantRowOfEntry() const;

    mutable int m_lookedUpEntry = -1; // the entry whose plant was found last, and its row
    mutable int m_foundRow = -1;
    TableRecords m_entries;
    OneRecord m_plant;
    OneRecord m_settings;
};

} // namespace vindel
