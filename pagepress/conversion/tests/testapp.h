#pragma once
// The QApplication the conversion tests share (offscreen platform): created on first use and
// deleted when the tests have run, before static destruction tears down what Qt's input
// devices still refer to.

#include <QApplication>

#include <gtest/gtest.h>

inline QApplication*& testAppPointer()
{
    static QApplication* app = nullptr;
    return app;
}

inline QApplication& testApp()
{
    QApplication*& app = testAppPointer();
    if (!app) {
        static int argc = 1;
        static char name[] = "conversion_tests";
        static char* argv[] = {name, nullptr};
        app = new QApplication(argc, argv);
    }
    return *app;
}

class TestAppEnvironment : public testing::Environment {
public:
    void TearDown() override
    {
        delete testAppPointer();
        testAppPointer() = nullptr;
    }
};

inline testing::Environment* const testAppEnvironment = testing::AddGlobalTestEnvironment(new TestAppEnvironment);
