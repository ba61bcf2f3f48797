#pragma once

#include "data/DataTables.h"

namespace vindel::StartupData {

// The data steps of start-up that complete what older versions left empty.

// An empty Speicherpfad becomes programDir + "Fotos/".
void ensurePhotoDir(DataTables &t, const QString &programDir);
// The action with Kenner "0" ("Beobachtung") exists.
void ensureObservationAction(DataTables &t);
// Diary rows without an action become observations, with the year of their date.
void completeDiary(DataTables &t);

// The program's own indexes, for databases made before it kept them.
void ensureIndexes(DataTables &t);
// Stammdaten colour text as a colour value; white (0xFFFFFF) when empty or not a number.
int colourOrWhite(const QString &text);

} // namespace vindel::StartupData
