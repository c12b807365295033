#include "pagepress/conversion/convertthread.h"

#include "exhausteddescriptors.h"
#include "faketoolfolder.h"
#include "uikit/testing/guiapp.h"
#include "pagepress/conversion/conversionview.h"
#include "pagepress/documents/itemlist.h"
#include "uikit/scriptedmessageservice.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Records what the worker tells its view, and on which thread.
class RecordingView final : public ConversionView {
public:
    struct Document {
        QString name;
        int pageTotal;
    };

    void StartDocument(const QString& name, int pageTotal) override
    {
        EXPECT_EQ(QThread::currentThread(), guiApp().thread());
        documents.push_back({name, pageTotal});
    }
    void PageSeen(int page) override
    {
        std::lock_guard lock(mutex);
        seen.push_back(page);
    }
    void ConversionEnded() override { ended = true; }

    std::vector<int> pages()
    {
        std::lock_guard lock(mutex);
        return seen;
    }

    std::vector<Document> documents;
    std::atomic<bool> ended{false};

private:
    std::mutex mutex;
    std::vector<int> seen;
};

class ConvertThreadTest : public ::testing::Test {
protected:
    void SetUp() override { guiApp(); }
    void TearDown() override { ClearItemInfos(); }

    static TItemInfo* addDocument(const QString& name, int pageCount, int outputType = 0, const QString& range = {})
    {
        TItemInfo* item = NewItemInfo();
        item->name = name;
        item->path = "/docs/" + name;
        item->pageCount = pageCount;
        item->outputType = outputType;
        item->checked = 1;
        if (!range.isEmpty()) {
            item->pageMode = 2;
            item->pageRange = range;
        }
        return item;
    }

    uikit::ScriptedMessageService messages;
    uikit::ScriptedMessageService::Installer installMessages{messages};
};

TEST_F(ConvertThreadTest, RunsTheToolOncePerCheckedDocumentWithAllItsRanges)
{
    FakeToolFolder folder;
    addDocument("ranges.pdf", 10, 0, "1-3,5-7,1-3");
    addDocument("unchecked.pdf", 4)->checked = 0;
    addDocument("all.pages.pdf", 4, 1);

    RecordingView view;
    ConvertThread thread(&view);
    thread.OutputFolder = "/out";
    thread.Start();
    thread.WaitFor();

    ASSERT_EQ(view.documents.size(), 2u);
    EXPECT_EQ(view.documents[0].name, "ranges.pdf");
    EXPECT_EQ(view.documents[0].pageTotal, 6) << "a duplicate range counts once";
    EXPECT_EQ(view.documents[1].name, "all.pages.pdf");
    EXPECT_EQ(view.documents[1].pageTotal, 4);
    EXPECT_TRUE(view.ended);
    EXPECT_TRUE(messages.calls().isEmpty());

    const std::vector<FakeToolRun> runs = folder.runs();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].program, folder.toolPath());
    EXPECT_EQ(runs[0].arguments,
              (QStringList{"/docs/ranges.pdf", "-o", "/out/ranges.swf", "-s", "poly2bitmap", "-s",
                           "languagedir=" + folder.path() + "RC2", "-p", "1-3,5-7", "-s", "zoom=72", "-s",
                           "framerate=2"}));
    EXPECT_EQ(runs[1].arguments.mid(0, 3), (QStringList{"/docs/all.pages.pdf", "-o", "/out/all.pages.swf"}));
    EXPECT_EQ(runs[1].arguments.mid(7), (QStringList{"-s", "simpleviewer", "-t", "-p", "1-4", "-s", "zoom=72"}));
}

TEST_F(ConvertThreadTest, DocumentsWithNothingToRunAreSkippedSilently)
{
    FakeToolFolder folder;
    addDocument("no-pages.pdf", 3)->pageMode = 1;
    ItemList.back()->currentPage = 0;
    addDocument("bad-range.pdf", 3, 0, "7-9");
    addDocument("unknown-type.pdf", 3, 5);

    RecordingView view;
    ConvertThread thread(&view);
    thread.Start();
    thread.WaitFor();

    // A document without ranges is not even announced; an unknown output type is announced
    // but starts nothing.
    ASSERT_EQ(view.documents.size(), 1u);
    EXPECT_EQ(view.documents[0].name, "unknown-type.pdf");
    EXPECT_TRUE(folder.runs().empty());
    EXPECT_TRUE(messages.calls().isEmpty());
    EXPECT_TRUE(view.ended);
}

