// mainwindowshowcase: the real main window with the real PDF engine, for screenshots.
//   mainwindowshowcase [--documents <folder>] [--save <file.png>] [--seconds N] [pdf...]
// The PDFs are added as Add File would add them; the adding dialog closes by itself. With
// --save the window is grabbed offscreen; otherwise it is shown at (120, 90) for N seconds.
// --documents stands in for the user's documents folder (the default output folder).

#include "pagepress/mainwindow/filelistview.h"
#include "pagepress/mainwindow/tconverterform1.h"
#include "pagepress/module/muicontext.h"
#include "uikit/actionlist.h"
#include "uikit/scriptedservices.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);

    QString savePath;
    QString documents = QDir::tempPath() + QStringLiteral("/mainwindowshowcase-documents");
    int seconds = 8;
    QStringList pdfs;
    const QStringList arguments = application.arguments();
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--save") && i + 1 < arguments.size())
            savePath = arguments[++i];
        else if (arguments[i] == QLatin1String("--seconds") && i + 1 < arguments.size())
            seconds = arguments[++i].toInt();
        else if (arguments[i] == QLatin1String("--documents") && i + 1 < arguments.size())
            documents = arguments[++i];
        else
            pdfs.append(QFileInfo(arguments[i]).absoluteFilePath());
    }

    const QString stage = qEnvironmentVariable("PP_STAGE_DIR", QDir::currentPath());
    MuiContext context;
    context.ExeDir = QDir(stage).absolutePath() + QLatin1Char('/');
    context.Title = QStringLiteral("Brenlow PDF to Flash Converter");
    context.Company = QStringLiteral("Brenlow Studio");
    context.ResourceDir = context.ExeDir + QStringLiteral("sys/soft/") + context.Title + QLatin1Char('/');
    SetMuiContext(&context);

    uikit::ScriptedShellService shell;
    shell.setDocumentsFolder(documents);
    uikit::Shell::Installer shellInstaller(shell);

    int result = 0;
    {
        TConverterForm1 window;
        window.move(120, 90);
        window.show();
        window.AddFiles(pdfs, ReportFailures::Yes);
        if (window.TntLV()->rowCount() > 0) {
            window.TntLV()->setFocusedRow(0);
            window.TntLV()->setRowSelected(0, true);
        }
        if (!savePath.isEmpty()) {
            QApplication::processEvents();
            window.TntActionList1()->updateActions();
            const bool saved = window.grab().save(savePath);
            std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(savePath));
            result = saved ? 0 : 1;
        } else {
            QTimer::singleShot(seconds * 1000, &window, &QWidget::close);
            result = application.exec();
        }
    }
    SetMuiContext(nullptr);
    return result;
}
