#pragma once

#include <QString>
#include <stdexcept>

namespace vindel {

// Every failure of the data layer: a statement the engine refused, an invalid filter, a value
// that does not fit its column. The text is German and fit to be shown to the user.
class DatabaseError : public std::runtime_error {
public:
    // What went wrong, as far as the caller may act on it.
    enum class Cause {
        Other,
        MissingObject, // a table or column the statement names does not exist
        Damaged,       // the file is no database or its pages are broken
        ReadOnly,      // the file or its folder cannot be written
        DiskFull,
        Busy,          // another program holds the database
    };

    explicit DatabaseError(const QString &message, Cause cause = Cause::Other)
        : std::runtime_error(message.toStdString()), m_message(message), m_cause(cause)
    {
    }
    const QString &message() const { return m_message; }
    Cause cause() const { return m_cause; }

private:
    QString m_message;
    Cause m_cause;
};

} // namespace vindel
