#pragma once

#include "app/DataGrid.h"

namespace vindel {

// A read-only grid of every column of a table, under the columns' names, that takes the keyboard
// focus when the mouse moves over it (the list windows' grids).
DataGrid *allColumnsGrid(const char *name, Dataset &table, const QString &tableName);

} // namespace vindel
