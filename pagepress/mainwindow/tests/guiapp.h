#pragma once
// The QApplication that these GUI tests share: created on first use (offscreen platform) and
// deleted after the last test, before static destruction tears Qt's registries down.

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
        static char name[] = "mainwindow_tests";
        static char* argv[] = {name, nullptr};
        app = new QApplication(argc, argv);
    }
    return *app;
}

class GuiAppEnvironment : public testing::Environment {
public:
    void TearDown() override
    {
        delete guiAppPointer();
        guiAppPointer() = nullptr;
    }
};

inline testing::Environment* const guiAppEnvironment = testing::AddGlobalTestEnvironment(new GuiAppEnvironment);
