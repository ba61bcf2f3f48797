#pragma once

namespace vindel {

// The printed reports that pages open directly, without a window of their own in between.
class ReportOperations {
public:
    virtual ~ReportOperations() = default;

    // The data sheet of the current plant (details page, "Druckansicht").
    virtual void previewPlantSheet() = 0;
    // The diary of the current plant as the diary page shows it ("Tagebuch drucken").
    virtual void previewDiary() = 0;
};

} // namespace vindel
