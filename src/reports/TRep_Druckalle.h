#pragma once

#include "reports/PrintedReport.h"
#include "reports/ReportSources.h"

namespace vindel {

// The data sheet of the category run: one page per plant, everything in one band, the sender
// taken from the settings whatever DruckName says.
class TRep_Druckalle : public PrintedReport {
    Q_OBJECT
public:
    explicit TRep_Druckalle(AppContext &context);

    // The plant printed: a row of the plant list; -1 is the current plant.
    void setPlantRow(int viewRow) { m_row = viewRow; }
    // Fills the pictures for the plant printed (the run does this before each preview).
    void fillPictures();

private:
    OneRecord m_plant;
    OneRecord m_settings;
    int m_row = -1;
};

} // namespace vindel
