#include "app/Application.h"

#include "app/AppContext.h"

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
    }
}

} // namespace vindel
