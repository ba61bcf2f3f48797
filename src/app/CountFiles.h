#pragma once

#include <QString>

namespace vindel {

// Number of plain files in the folder whose names match the mask ("*.*" matches every name, as
// on the original platform). Hidden files, folders and special files do not count; an empty or
// missing folder gives 0. The folder may or may not end with a separator.
int CountFiles(const QString &folder, const QString &mask);

} // namespace vindel
