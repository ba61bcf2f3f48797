// Writes a new, empty plant database: vindel-newdb <path>
#include "data/DatabaseError.h"
#include "data/NewDatabase.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "Aufruf: vindel-newdb <Pfad zur neuen Pflanzen.mdb>\n");
        return 2;
    }
    try {
        vindel::createDatabase(args[1]);
    } catch (const vindel::DatabaseError &e) {
        std::fprintf(stderr, "%s\n", e.message().toUtf8().constData());
        return 1;
    }
    return 0;
}
