#pragma once

// The pieces the program's report layouts are built from: elements in the fonts the layouts name,
// the sender block in its two forms, and the parts the list reports share.

#include "reports/engine/ReportModel.h"

#include <QStringList>

namespace vindel {

class Dataset;

namespace parts {

using report::Band;
using report::Element;
using report::RecordSource;

// The width bands may fill: A4 less the margins of 20 and 5 mm.
constexpr int kWidth = 699;

QFont arial(int points, bool bold = false, bool underline = false);

Element caption(const QString &name, const QString &text, QRect rect, const QFont &font = arial(10),
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
// A field of the band's record, or of `source`; `prefix` prints before the value.
Element field(const QString &name, const QString &column, QRect rect, const QFont &font = arial(10),
              RecordSource *source = nullptr, const QString &prefix = QString());
Element memo(const QString &name, const QString &column, QRect rect, bool grows, const QFont &font = arial(10));
Element picture(const QString &name, QRect rect);
Element rule(int y, int width = kWidth);
Element frame(QRect rect);
Element date(const QString &name, const QString &prefix, QRect rect, const QFont &font = arial(10, true));
Element pageNumber(const QString &name, QRect rect, const QFont &font = arial(10, true));
Element detailCount(const QString &name, const QString &prefix, QRect rect, const QFont &font = arial(10, true));

// A caption and its value on one row: caption bold at x, value at x + captionWidth.
void addRow(Band &band, const QString &name, const QString &captionText, const QString &column, int x, int y,
            int captionWidth, int valueWidth, RecordSource *source = nullptr, const QFont &valueFont = arial(10));

// The sender block as data fields of the settings, printed whatever DruckName says: surname and
// first name, street (small), postcode and town (small).
void addSenderFields(Band &band, RecordSource *settings, QPoint at);
// The sender block that DruckName switches: three captions the report fills before printing.
void addSenderLabels(Band &band, const QStringList &names, QPoint at);
// Fills those captions from the settings when DruckName is "Ja"; empties them otherwise.
void fillSenderLabels(report::Report &report, const QStringList &names, const Dataset &settings);

// The page header of the lists: sender, "Pflanzenliste", date, page number, two centred lines
// (named line1, line2; their text or field set by the report) and a rule.
Band listHeader(const QString &name, report::BandKind kind, RecordSource *settings, Element line1, Element line2);
// The list's end: the date and "Anzahl Pflanzen:" with the number of details printed.
Band listSummary(const QString &name);
// A plant as the long lists print it, its list photo QRImage1 at the right; `plant` reads the
// plant (the band's record when none).
Band plantListDetail(const QString &name, RecordSource *plant);

} // namespace parts
} // namespace vindel
