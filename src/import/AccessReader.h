#pragma once

#include "import/ImportSource.h"
#include "import/ImportWriter.h"

#include <QString>
#include <memory>

namespace vindel {

// Reads the user tables of an Access (Jet 3/4) file with libmdb: the file's own columns and
// every stored row. Values are taken from the raw row (null mask, raw numbers and dates, text
// and long values decoded here), so NULL stays apart from "", memo texts are whole and dates
// exact. Rows that cannot be read make the whole read fail; nothing is skipped silently.
class AccessReader : public ImportSource {
public:
    explicit AccessReader(const QString &path); // throws ImportError
    ~AccessReader() override;
    AccessReader(const AccessReader &) = delete;
    AccessReader &operator=(const AccessReader &) = delete;

    bool isJet3() const;
    int codePage() const;

    std::vector<ImportTable> tables() override;
    void readRows(const ImportTable &table, const std::function<void(const SqlRow &)> &row) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// Reads the Access file at sourcePath and writes it as a new SQLite database at targetPath
// (see writeDatabase()). Throws NotACatalogue for another application's file (before anything is
// written), ImportError or DatabaseError. progress is told the rows written and the total.
ImportSummary importAccessFile(const QString &sourcePath, const QString &targetPath,
                               const std::function<void(qint64 done, qint64 total)> &progress = {});

} // namespace vindel
