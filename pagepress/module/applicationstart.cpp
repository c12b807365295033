#include "pagepress/module/applicationstart.h"

#include "optionstore/ioptionstore.h"
#include "pagepress/module/appicon.h"
#include "platform/filesystem.h"
#include "platform/terminationsignals.h"
#include "plug/moduleregistry.h"
#include "uikit/messageservice.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QSocketNotifier>

#include <cstdio>
#include <exception>

const char* const CompanyName = "Brenlow Studio";
const char* const HomePageAddress = "https://brenlow.example/pdf-to-flash/";
const char* const SupportAddress = "https://brenlow.example/support/";
const char* const CopyrightText = "Copyright (C) 2026 Brenlow Studio. All rights reserved.";

namespace {

QIcon iconFrom(const AppIcon* icon)
{
    QIcon result;
    if (!icon)
        return result;
    for (std::size_t i = 0; i < icon->count; ++i) {
        QPixmap pixmap;
        if (pixmap.loadFromData(icon->images[i].png, static_cast<uint>(icon->images[i].size), "PNG"))
            result.addPixmap(pixmap);
    }
    return result;
}

// Ends the event loop cleanly on SIGTERM/SIGINT/SIGHUP, so plug-ins unload and the
// registry object is removed even when the session ends under the program.
class TerminationWatcher {
public:
    explicit TerminationWatcher(QWidget* mainForm)
    {
        int descriptor = platform::installTerminationSignals();
        if (descriptor < 0)
            return;
        m_notifier = std::make_unique<QSocketNotifier>(descriptor, QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, mainForm, [mainForm] {
            platform::drainTerminationSignals();
            mainForm->close();
            QCoreApplication::quit();
        });
    }
    ~TerminationWatcher()
    {
        m_notifier.reset();
        platform::removeTerminationSignals();
    }

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
};

void showStartupException(const QString& message, const QString& title)
{
    uikit::messageService().show(nullptr, message, title, uikit::MessageButtons::Ok,
                                 uikit::MessageIcon::Critical);
}

} // namespace

MuiContext makeMuiContext(const QString& exeDir, const QString& title, const QString& link)
{
    MuiContext context;
    context.ExeDir = exeDir;
    context.ResourceDir = exeDir + "sys/soft/" + title + "/";
    context.Company = QString::fromUtf8(CompanyName);
    context.Title = title;
    context.Link = link;
    return context;
}

QString readProductVersion(const QString& configPath)
{
    I_OptionStore* store = Plug::CreateModuleAs<I_OptionStore>("SaveOptionXml");
    if (!store) {
        std::fprintf(stderr, "pagepress: the option store \"SaveOptionXml\" is not available; "
                             "the version stays empty\n");
        return {};
    }
    store->LoadFile(configPath.toUtf8().constData());
    QString version = QString::fromUtf8(store->GetValue("product\\version"));
    store->Release();
    return version;
}

bool runApplication(const AppIcon* icon, const char* title, const char* link,
                    const MainFormFactory& createMainForm)
{
    // The application object lives inside the plug-in; Qt keeps references to argc/argv.
    static int argc = 1;
    static char programName[] = "launcher";
    static char* argv[] = {programName, nullptr};

    const QString titleText = QString::fromUtf8(title ? title : "");
    auto context = std::make_unique<MuiContext>();
    std::unique_ptr<QApplication> application;
    try {
        application = std::make_unique<QApplication>(argc, argv);
        QApplication::setWindowIcon(iconFrom(icon));

        *context = makeMuiContext(QString::fromStdString(platform::executableFolder()), titleText,
                                  QString::fromUtf8(link ? link : ""));
        SetMuiContext(context.get());
        context->Version = readProductVersion(context->ResourceDir + "config.xml");
        context->HomePageLink = QString::fromUtf8(HomePageAddress);
        context->SupportLink = QString::fromUtf8(SupportAddress);
        context->CopyrightLine = QString::fromUtf8(CopyrightText);

        QApplication::setApplicationName(titleText);
        QApplication::setApplicationDisplayName(titleText);

        std::unique_ptr<QWidget> mainForm = createMainForm();
        mainForm->setWindowTitle(titleText);
        TerminationWatcher watcher(mainForm.get());
        mainForm->show();
        application->exec();
    } catch (const std::exception& error) {
        if (application)
            showStartupException(QString::fromUtf8(error.what()), titleText);
    } catch (...) {
        if (application)
            showStartupException(QString(), titleText);
    }
    SetMuiContext(nullptr);
    return true;
}
