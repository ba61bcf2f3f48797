#pragma once

#include "reports/PrintedReport.h"
#include "reports/ReportSources.h"

namespace vindel {

// The short list of the plants the catalogue shows: no photo, three lines a plant.
class TRep_Listekurz : public PrintedReport {
    Q_OBJECT
public:
    explicit TRep_Listekurz(AppContext &context);

    void setHeaderLines(const QString &line1, const QString &line2);
    void setPrintOrder(const QString &column) { m_plants.sortBy(column); }

private:
    TableRecords m_plants;
    OneRecord m_settings;
};

} // namespace vindel
