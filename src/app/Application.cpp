#include "app/Application.h"

#include "app/AppContext.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <exception>

namespace vindel {

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("VindelV40"));
    setWindowIcon(QIcon(QStringLiteral(":/vindel/vindel-256.png")));
    // The program is German whatever the system's language: dates, month and day names, and the
    // toolkit's own texts (context menus, dialog buttons).
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto *translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
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
