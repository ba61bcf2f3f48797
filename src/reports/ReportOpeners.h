#pragma once

#include "app/ReportOperations.h"

namespace vindel {

class AppContext;

// The reports pages open directly.
class ReportOpeners : public ReportOperations {
public:
    explicit ReportOpeners(AppContext &context) : ctx(context) {}
    void previewPlantSheet() override;
    void previewDiary() override;

private:
    AppContext &ctx;
};

} // namespace vindel
