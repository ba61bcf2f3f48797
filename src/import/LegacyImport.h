#pragma once

#include "app/Progress.h"
#include "data/Database.h"

#include <QString>

namespace vindel {

// Start-up side of the Access import. Before the program connects, a "Pflanzen.mdb" in the
// program folder that is still an Access (Jet) file is converted by the helper program
// vindel-mdb-import into a new SQLite database. The Access file is kept unchanged beside it
// as "Pflanzen (Access-Original).mdb", the new database takes its place. Nothing is swapped
// unless the conversion succeeded completely.
class LegacyImport {
public:
    enum class Result {
        NotJet,   // nothing to do: no such file, or it is not an Access file
        Imported, // converted; show message, then start up as always
        Failed    // not converted, original untouched; show message, then end as for a missing database
    };
    struct Outcome {
        Result result = Result::NotJet;
        QString message;      // German text for the user; empty for NotJet
        QString originalPath; // where the Access file lies afterwards
    };

    // programDir ends with '/'. helperPath defaults to findHelper(programDir).
    explicit LegacyImport(QString programDir, QString helperPath = QString());

    // The helper is stopped and the import counts as failed when it reports no progress for this
    // long (default 20 seconds): a damaged file can keep the reading library busy forever.
    void setStallTimeout(int milliseconds) { m_stallMs = milliseconds; }

    // progress hears the rows converted so far; it is polled for events while the helper works.
    Outcome run(Progress &progress);
    Outcome run();

    // The helper's exit code for a readable Access file that is no plant database.
    static constexpr int kExitNotACatalogue = 64;

    static QString helperName() { return QStringLiteral("vindel-mdb-import"); }
    // The helper in the program folder, else beside the running program, else where an
    // installation puts it (../libexec/vindel/ from the program); the first of these otherwise.
    static QString findHelper(const QString &programDir);
    static QString databaseName() { return QStringLiteral("Pflanzen.mdb"); }
    // The Access file is kept under this name (with " 2", " 3", ... when it is taken).
    static QString originalBaseName() { return QStringLiteral("Pflanzen (Access-Original)"); }

    // A drive letter ("C:") or backslashes: a photo folder written on Windows.
    static bool isWindowsPath(const QString &path);

    struct PhotoFolderChange {
        bool replaced = false;
        QString oldFolder;
        QString newFolder;
    };
    // Replaces a Windows path in Stammdaten.Speicherpfad with programDir + "Fotos/".
    static PhotoFolderChange replaceWindowsPhotoFolder(Database &db, const QString &programDir);

private:
    Outcome failed(const QString &reason) const;
    Outcome notACatalogue(const QString &reason) const;
    QString freeOriginalPath() const;
    void removeStaged() const;

    QString m_programDir;
    QString m_helperPath;
    int m_stallMs = 20 * 1000;
};

// What the frame calls at start-up before it connects (programDir = ProgramDir, with '/').
// The helper is looked for beside the program executable, in programDir.
LegacyImport::Outcome importLegacyDatabase(const QString &programDir, Progress &progress);

} // namespace vindel
