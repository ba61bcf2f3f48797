#pragma once

#include "reports/PrintedReport.h"
#include "reports/ReportSources.h"

namespace vindel {

// The long list of the plants the catalogue shows: every field and the list photo.
class TRep_Liste : public PrintedReport {
    Q_OBJECT
public:
    explicit TRep_Liste(AppContext &context);

    // The two header lines TSortieren sets: category and genus; search and order.
    void setHeaderLines(const QString &line1, const QString &line2);
    // The printed order: a column of the plant list, or empty for the catalogue's order.
    void setPrintOrder(const QString &column) { m_plants.sortBy(column); }

    void QRBand2BeforePrint(report::Band &band);

private:
    TableRecords m_plants;
    OneRecord m_settings;
};

// A plant's list photo: the photo column its FotoListe names (own-photo placeholder when there is
// none or its file is not there).
report::PictureRef listPhoto(const report::RecordSource &plant, const QString &photoDir);

} // namespace vindel
