#pragma once

#include <QString>
#include <QStringList>

namespace vindel {

class AppContext;

// The operations that change stored plants as a whole: deleting with diary and photo files,
// duplicating with the literature photo, and carrying a new number to the rows that refer to
// the plant by it. They ask nothing and show nothing; the main view asks first and reports.
class PlantOperations {
public:
    explicit PlantOperations(AppContext &ctx) : m_ctx(ctx) {}

    // Highest Nr of all plants + 1 (1 without plants), whatever the catalogue's filter.
    int nextPlantNumber();

    struct Deleted {
        bool deleted = false;
        int diaryEntries = 0;       // diary entries deleted with the plant
        QStringList removedFiles;   // photo files deleted (stored names)
        QStringList keptFiles;      // named by the plant or its diary, left because another row names them too
    };
    // Deletes the current plant of the plant table and its diary entries in one transaction, then
    // the photo files they named (only names inside the photo folder, only files no remaining
    // plant or diary entry names). The plant table is reopened afterwards, on its first row.
    // Diary entries stay when another plant keeps the same number: they are that plant's too.
    Deleted deleteCurrentPlant();

    struct Duplicated {
        bool created = false;
        qint64 id = 0;
        int nr = 0;
        QString literaturePhoto; // stored name of the copy's literature photo, empty when none
        bool photoCopied = false;
        QString photoError;      // why the literature photo could not be copied
    };
    // Appends a copy of the current plant (without photos, photo choice, tags, web links, diary
    // count) under the next free number; the literature photo is copied under the copy's own
    // name. The cursor ends on the copy, the plant table sorted by name.
    Duplicated duplicateCurrentPlant();

    // Diary entries (Historie.PflanzenID, text) and list entries (Listeninhalt.PflanzenID) of
    // number oldNr follow the plant plantId to newNr, unless another plant keeps oldNr. Runs in
    // the caller's transaction; returns the number of rows changed. The table objects are
    // refreshed by refreshReferences() once the transaction is committed.
    int carryNumber(int oldNr, int newNr, qint64 plantId);
    void refreshReferences();

private:
    bool otherPlantHasNumber(int nr, qint64 plantId);
    AppContext &m_ctx;
};

} // namespace vindel
