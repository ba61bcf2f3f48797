#pragma once

#include <QObject>
#include <QVariant>

namespace vindel::Tag {

// The integer flag that controls carry (mode and origin flags); 0 when never set.
inline int of(const QObject *object) { return object->property("tag").toInt(); }
inline void set(QObject *object, int value) { object->setProperty("tag", value); }

} // namespace vindel::Tag
