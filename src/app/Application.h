#pragma once

#include <QApplication>

namespace vindel {

// The application object of the program: a database error that escapes an event handler ends
// that operation with the error box instead of ending the program.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace vindel
