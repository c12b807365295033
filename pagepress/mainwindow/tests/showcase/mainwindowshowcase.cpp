// mainwindowshowcase: the real main window with the real PDF engine, for screenshots.
//   mainwindowshowcase [--program <folder>] [--documents <folder>] [--save <file.png>]
//                      [--seconds N] [--scene documents|progress|about] [pdf...]
// The context is built as the start builds it for the installation in --program (default
// PP_STAGE_DIR or the current folder), its option store included. The PDFs are added as Add
// File would add them; the first row is selected and its first page previewed. Scenes:
// documents (just that), progress (Convert at 600 dpi; the completion question is answered
// No), about (the about box). With --save the window is grabbed offscreen; otherwise it is
// shown at (120, 90) for N seconds. --documents stands in for the user's documents folder.

#include "pagepress/mainwindow/filelistview.h"
#include "pagepress/mainwindow/optionspanel.h"
#include "pagepress/mainwindow/tconverterform1.h"
#include "pagepress/module/applicationstart.h"
#include "platform/dynamiclibrary.h"
#include "uikit/action.h"
#include "uikit/actionlist.h"
#include "uikit/scriptedmessageservice.h"
#include "uikit/scriptedservices.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);

    QString savePath;
    QString documents = QDir::tempPath() + QStringLiteral("/mainwindowshowcase-documents");
    QString program = qEnvironmentVariable("PP_STAGE_DIR", QDir::currentPath());
    QString scene = QStringLiteral("documents");
    int seconds = 8;
    QStringList pdfs;
    const QStringList arguments = application.arguments();
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--save") && hasValue)
            savePath = arguments[++i];
        else if (argument == QLatin1String("--seconds") && hasValue)
            seconds = arguments[++i].toInt();
        else if (argument == QLatin1String("--documents") && hasValue)
            documents = arguments[++i];
        else if (argument == QLatin1String("--program") && hasValue)
            program = arguments[++i];
        else if (argument == QLatin1String("--scene") && hasValue)
            scene = arguments[++i];
        else
            pdfs.append(QFileInfo(argument).absoluteFilePath());
    }

    const QString exeDir = QDir(program).absolutePath() + QLatin1Char('/');
    const QStringList titles = QDir(exeDir + QStringLiteral("sys/soft")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    const QString title = titles.isEmpty() ? QStringLiteral("Brenlow PDF to Flash Converter") : titles[0];
    platform::LibraryHandle optionStore =
        platform::loadLibrary((exeDir + QStringLiteral("PlugDll/optionstore.so")).toStdString());
    MuiContext context = makeMuiContext(exeDir, title, QString());
    SetMuiContext(&context);
    context.Version = readProductVersion(context.ResourceDir + QStringLiteral("config.xml"));
    context.HomePageLink = QString::fromUtf8(HomePageAddress);
    context.SupportLink = QString::fromUtf8(SupportAddress);
    context.CopyrightLine = QString::fromUtf8(CopyrightText);

    uikit::ScriptedShellService shell;
    shell.setDocumentsFolder(documents);
    uikit::Shell::Installer shellInstaller(shell);
    // Only the end of a conversion asks; the answer No keeps the shell out of it.
    uikit::ScriptedMessageService messages;
    messages.setDefaultAnswer(uikit::MessageAnswer::No);
    uikit::ScriptedMessageService::Installer messagesInstaller(messages);

    int result = 0;
    {
        TConverterForm1 window;
        window.move(120, 90);
        window.show();
        window.AddFiles(pdfs, ReportFailures::Yes);
        const MainWindowActions& actions = window.actions();
        if (window.TntLV()->rowCount() > 0) {
            window.TntLV()->setFocusedRow(0);
            window.TntLV()->setRowSelected(0, true);
            window.TntActionList1()->updateActions();
            actions.NextPageAct->execute();
        }
        if (scene == QLatin1String("progress")) {
            // A high resolution keeps the converter busy long enough to be seen at work.
            window.options()->edtResolution()->setText(QStringLiteral("600"));
            QTimer::singleShot(500, &window, [&] {
                window.TntActionList1()->updateActions();
                actions.ConvertAct->execute();
            });
        } else if (scene == QLatin1String("about")) {
            QTimer::singleShot(500, &window, [&] { actions.AboutAct->execute(); });
        }
        if (!savePath.isEmpty()) {
            QApplication::processEvents();
            window.TntActionList1()->updateActions();
            const bool saved = window.grab().save(savePath);
            std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(savePath));
            result = saved ? 0 : 1;
        } else {
            // Ends even inside a modal loop or with a conversion at work: the pictures are taken.
            QTimer::singleShot(seconds * 1000, &application, [] { std::_Exit(0); });
            result = application.exec();
        }
    }
    SetMuiContext(nullptr);
    platform::unloadLibrary(optionStore);
    return result;
}
