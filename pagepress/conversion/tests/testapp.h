#pragma once
// The QApplication the conversion tests share (offscreen platform), created on first use.

#include <QApplication>

inline QApplication& testApp()
{
    static int argc = 1;
    static char name[] = "conversion_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}
