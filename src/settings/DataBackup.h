#pragma once

#include "app/Progress.h"

#include <QDate>
#include <QString>

namespace vindel {

class AppContext;

// The backup into the day's folder under the stored target folder, with its questions, and the
// restore of such a folder. Everything is read from the stored settings, so the reminder on
// closing and the settings page run the same backup.
class DataBackup {
public:
    explicit DataBackup(AppContext &context);

    // "Datensicherung durchführen". True when everything was copied and the date stamped.
    bool run(Progress &progress);

    // "Datensicherung zurückspielen" of a backup folder the user chose.
    bool restore(const QString &folder, Progress &progress);

    // The stored reminder settings and whether they call for a reminder on the day given.
    struct Reminder {
        bool on = true;
        int days = 21;
        QString lastBackup; // as stored, a short date or empty
        QString target;
        bool due(const QDate &today, bool targetExists) const;
        QString question() const;
    };
    Reminder storedReminder() const;

    // The running program file, copied beside the database.
    static QString programFile();

private:
    bool copyDatabase(const QString &folder, QStringList &failures);
    void copyProgramFile(const QString &folder, QStringList &failures);
    void stampBackupDate();
    AppContext &ctx;
};

} // namespace vindel
