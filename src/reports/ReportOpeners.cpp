#include "reports/ReportOpeners.h"

#include "reports/TRep_Historie.h"
#include "reports/TRep_druckansicht.h"

namespace vindel {

void ReportOpeners::previewPlantSheet()
{
    if (auto *sheet = ctx.window<TRep_druckansicht>()) {
        sheet->tag = 1; // the main window stays on the page it was opened from
        sheet->preview();
    }
}

void ReportOpeners::previewDiary()
{
    if (auto *diary = ctx.window<TRep_Historie>())
        diary->preview();
}

} // namespace vindel
