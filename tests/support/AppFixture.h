#pragma once

#include "app/AppWindow.h"
#include "frame/Program.h"
#include "frame/TPflanzendatenbank.h"
#include "support/ScriptedPrompter.h"

#include <QTemporaryDir>
#include <QVariantList>
#include <memory>

namespace vindel::test {

// A temporary program directory with a new database, and the program started in it the way
// main() starts it, with the scripted dialogs installed.
//
//     AppFixture app;                       // new, empty database in a temporary folder
//     app.exec("INSERT INTO Kategorien (Namen) VALUES ('Stauden')");
//     QVERIFY(app.start());                 // windows created, main window shown and active
//     app.find<QPushButton>("BitBtn20")->click();
//     QCOMPARE(app.prompter().messageTexts(), QStringList{...});
class AppFixture {
public:
    struct Options {
        bool createDatabase = true;
        // Started as an installed program: a missing database is created or chosen.
        bool installed = false;
    };

    AppFixture();
    explicit AppFixture(Options options);
    ~AppFixture();
    AppFixture(const AppFixture &) = delete;
    AppFixture &operator=(const AppFixture &) = delete;

    QString programDir() const;   // with trailing "/"
    QString databasePath() const; // programDir() + "Pflanzen.mdb"
    ScriptedPrompter &prompter() { return m_prompter; }

    // Changes the database before start(), on a connection of its own (native SQLite).
    void exec(const QString &sql, const QVariantList &params = {});
    // Rows of a native query, on a connection of its own (also after start()).
    std::vector<std::vector<QVariant>> select(const QString &sql, const QVariantList &params = {});
    // Makes the database look like one of an older version.
    void dropColumn(const QString &table, const QString &column);
    // Puts the program's conversion helper for old Access files into the program folder, where
    // the start-up looks for it.
    void installImportHelper();

    // Runs what main() runs up to the event loop and waits until the main window is active.
    // False when the start-up stopped the program (no window exists then).
    bool start();
    bool started() const { return m_started; }
    bool stopped() const { return m_program && m_program->stopped(); }
    // The main window was closed and the program asked to end.
    bool ended() const { return m_ended; }

    Program &program() { return *m_program; }
    AppContext &context() { return m_program->context(); }
    DataTables &tables() { return context().tables; }
    SharedState &state() { return context().state; }
    TPflanzendatenbank *mainWindow() const { return m_program ? m_program->mainWindow() : nullptr; }
    std::vector<AppWindow *> windows() const;

    // The window with this object name, or the control with this name in any window.
    template <class T = QWidget> T *find(const QString &objectName) const
    {
        for (AppWindow *w : windows()) {
            if (w->objectName() == objectName)
                if (T *t = qobject_cast<T *>(w))
                    return t;
            if (T *t = w->findChild<T *>(objectName))
                return t;
        }
        return nullptr;
    }

    // Makes a window the active one and lets the resulting events run; true once it is active.
    bool activate(QWidget *window);
    // Returns to the main window from another one, as closing a dialog does.
    bool returnToMainWindow();

private:
    Options m_options;
    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    std::unique_ptr<Program> m_program;
    bool m_started = false;
    bool m_ended = false;
};

} // namespace vindel::test