TEST_F(ConvertThreadTest, NoCheckedDocumentEndsAtOnce)
{
    FakeToolFolder folder;
    addDocument("a.pdf", 3)->checked = 0;
    RecordingView view;
    ConvertThread thread(&view);
    thread.Start();
    thread.WaitFor();
    EXPECT_TRUE(view.documents.empty());
    EXPECT_TRUE(folder.runs().empty());
    EXPECT_TRUE(view.ended);
}

TEST_F(ConvertThreadTest, AMissingToolGivesTheErrorBoxOfEachTypeAndGoesOn)
{
    FakeToolFolder folder(false);
    addDocument("first.pdf", 2, 0);
    addDocument("second.pdf", 2, 2);
    RecordingView view;
    ConvertThread thread(&view);
    thread.Start();
    thread.WaitFor();

    EXPECT_EQ(view.documents.size(), 2u);
    EXPECT_EQ(messages.texts(), (QStringList{"Error on CreateProcess()", "Error"}));
    for (const auto& call : messages.calls()) {
        EXPECT_EQ(call.caption, "Error");
        EXPECT_EQ(call.owner, nullptr);
        EXPECT_EQ(call.buttons, uikit::MessageButtons::Ok);
    }
    EXPECT_TRUE(view.ended);
}

TEST_F(ConvertThreadTest, NoPipeGivesOneBoxPerRunAndStartsNothing)
{
#ifdef __SANITIZE_ADDRESS__
    // The sanitizer runtime needs descriptors of its own for its memory checks; with none
    // left it reports false errors. The normal build runs this test.
    GTEST_SKIP() << "descriptor exhaustion cannot run under the sanitizers";
#endif
    FakeToolFolder folder;
    addDocument("first.pdf", 2);
    addDocument("second.pdf", 2);
    RecordingView view;
    ConvertThread thread(&view);

    int openError = 0;
    {
        ExhaustedDescriptors noDescriptors;
        openError = noDescriptors.openError();
        thread.Start();
        thread.WaitFor();
    }
    ASSERT_EQ(openError, EMFILE);

    EXPECT_EQ(messages.texts(), (QStringList{"Error On CreatePipe()", "Error On CreatePipe()"}));
    EXPECT_TRUE(folder.runs().empty());
    EXPECT_TRUE(view.ended);
}

TEST_F(ConvertThreadTest, PageReportsWaitWhilePausedAndAreDroppedOnceStopped)
{
    FakeToolFolder folder;
    folder.setScript(1, {"print page 2\\n", "drain", "print page 3\\n", "drain", "print page 4\\n", "hang"});
    addDocument("first.pdf", 5);
    addDocument("second.pdf", 5);
    RecordingView view;
    ConvertThread thread(&view);
    thread.Paused = true;
    thread.Start();
    ASSERT_TRUE(folder.waitForRun(1));

    // Held: the worker sits in its first report and reads nothing more.
    QTest::qWait(300);
    EXPECT_TRUE(view.pages().empty());
    thread.Paused = false;
    QTRY_COMPARE_WITH_TIMEOUT(view.pages(), (std::vector<int>{2, 3, 4}), 5000);

    // A stop confirmed while a report is held drops it, then ends the tool; no later run.
    thread.Stopped = true;
    thread.StopTool();
    thread.WaitFor();
    EXPECT_EQ(view.pages(), (std::vector<int>{2, 3, 4}));
    ASSERT_EQ(folder.runs().size(), 1u);
    EXPECT_NE(kill(folder.runs()[0].pid, 0), 0);
    EXPECT_EQ(view.documents.size(), 1u);
    EXPECT_TRUE(messages.calls().isEmpty());
    EXPECT_TRUE(view.ended);
}

TEST_F(ConvertThreadTest, AStopWhileAReportIsHeldReturnsWithoutReporting)
{
    FakeToolFolder folder;
    folder.setScript({"print page 2\\n", "hang"});
    addDocument("only.pdf", 5);
    RecordingView view;
    ConvertThread thread(&view);
    thread.Paused = true;
    thread.Start();
    ASSERT_TRUE(folder.waitForRun(1));
    QTest::qWait(150);
    thread.Stopped = true;
    QTest::qWait(250); // past the next poll of the held report
    thread.StopTool();
    thread.WaitFor();
    EXPECT_TRUE(view.pages().empty());
    EXPECT_TRUE(view.ended);
}

TEST(ConvertThread, CurrentConvertThreadIsTheLatestLiveWorker)
{
    class NullView final : public ConversionView {
        void StartDocument(const QString&, int) override {}
        void PageSeen(int) override {}
        void ConversionEnded() override {}
    } view;
    {
        ConvertThread first(&view);
        EXPECT_EQ(CurrentConvertThread.load(), &first);
    }
    EXPECT_EQ(CurrentConvertThread.load(), nullptr);
}

} // namespace
