#pragma once

#include <QString>
#include <optional>

namespace vindel {
class DataTables;
class Progress;
} // namespace vindel

namespace vindel::AlbumIndex {

// The plant number a photo file's name tells, by the names the program gives its photos:
// "57 Nr 12 Historie Rosa.JPG" (a diary photo), "12 Nr 7 Bild2 Rosa.JPG" (a plant photo),
// "12 Bild7 Rosa.JPG" (the literature photo of a duplicated plant): 12, 7 and 12. A name of another
// kind, or one whose number part is no number, gives nothing for the first rule and 0 for the
// others, as a text that is no number converts to 0.
std::optional<int> plantNumber(const QString &fileName);

// The date an album row shows: the first ten characters of the date and time as text.
QString fileDate(const QString &path);

// "Aktuallisieren": ListeallerFotos anew from the folder, one row per entry of the folder (hidden
// files and subfolders too) whose name is longer than three characters, in the order the folder
// lists them; every row of the table goes first, whatever filter is set. The progress runs from
// 10 to the number of files + 30. Returns the number of rows. All or nothing: a failure leaves
// the table as it was.
int rebuild(DataTables &tables, const QString &folder, Progress &progress);

} // namespace vindel::AlbumIndex
