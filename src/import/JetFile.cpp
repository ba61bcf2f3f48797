#include "import/JetFile.h"

#include <QFile>

namespace vindel::JetFile {

bool hasJetHeader(const QByteArray &firstBytes)
{
    const QByteArray tag = firstBytes.mid(4, 15);
    return tag == "Standard Jet DB" || tag == "Standard ACE DB";
}

bool isJetDatabase(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return hasJetHeader(f.read(32));
}

} // namespace vindel::JetFile
