#pragma once

// The file work of a backup and of a restore, without any window: a consistent snapshot of the
// open database, checked database files, and copies that are complete or not there at all.

#include "app/Progress.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace vindel::backup {

// The folder of one day's backup under the chosen target folder.
QString dayFolder(const QString &target, const QDate &day);
// The day a backup folder is named after; invalid for another name.
QDate dayOf(const QString &folder);

// Writes a snapshot of the database file the program has open to the file: SQLite's online
// backup under a temporary name, checked, then renamed over the file; done on a thread of its
// own while the caller's window stays alive. Empty when done, else what failed, in German.
QString snapshotDatabase(const QString &source, const QString &file);
// Empty when the file is a sound database, else why not, in German.
QString checkDatabase(const QString &file);

enum class CopyResult { Copied, Unchanged, Failed, DiskFull };

// Copies a file under a temporary name, renamed when complete, with the source's time of last
// change; a copy of the same size and time is left as it is.
CopyResult copyFile(const QString &from, const QString &to);

// The same on a thread of its own, while the caller's thread keeps its window alive.
CopyResult copyFileAside(const QString &from, const QString &to);

struct FolderCopy {
    int total = 0;
    int copied = 0;
    int unchanged = 0;
    int failed = 0;
    bool diskFull = false;
    QStringList failedNames;
    bool complete() const { return failed == 0 && !diskFull; }
};

// Copies every plain file of one folder into another, on a thread of its own; the caller's
// thread reports the count on the progress and keeps handling events meanwhile.
FolderCopy copyFolder(const QString &from, const QString &to, Progress &progress);

// What a failed photo copy says: "3 von 20 Fotos konnten nicht kopiert werden ...".
QString describeFailure(const FolderCopy &copy);

} // namespace vindel::backup
