#pragma once

#include <QString>
#include <stdexcept>

namespace vindel {

// Every failure of the data layer: a statement the engine refused, an invalid filter, a value
// that does not fit its column. The text is German and fit to be shown to the user.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

} // namespace vindel
