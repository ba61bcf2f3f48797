#pragma once

#include <QString>

namespace vindel {

// Writes a new, empty database of the current schema with the rows the program needs: the
// " Alle" category and genus, one Stammdaten row, suggestions for the entry fields and the
// built-in action "Beobachtung". Refuses to overwrite an existing file (throws DatabaseError).
void createDatabase(const QString &path);

} // namespace vindel
