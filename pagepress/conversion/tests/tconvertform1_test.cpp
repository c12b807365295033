#include "pagepress/conversion/tconvertform1.h"

#include "faketoolfolder.h"
#include "uikit/testing/guiapp.h"
#include "pagepress/documents/itemlist.h"
#include "pagepress/skin/tskinprocess.h"
#include "pagepress/skin/tssskinbutton.h"
#include "uikit/scriptedmessageservice.h"
#include "uikit/scriptedservices.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <functional>

namespace {

const QString stopQuestion = "Are your sure to stop the conversion?";
const QString stoppedQuestion = "Conversion stoped. Open the swf folder?";
const QString completedQuestion = "Conversion is completed. Open the swf folder?";

class ConvertFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        guiApp();
        QDir().mkpath(folder.path() + "sys/soft/Test/Skins");
        QImage fill(40, 22, QImage::Format_RGB32);
        fill.fill(Qt::blue);
        ASSERT_TRUE(fill.save(folder.path() + "sys/soft/Test/Skins/progress.bmp", "BMP"));
    }
    void TearDown() override { ClearItemInfos(); }

    static void addDocument(const QString& name, int pageCount, bool checked = true)
    {
        TItemInfo* item = NewItemInfo();
        item->name = name;
        item->path = "/docs/" + name;
        item->pageCount = pageCount;
        item->checked = checked ? 1 : 0;
    }

    // Lets the tool go past its "await go" line.
    void releaseTool() { QFile(folder.path() + "go").open(QIODevice::WriteOnly); }

    // Runs the dialog modally; `during` runs once the loop is up. A dialog that does not
    // close by itself is a failure, ended by the watchdog rather than left hanging.
    uikit::ModalResult runDialog(TConvertForm1& dialog, std::function<void()> during = {})
    {
        if (during)
            QTimer::singleShot(0, &dialog, during);
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, &dialog, [&] {
            ADD_FAILURE() << "the dialog did not close";
            dialog.thread().Stopped = true;
            dialog.thread().StopTool();
            dialog.setModalResult(uikit::ModalResult::Abort);
        });
        watchdog.start(20000);
        return dialog.showModal();
    }

    static void click(QWidget* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() / 2, button->height() / 2));
    }

    FakeToolFolder folder;
    const QString outputFolder = "/out put/swf";
    uikit::ScriptedMessageService messages;
    uikit::ScriptedMessageService::Installer installMessages{messages};
    uikit::ScriptedShellService shell;
    uikit::Shell::Installer installShell{shell};
};

TEST_F(ConvertFormTest, NoCheckedDocumentEndsAtOnceWithTheCompletionQuestion)
{
    addDocument("a.pdf", 3, false);
    messages.queueAnswer(uikit::MessageAnswer::Yes);
    TConvertForm1 dialog(nullptr, outputFolder);
    EXPECT_EQ(runDialog(dialog), uikit::ModalResult::Ok);

    ASSERT_EQ(messages.calls().size(), 1);
    const auto& call = messages.calls()[0];
    EXPECT_EQ(call.text, completedQuestion);
    EXPECT_EQ(call.caption, "Test");
    EXPECT_EQ(call.buttons, uikit::MessageButtons::YesNo);
    EXPECT_EQ(call.icon, uikit::MessageIcon::None);
    EXPECT_EQ(shell.opened(), QStringList{outputFolder});
    EXPECT_TRUE(folder.runs().empty());
}

TEST_F(ConvertFormTest, TheTimerShowsNothingBeforeTheFirstDocument)
{
    // Not shown, so the worker has not started and there is no page total yet.
    TConvertForm1 dialog(nullptr, outputFolder);
    QTest::qWait(400);
    EXPECT_EQ(dialog.pageLabel()->text(), "Converting Page 0.");
    EXPECT_EQ(dialog.progressBar()->Image2()->width(), 0);
    EXPECT_EQ(dialog.fileLabel()->text(), "");
}

TEST_F(ConvertFormTest, ShowsTheDocumentAndItsPageProgress)
{
    folder.setScript({"print page 2\\n", "drain", "print page 3\\n", "drain", "await go", "exit 0"});
    addDocument("report.pdf", 4);
    TConvertForm1 dialog(nullptr, outputFolder);
    EXPECT_EQ(runDialog(dialog,
                        [&] {
                            QTRY_COMPARE_WITH_TIMEOUT(dialog.pageLabel()->text(), QString("Converting Page 3."), 5000);
                            EXPECT_EQ(dialog.fileLabel()->text(), "Converting report.pdf.");
                            // Two page changes of four pages: half of the 411 pixel track.
                            EXPECT_EQ(dialog.progressBar()->Image2()->width(), 205);
                            releaseTool();
                        }),
              uikit::ModalResult::Ok);
    EXPECT_EQ(messages.texts(), QStringList{completedQuestion});
    EXPECT_TRUE(shell.opened().isEmpty());
}

