#pragma once

#include "data/Database.h"

#include <QVariant>
#include <span>
#include <vector>

namespace vindel {

struct StoredRow {
    qint64 rowId = 0;
    bool deleted = false;
};

// The rows of a table object as loaded: their ids, and their values row after row in one block,
// so that a scan over them reads memory in order.
struct StoredRows {
    std::vector<StoredRow> rows;
    CellBlock cells;
    size_t width = 0;  // values per row
    int deletedCount = 0;

    size_t size() const { return rows.size(); }
    const QVariant *values(size_t row) const { return cells.data() + row * width; }
    QVariant *values(size_t row) { return cells.data() + row * width; }
    std::span<const QVariant> span(size_t row) const { return {values(row), width}; }
    void clear()
    {
        rows.clear();
        cells.clear();
        deletedCount = 0;
    }
};

} // namespace vindel
