#pragma once

#include "import/ImportSource.h"

#include <QString>
#include <functional>

namespace vindel {

struct ImportSummary {
    int tables = 0;
    qint64 rows = 0;
};

// Writes every table and row of the source into a new SQLite database at targetPath. The work
// goes into a temporary file beside the target, in one transaction; only when all of it
// succeeded is that file renamed onto targetPath (replacing what was there). On failure nothing
// is left behind and ImportError or DatabaseError is thrown.
// rowsDone is told the number of rows written so far, now and then and after every table.
using ImportProgress = std::function<void(qint64 rowsDone)>;
ImportSummary writeDatabase(ImportSource &source, const QString &targetPath, const ImportProgress &rowsDone = {});

// The same work on an open, empty database, inside one transaction.
ImportSummary writeTables(ImportSource &source, Database &db, const ImportProgress &rowsDone = {});

// A file whose tables are not those of a plant database (another application's Access file).
// Throws NotACatalogue naming the missing tables.
void requireCatalogueTables(const std::vector<ImportTable> &tables);

} // namespace vindel
