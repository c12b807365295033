#include "pagepress/module/applicationstart.h"

#include "platform/dynamiclibrary.h"
#include "uikit/scriptedmessageservice.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include <fstream>
#include <stdexcept>
#include <thread>

namespace {

const char* const Title = "Brenlow PDF to Flash Converter";

// Loads the real option-store plug-in for the length of a test.
class OptionStorePlugin {
public:
    OptionStorePlugin() { m_handle = platform::loadLibrary(OPTIONSTORE_PLUGIN); }
    ~OptionStorePlugin() { platform::unloadLibrary(m_handle); }
    bool isLoaded() const { return m_handle != nullptr; }

private:
    platform::LibraryHandle m_handle = nullptr;
};

TEST(ApplicationStart, ContextFoldersFollowTheExecutableFolderAndTitle)
{
    const MuiContext context = makeMuiContext("/opt/App/", Title, "link text");
    EXPECT_EQ(context.ExeDir, "/opt/App/");
    EXPECT_EQ(context.ResourceDir, "/opt/App/sys/soft/Brenlow PDF to Flash Converter/");
    EXPECT_EQ(context.Company, "Brenlow Studio");
    EXPECT_EQ(context.Title, Title);
    EXPECT_EQ(context.Link, "link text");
    EXPECT_TRUE(context.Version.isEmpty());
}

TEST(ApplicationStart, VersionComesFromTheInstalledConfigThroughTheOptionStore)
{
    EXPECT_TRUE(readProductVersion(STAGED_CONFIG).isEmpty()) << "no option store loaded yet";

    OptionStorePlugin plugin;
    ASSERT_TRUE(plugin.isLoaded());
    EXPECT_EQ(readProductVersion(STAGED_CONFIG), PROJECT_VERSION_TEXT);

    const std::string emptyVersion = testing::TempDir() + "empty-version.xml";
    std::ofstream(emptyVersion) << "<product><version></version></product>";
    EXPECT_TRUE(readProductVersion(QString::fromStdString(emptyVersion)).isEmpty());
    EXPECT_TRUE(readProductVersion("/nonexistent/config.xml").isEmpty());
}

TEST(ApplicationStart, RunPublishesTheContextToEveryThreadUntilTheMainFormCloses)
{
    OptionStorePlugin plugin;
    MuiContext* seenOnMain = nullptr;
    MuiContext* seenOnWorker = nullptr;
    QString version;
    const bool result = runApplication(nullptr, Title, "l", [&] {
        seenOnMain = GetMuiContext();
        std::thread([&] { seenOnWorker = GetMuiContext(); }).join();
        version = seenOnMain ? seenOnMain->Version : QString();
        auto form = std::make_unique<QWidget>();
        QTimer::singleShot(0, form.get(), &QWidget::close);
        return form;
    });
    EXPECT_TRUE(result);
    ASSERT_NE(seenOnMain, nullptr);
    EXPECT_EQ(seenOnWorker, seenOnMain);
    EXPECT_EQ(GetMuiContext(), nullptr) << "the context ends with the run";
}

TEST(ApplicationStart, ExceptionsDuringStartAreShownAndRunStillReturnsTrue)
{
    uikit::ScriptedMessageService messages;
    uikit::ScriptedMessageService::Installer installed(messages);

    EXPECT_TRUE(runApplication(nullptr, Title, "", []() -> std::unique_ptr<QWidget> {
        throw std::runtime_error("the main window could not be built");
    }));
    EXPECT_TRUE(runApplication(nullptr, Title, "", []() -> std::unique_ptr<QWidget> { throw 42; }));

    ASSERT_EQ(messages.calls().size(), 2);
    EXPECT_EQ(messages.calls()[0].text, "the main window could not be built");
    EXPECT_EQ(messages.calls()[0].caption, Title);
    EXPECT_EQ(messages.calls()[0].icon, uikit::MessageIcon::Critical);
    EXPECT_EQ(messages.calls()[1].text, "");
    EXPECT_EQ(GetMuiContext(), nullptr);
}

} // namespace
