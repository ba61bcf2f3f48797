#pragma once

#include <QString>

namespace vindel {

// Where the program keeps its database and, by default, its photos.
//  - Run from its build folder (marked by CMake) or from a folder that holds a "Pflanzen.mdb"
//    beside the executable: that folder, as the program always did.
//  - Installed (in /usr/bin, say): the user's data folder, $XDG_DATA_HOME/VindelV40/; there a
//    missing database is created or chosen at the first start instead of ending the program.
struct ProgramFolder {
    QString path; // with a trailing "/"
    bool installed = false;

    // The marker CMake leaves beside the program it builds.
    static QString buildMarker() { return QStringLiteral("vindel-build-folder"); }

    // executableDir and userDataDir end with "/"; userDataDir is $XDG_DATA_HOME (or its default).
    static ProgramFolder choose(const QString &executableDir, const QString &userDataDir);
    // For the running program.
    static ProgramFolder forRunningProgram();
};

} // namespace vindel
