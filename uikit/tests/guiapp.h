#pragma once
// The QApplication that GUI tests share; created on first use (offscreen platform).

#include <QApplication>

inline QApplication& guiApp()
{
    static int argc = 1;
    static char name[] = "uikit_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}
