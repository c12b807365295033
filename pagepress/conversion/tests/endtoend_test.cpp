// The worker with the real converter tool of the staged installation.

#include "pagepress/conversion/convertthread.h"

#include "uikit/testing/guiapp.h"
#include "pagepress/conversion/commandline.h"
#include "pagepress/conversion/conversionview.h"
#include "pagepress/documents/itemlist.h"
#include "pagepress/module/muicontext.h"
#include "uikit/scriptedmessageservice.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <atomic>
#include <cstdlib>
#include <mutex>

namespace {

class PageRecorder final : public ConversionView {
public:
    void StartDocument(const QString&, int pageTotal) override { total = pageTotal; }
    void PageSeen(int page) override
    {
        std::lock_guard lock(mutex);
        pages.push_back(page);
    }
    void ConversionEnded() override { ended = true; }

    int total = 0;
    std::mutex mutex;
    std::vector<int> pages;
    std::atomic<bool> ended{false};
};

TEST(EndToEnd, NamesWithQuotesBlanksAndNonAsciiLettersConvertForEveryOutputType)
{
    guiApp();
    const QString stage = QString::fromLocal8Bit(std::getenv("PP_STAGE_DIR")) + "/";
    if (!QFileInfo(ToolPath(stage)).isExecutable())
        GTEST_SKIP() << "the converter tool is not staged at " << ToolPath(stage).toStdString();

    MuiContext context;
    context.ExeDir = stage;
    SetMuiContext(&context);

    QTemporaryDir work(QDir::tempPath() + "/pp conv ÄÖ XXXXXX");
    const QString source = QString::fromLocal8Bit(std::getenv("PP_FIXTURES_DIR")) + "/refcard-a4.pdf";
    const QString outputFolder = work.path() + "/out put";
    ASSERT_TRUE(QDir().mkpath(outputFolder));
    const QString names[] = {"Grüße \"quoted\" 文件.pdf", "a 'b' \\c.v2.pdf", "Ωmega.pdf"};
    for (int type = 0; type < 3; ++type) {
        ASSERT_TRUE(QFile::copy(source, work.path() + "/" + names[type])) << source.toStdString();
        TItemInfo* item = NewItemInfo();
        item->name = names[type];
        item->path = work.path() + "/" + names[type];
        item->pageCount = 3;
        item->pageMode = 2;
        item->pageRange = "1,3";
        item->outputType = type;
        item->checked = 1;
    }

    uikit::ScriptedMessageService messages;
    uikit::ScriptedMessageService::Installer installMessages(messages);
    PageRecorder view;
    {
        ConvertThread thread(&view);
        thread.OutputFolder = outputFolder;
        thread.Start();
        thread.WaitFor();
    }
    ClearItemInfos();
    SetMuiContext(nullptr);

    EXPECT_TRUE(messages.calls().isEmpty()) << messages.texts().join(", ").toStdString();
    EXPECT_TRUE(view.ended);
    EXPECT_EQ(view.total, 2);
    // The last page of the selection is the last one the tool names.
    ASSERT_FALSE(view.pages.empty());
    EXPECT_EQ(view.pages.back(), 3);

    for (const QString& name : names) {
        QFile movie(outputFolder + "/" + OutputBaseName(name) + ".swf");
        ASSERT_TRUE(movie.open(QIODevice::ReadOnly)) << "no movie for " << name.toStdString();
        const QByteArray signature = movie.read(3);
        EXPECT_TRUE(signature == "FWS" || signature == "CWS") << signature.toStdString();
    }
}

} // namespace
