#include "app/CountFiles.h"

#include <QDir>

namespace vindel {

int CountFiles(const QString &folder, const QString &mask)
{
    if (folder.isEmpty())
        return 0;
    QString path = folder;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    QDir dir(path);
    if (!dir.exists())
        return 0;
    const QString pattern = (mask.isEmpty() || mask == QLatin1String("*.*")) ? QStringLiteral("*") : mask;
    // Without QDir::Hidden and QDir::System, hidden files and special files are left out.
    return int(dir.entryList({pattern}, QDir::Files | QDir::NoDotAndDotDot).size());
}

} // namespace vindel
