#pragma once

#include "import/ImportSource.h"

#include <QString>

namespace vindel {

struct ImportSummary {
    int tables = 0;
    qint64 rows = 0;
};

// Writes every table and row of the source into a new SQLite database at targetPath. The work
// goes into a temporary file beside the target, in one transaction; only when all of it
// succeeded is that file renamed onto targetPath (replacing what was there). On failure nothing
// is left behind and ImportError or DatabaseError is thrown.
ImportSummary writeDatabase(ImportSource &source, const QString &targetPath);

// The same work on an open, empty database, inside one transaction.
ImportSummary writeTables(ImportSource &source, Database &db);

} // namespace vindel
