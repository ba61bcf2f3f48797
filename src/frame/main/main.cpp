#include "app/Application.h"
#include "app/QtPrompter.h"
#include "frame/Program.h"
#include "frame/ProgramFolder.h"

int main(int argc, char *argv[])
{
    vindel::Application app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    vindel::QtPrompter prompter;
    const vindel::ProgramFolder folder = vindel::ProgramFolder::forRunningProgram();
    vindel::Program program(prompter, folder.path);
    program.context().offerNewDatabase = folder.installed;
    program.onEnded = [] { QCoreApplication::quit(); };
    if (!program.start())
        return 1;
    return app.exec();
}
