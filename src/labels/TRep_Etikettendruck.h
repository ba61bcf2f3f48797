#pragma once

#include "labels/LabelDesign.h"
#include "reports/PrintedReport.h"
#include "reports/ReportSources.h"

#include <QHash>

namespace vindel {

// Label strips for every plant of the list the list window shows, as the label designer
// prescribes when printing starts: framed strips one under the other, the fields by the strip
// height, optionally a QR code of the plant number and a first strip further down a used sheet.
class TRep_Etikettendruck : public PrintedReport {
    Q_OBJECT
public:
    explicit TRep_Etikettendruck(AppContext &context);

    // The strip's width: A4 less 10 mm on either side.
    static constexpr int kStripWidth = 718;
    static constexpr int kTitleHeight = 51;

    report::Document build() override;
    void QRBand2BeforePrint(report::Band &band);

private:
    void prepare();
    TableRecords m_entries;
    LabelDesign m_design;
    QHash<qint64, int> m_plantRowByNr; // every plant, whatever the catalogue shows
};

} // namespace vindel
