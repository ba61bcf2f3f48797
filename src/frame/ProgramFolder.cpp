#include "frame/ProgramFolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace vindel {

ProgramFolder ProgramFolder::choose(const QString &executableDir, const QString &userDataDir)
{
    if (QFileInfo::exists(executableDir + buildMarker()) || QFileInfo::exists(executableDir + QStringLiteral("Pflanzen.mdb")))
        return {executableDir, false};
    return {userDataDir + QStringLiteral("VindelV40/"), true};
}

ProgramFolder ProgramFolder::forRunningProgram()
{
    return choose(QCoreApplication::applicationDirPath() + QStringLiteral("/"),
                  QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/"));
}

} // namespace vindel
