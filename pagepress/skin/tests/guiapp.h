#pragma once
// The QApplication that GUI tests share; created on first use (offscreen platform).

#include <QApplication>

inline QApplication& guiApp()
{
    static int argc = 1;
    static char name[] = "pp_skin_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

// Base of fixtures whose members are widgets: makes sure the application comes first.
struct WithGuiApp {
    WithGuiApp() { guiApp(); }
};

#include <QRegion>

// Regions cover the same pixels (QRegion's == compares representations).
inline bool sameArea(const QRegion& a, const QRegion& b)
{
    return a.xored(b).isEmpty();
}
