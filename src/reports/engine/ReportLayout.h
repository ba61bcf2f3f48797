#pragma once

#include "reports/engine/PageModel.h"

#include <QDate>

namespace vindel::report {

// Lays a report out on pages: runs its before-print handlers, walks its records and places its
// bands in order (page header on every page, title on the first, column headers under them,
// detail and sub-detail bands with their group headers, the summary at the end). A band that does
// not fit on the rest of a page starts a new one; a band taller than a page (a long growing memo)
// continues over as many pages as its text needs.
Document layOut(Report &report, const QDate &today);

// A text broken into the lines a frame of that width shows: its own line breaks kept, long lines
// wrapped at word boundaries (anywhere when a word is wider than the frame).
QStringList wrapLines(const QString &text, const QFont &font, int width);

} // namespace vindel::report
