#pragma once

#include <QObject>
#include <QString>
#include <stdexcept>

namespace vindel {

// The control with this object name below root; a missing control is a programming error.
template <class T> T *control(const QObject *root, const QString &objectName)
{
    T *found = root->findChild<T *>(objectName);
    if (!found)
        throw std::logic_error("missing control " + objectName.toStdString());
    return found;
}

} // namespace vindel
