#pragma once

#include "reports/CatalogueSnapshot.h"
#include "reports/PrintedReport.h"
#include "reports/ReportSources.h"

#include <optional>

namespace vindel {

// The data sheet of one plant: its fields, its literature photo and three own photos, and its
// five long texts, each in a section of its own.
class TRep_druckansicht : public PrintedReport {
    Q_OBJECT
public:
    explicit TRep_druckansicht(AppContext &context);

    static constexpr int kTitleHeight = 91;
    static constexpr int kDetailHeight = 520;
    static constexpr int kSectionHeight = 56;
    static constexpr int kHeadingOnlyHeight = 32;
    static constexpr int kFullPage = 750;

    void QuickRep1BeforePrint();
    void QuickRep1AfterPreview();

private:
    void sectionBeforePrint(report::Band &band, const QString &column);
    OneRecord m_plant;
    std::optional<CatalogueSnapshot> m_catalogue;
};

} // namespace vindel
