#pragma once

#include "data/Database.h"
#include "data/Schema.h"

#include <functional>
#include <vector>

namespace vindel {

struct ImportTable {
    TableDef def;               // the file's own columns, names, order, kinds and widths
    qint64 autoNumberLast = 0;  // last number the file's AutoNumber counter gave out, 0 if none
    qint64 rowCount = 0;        // rows the file says the table holds (for progress)
};

// Where an import reads from: the Access reader, or generated rows in the benchmark.
class ImportSource {
public:
    virtual ~ImportSource() = default;
    virtual std::vector<ImportTable> tables() = 0;
    // Hands every stored row of the table to row(), values in the order of table.def.columns:
    // QString for text and memo, qint64 for numbers and yes/no (1/0), the stored date text,
    // QByteArray for binary data, a null QVariant for NULL. Throws ImportError.
    virtual void readRows(const ImportTable &table, const std::function<void(const SqlRow &)> &row) = 0;
};

} // namespace vindel
