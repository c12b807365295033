#pragma once
// The real main window in a program folder of the test's own, with every user-facing
// service scripted: message boxes, file chooser, folder browser and shell. The folder holds
// the installed pictures (Skins/about.bmp, Skins/progress.bmp) copied from the staged tree.

#include "uikit/testing/guiapp.h"
#include "uikit/testing/scriptedservices.h"
#include "pagepress/documents/itemlist.h"
#include "pagepress/mainwindow/filelistview.h"
#include "pagepress/mainwindow/optionspanel.h"
#include "pagepress/mainwindow/previewbox.h"
#include "pagepress/mainwindow/tconverterform1.h"
#include "pagepress/module/muicontext.h"
#include "uikit/action.h"
#include "uikit/actionlist.h"
#include "uikit/scriptedmessageservice.h"
#include "uikit/scriptedservices.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

inline QString fixturePdf(const char* name)
{
    return qEnvironmentVariable("PP_FIXTURES_DIR") + "/" + name;
}

// The staged resource folder (there is one title below sys/soft).
inline QString stagedResourceDir()
{
    const QString soft = qEnvironmentVariable("PP_STAGE_DIR") + "/sys/soft/";
    const QStringList titles = QDir(soft).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return titles.isEmpty() ? QString() : soft + titles[0] + "/";
}

// Records every top-level form of type T shown while it is installed, and lets the test act
// on it as it appears.
template <typename T>
class ShownForms : public QObject {
public:
    ShownForms() { QApplication::instance()->installEventFilter(this); }
    ~ShownForms() override { QApplication::instance()->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* form = qobject_cast<T*>(watched); form && !seen.contains(form)) {
                seen.append(form);
                if (onShow)
                    onShow(*form);
            }
        return false;
    }
    QList<T*> seen;
    std::function<void(T&)> onShow;
};

class WindowTest : public testing::Test {
protected:
    WindowTest()
    {
        guiApp();
        m_context.ExeDir = m_root.path() + "/";
        m_context.Title = "Test Converter";
        m_context.Company = "Test Company";
        m_context.ResourceDir = m_context.ExeDir + "sys/soft/Test Converter/";
        m_context.Version = "3.1.4";
        m_context.HomePageLink = "https://home.example/converter";
        m_context.SupportLink = "https://support.example/ask";
        m_context.CopyrightLine = "Copyright (C) Test Company";
        const QString skins = m_context.ResourceDir + "Skins/";
        QDir().mkpath(skins);
        for (const char* picture : {"about.bmp", "progress.bmp"})
            QFile::copy(stagedResourceDir() + "Skins/" + picture, skins + picture);
        SetMuiContext(&m_context);
        m_shell.setDocumentsFolder(m_root.path() + "/Documents");
    }
    ~WindowTest() override
    {
        m_window.reset();
        SetMuiContext(nullptr);
        EXPECT_TRUE(ItemList.empty()) << "the window takes its records with it";
        ClearItemInfos();
    }

    TConverterForm1& window()
    {
        if (!m_window)
            m_window = std::make_unique<TConverterForm1>();
        return *m_window;
    }
    FileListView& list() { return *window().TntLV(); }
    OptionsPanel& options() { return *window().options(); }
    PreviewBox& preview() { return *window().preview(); }
    const MainWindowActions& actions() { return window().actions(); }
    bool enabled(uikit::Action* action)
    {
        window().TntActionList1()->updateActions();
        return action->isEnabled();
    }
    // Runs the action the way its control does: only when its rule enables it.
    bool run(uikit::Action* action)
    {
        window().TntActionList1()->updateActions();
        return action->execute();
    }
    void selectOnly(int row)
    {
        list().clearSelection();
        list().setFocusedRow(row);
        list().setRowSelected(row, true);
    }

    QTemporaryDir m_root;
    MuiContext m_context;
    uikit::InstalledScriptedServices m_services;
    uikit::ScriptedMessageService& m_messages = m_services.messages;
    uikit::ScriptedOpenFileService& m_openFiles = m_services.openFiles;
    uikit::ScriptedFolderBrowserService& m_folders = m_services.folders;
    uikit::ScriptedShellService& m_shell = m_services.shell;
    std::unique_ptr<TConverterForm1> m_window;
};
