#include "app/Application.h"
#include "app/QtPrompter.h"
#include "frame/Program.h"

int main(int argc, char *argv[])
{
    vindel::Application app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    vindel::QtPrompter prompter;
    vindel::Program program(prompter, vindel::Program::executableDir());
    program.onEnded = [] { QCoreApplication::quit(); };
    if (!program.start())
        return 1;
    return app.exec();
}
