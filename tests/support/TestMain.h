#pragma once

#include "app/Application.h"

#include <QTest>

// Like QTEST_MAIN, with the program's application object, so that tests see the program's
// handling of database errors that escape an event handler.
#define VINDEL_TEST_MAIN(TestObject)                                                                        \
    int main(int argc, char *argv[])                                                                        \
    {                                                                                                       \
        vindel::Application app(argc, argv);                                                                \
        app.setQuitOnLastWindowClosed(false);                                                               \
        TestObject test;                                                                                    \
        QTEST_SET_MAIN_SOURCE_PATH                                                                          \
        return QTest::qExec(&test, argc, argv);                                                             \
    }
