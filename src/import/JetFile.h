#pragma once

#include <QByteArray>
#include <QString>

namespace vindel::JetFile {

// An Access (Jet 3/4) or ACE file tells itself by its header, not by its name: "Standard Jet DB"
// or "Standard ACE DB" at offset 4. Needs no libmdb.
bool hasJetHeader(const QByteArray &firstBytes);
bool isJetDatabase(const QString &path);

} // namespace vindel::JetFile
