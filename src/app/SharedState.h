#pragma once

#include <QString>

namespace vindel {

// State that several windows read and write. Paths use "/" and folders end with "/".
struct SharedState {
    QString ProgramDir;
    QString PhotoDir;

    // Colours as Windows colour values 0xBBGGRR.
    int FormColor = 0xFFFFFF;
    int TabSheetColor = 0xFFFFFF;
    int GroupBoxColor = 0xFFFFFF;

    int CurrentPlantNr = 0;
    QString CurrentPlantNrText;
    int CurrentPlantId = 0;
    int CurrentCategoryId = 0;
    int CurrentGenusId = 0;
    int SavedCategoryId = 0;

    QString FilterText;
    QString GenusFilter;
    QString FilterValue;
    QString TypeAheadText;
    QString NameValid;
    QString CurrentPhotoPath;
    int NextPlantNr = 0;
    QString CurrentDiaryId;
    int SelectedGridRow = 0;
    int SelectedGridCol = 0;
    int PhotoFileCount = 0;

    // Photo slot last clicked: 1 to 6 the thumbnails of the main view, 7 the large photo of the
    // details page, 8 a diary photo, 0 none. The activation of the main window reads it.
    int PhotoCode = 0;
};

} // namespace vindel
