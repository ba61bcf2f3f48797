#include "frame/Program.h"

#include "frame/TPflanzendatenbank.h"
#include "frame/WindowFactory.h"
#include "reports/ReportOpeners.h"

#include <QCoreApplication>

namespace vindel {

Program::Program(Prompter &prompter, const QString &programDir) : m_context(prompter, programDir) {}

Program::~Program()
{
    // Later windows first: they may refer to the main window's objects.
    while (!m_windows.empty())
        m_windows.pop_back();
    m_context.tables.closeAll();
}

bool Program::start()
{
    m_windows = WindowFactory::createAll(m_context);
    m_context.reports = &m_context.service<ReportOpeners>();
    if (m_windows.empty()) {
        m_stopped = true;
        return false;
    }
    TPflanzendatenbank *main = mainWindow();
    QObject::connect(main, &TPflanzendatenbank::programEnded, main, [this] {
        if (m_ended)
            return;
        m_ended = true;
        if (onEnded)
            onEnded();
    });
    main->show();
    main->activateWindow();
    return true;
}

TPflanzendatenbank *Program::mainWindow() const
{
    return m_windows.empty() ? nullptr : static_cast<TPflanzendatenbank *>(m_windows.front().get());
}

std::vector<AppWindow *> Program::windows() const
{
    std::vector<AppWindow *> all;
    for (const auto &w : m_windows)
        all.push_back(w.get());
    return all;
}


} // namespace vindel
