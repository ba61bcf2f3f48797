#pragma once

#include "photos/Placeholders.h"
#include "reports/engine/ReportRenderer.h"

namespace vindel {

// Photos on paper: a stored photo name as a report's picture. A name that is empty prints the
// placeholder for an empty column; one whose file is not in the photo folder (or cannot be read)
// the placeholder for a missing file. A photo never stops a report.
report::PictureRef printedPhoto(const QString &photoDir, const QString &storedName, Placeholder whenEmpty,
                                Placeholder whenMissing);

// Reads photos for reports as the rest of the program does (JPEG through libjpeg at a reduced
// scale, the camera's orientation applied), at the size they print.
class PhotoPictureLoader : public report::PictureLoader {
public:
    QImage load(const QString &path, QSize pixels) override;
};

} // namespace vindel