TEST_F(ConvertFormTest, AnsweringNoLetsTheConversionGoOn)
{
    folder.setScript({"print page 2\\n", "drain", "await go", "print page 3\\n", "exit 0"});
    addDocument("report.pdf", 4);
    TConvertForm1 dialog(nullptr, outputFolder);
    messages.setOnShow([&](const uikit::ScriptedMessageService::Call& call) {
        if (call.text == stopQuestion) {
            EXPECT_TRUE(dialog.thread().Paused);
            EXPECT_EQ(call.owner, &dialog);
            EXPECT_EQ(call.caption, "Convert");
            EXPECT_EQ(call.icon, uikit::MessageIcon::Information);
        }
    });
    messages.queueAnswer(uikit::MessageAnswer::No);
    EXPECT_EQ(runDialog(dialog,
                        [&] {
                            QTRY_COMPARE_WITH_TIMEOUT(dialog.currentPage(), 2, 5000);
                            click(dialog.stopButton());
                            QTRY_COMPARE_WITH_TIMEOUT(messages.calls().size(), 1, 5000);
                            EXPECT_FALSE(dialog.thread().Paused);
                            releaseTool();
                        }),
              uikit::ModalResult::Ok);
    EXPECT_EQ(messages.texts(), (QStringList{stopQuestion, completedQuestion}));
    EXPECT_EQ(dialog.currentPage(), 3);
    EXPECT_EQ(folder.runs().size(), 1u);
}

TEST_F(ConvertFormTest, StopButtonCloseMarkAndCloseCommandStopTheTool)
{
    struct Case {
        const char* how;
        std::function<void(TConvertForm1&)> ask;
        uikit::MessageAnswer openFolder;
    };
    const Case cases[] = {
        {"Stop button", [](TConvertForm1& d) { click(d.stopButton()); }, uikit::MessageAnswer::Yes},
        {"close mark", [](TConvertForm1& d) { click(d.closeButton()); }, uikit::MessageAnswer::No},
        {"close command", [](TConvertForm1& d) { d.close(); }, uikit::MessageAnswer::No},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        FakeToolFolder caseFolder;
        QDir().mkpath(caseFolder.path() + "sys/soft/Test/Skins");
        QFile::copy(folder.path() + "sys/soft/Test/Skins/progress.bmp",
                    caseFolder.path() + "sys/soft/Test/Skins/progress.bmp");
        caseFolder.setScript({"print page 2\\n", "hang"});
        addDocument("first.pdf", 4);
        addDocument("second.pdf", 4);
        messages.clear();
        messages.queueAnswer(uikit::MessageAnswer::Yes);
        messages.queueAnswer(c.openFolder);
        const qsizetype openedBefore = shell.opened().size();

        TConvertForm1 dialog(nullptr, outputFolder);
        EXPECT_EQ(runDialog(dialog,
                            [&] {
                                QTRY_COMPARE_WITH_TIMEOUT(dialog.currentPage(), 2, 5000);
                                c.ask(dialog);
                            }),
                  uikit::ModalResult::Cancel);

        EXPECT_TRUE(dialog.thread().isFinished());
        EXPECT_EQ(messages.texts(), (QStringList{stopQuestion, stoppedQuestion}));
        EXPECT_EQ(messages.calls().value(1).caption, "Test");
        const std::vector<FakeToolRun> runs = caseFolder.runs();
        ASSERT_EQ(runs.size(), 1u) << "no further document may start";
        EXPECT_NE(kill(runs[0].pid, 0), 0) << "the tool must be gone";
        EXPECT_EQ(errno, ESRCH);
        EXPECT_EQ(shell.opened().size() - openedBefore, c.openFolder == uikit::MessageAnswer::Yes ? 1 : 0);
        ClearItemInfos();
    }
}

TEST_F(ConvertFormTest, AWorkerEndingDuringTheStopQuestionStillLetsTheDialogClose)
{
    folder.setScript({"print page 2\\n", "await go", "exit 0"});
    addDocument("report.pdf", 4);
    TConvertForm1 dialog(nullptr, outputFolder);
    messages.setOnShow([&](const uikit::ScriptedMessageService::Call& call) {
        if (call.text != stopQuestion)
            return;
        // While the user reads the question the tool finishes and the worker ends.
        releaseTool();
        QTRY_VERIFY_WITH_TIMEOUT(dialog.thread().isFinished(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 5000);
    });
    messages.queueAnswer(uikit::MessageAnswer::No);
    EXPECT_EQ(runDialog(dialog,
                        [&] {
                            QTRY_COMPARE_WITH_TIMEOUT(dialog.currentPage(), 2, 5000);
                            click(dialog.stopButton());
                        }),
              uikit::ModalResult::Ok);
    EXPECT_EQ(messages.texts(), (QStringList{stopQuestion, completedQuestion}));
}

TEST_F(ConvertFormTest, WorkerErrorsAreShownBeforeTheCompletionQuestion)
{
    QFile::remove(folder.toolPath());
    addDocument("first.pdf", 2);
    addDocument("second.pdf", 2);
    TConvertForm1 dialog(nullptr, outputFolder);
    EXPECT_EQ(runDialog(dialog), uikit::ModalResult::Ok);
    EXPECT_EQ(messages.texts(),
              (QStringList{"Error on CreateProcess()", "Error on CreateProcess()", completedQuestion}));
    EXPECT_EQ(dialog.fileLabel()->text(), "Converting second.pdf.");
}

TEST_F(ConvertFormTest, AMissingFillPictureFailsBeforeAnythingStarts)
{
    QFile::remove(folder.path() + "sys/soft/Test/Skins/progress.bmp");
    addDocument("a.pdf", 2);
    EXPECT_THROW(TConvertForm1(nullptr, outputFolder), std::runtime_error);
    QTest::qWait(50);
    EXPECT_TRUE(folder.runs().empty());
    EXPECT_EQ(CurrentConvertThread.load(), nullptr);
}

} // namespace
