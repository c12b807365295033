#pragma once
// The QApplication that GUI tests of every folder share; created on first use (offscreen
// platform), deleted when the tests have run.

#include <QApplication>

#include <gtest/gtest.h>

inline QApplication*& guiAppPointer()
{
    static QApplication* app = nullptr;
    return app;
}

inline QApplication& guiApp()
{
    QApplication*& app = guiAppPointer();
    if (!app) {
        static int argc = 1;
        static char name[] = "gui_tests";
        static char* argv[] = {name, nullptr};
        app = new QApplication(argc, argv);
    }
    return *app;
}

// The application goes before the process exits: Qt's input devices must not outlive
// the registries that static destruction tears down first.
class GuiAppEnvironment : public testing::Environment {
public:
    void TearDown() override
    {
        delete guiAppPointer();
        guiAppPointer() = nullptr;
    }
};

inline testing::Environment* const guiAppEnvironment = testing::AddGlobalTestEnvironment(new GuiAppEnvironment);

// Base of fixtures whose members are widgets: makes sure the application comes first.
struct WithGuiApp {
    WithGuiApp() { guiApp(); }
};
