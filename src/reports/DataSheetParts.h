#pragma once

// What the three data sheets share: the heading with its sender block, date and number, and the
// filling of the literature photo and the three own photos.

#include "reports/ReportParts.h"

#include <functional>

namespace vindel {

namespace sheet {

// The title band: sender (three switchable captions, or the settings' fields when
// `settingsFields` is given), "Pflanzendatenblatt", "Stand vom :" with the date, "Nr.:" with the
// plant's number, a rule.
report::Band titleBand(const QString &name, int height, const QStringList &senderLabels,
                       report::RecordSource *settingsFields = nullptr);

// QRImage1 from Bild7 (foreign-photo placeholder when empty), QRImage2 to QRImage4 from Bild1 to
// Bild3 (own-photo placeholder when empty), the photo-missing placeholder for files not there.
void fillPhotos(report::Report &report, const QString &photoDir, const report::RecordSource &plant);

// The three own photos in a row under "Eigene Fotos:", from `top`.
void addOwnPhotos(report::Band &band, int top, QSize size, bool underlinedHeading);

// The plant a sheet prints: the row a run over the list chose, else the current plant; -1 for none.
std::function<int()> chosenOrCurrentPlant(const Dataset &plants, const int &chosenRow);

} // namespace sheet
} // namespace vindel
