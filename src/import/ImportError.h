#pragma once

#include <QString>
#include <stdexcept>

namespace vindel {

// A file that cannot be imported as a whole. The text is German and fit to be shown to the user.
class ImportError : public std::runtime_error {
public:
    explicit ImportError(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// The file can be read, but it is no plant database of this program.
class NotACatalogue : public ImportError {
public:
    using ImportError::ImportError;
};

} // namespace vindel
