#include "app/Application.h"

#include "app/AppContext.h"

#include <exception>

namespace vindel {

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("VindelV40"));
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const DatabaseError &e) {
        AppContext::reportError(e.message());
        return false;
    } catch (const std::exception &e) {
        // Whatever else fails in a handler ends that operation, not the program.
        AppContext::reportError(QStringLiteral("Die Aktion wurde wegen eines unerwarteten Fehlers abgebrochen:\n%1")
                                    .arg(QString::fromLocal8Bit(e.what())));
        return false;
    }
}

} // namespace vindel
