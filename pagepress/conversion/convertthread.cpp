#include "pagepress/conversion/convertthread.h"

#include "pagepress/conversion/commandline.h"
#include "pagepress/conversion/conversionview.h"
#include "pagepress/documents/itemlist.h"
#include "pagepress/documents/outputtype.h"
#include "pagepress/module/muicontext.h"
#include "uikit/messageservice.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <thread>

std::atomic<ConvertThread*> CurrentConvertThread{nullptr};

namespace {

QString programFolder()
{
    const MuiContext* context = GetMuiContext();
    return context ? context->ExeDir : QString();
}

void showError(const QString& text)
{
    uikit::showMessageOnUiThread(nullptr, text, QStringLiteral("Error"), uikit::MessageButtons::Ok,
                                 uikit::MessageIcon::None);
}

} // namespace

ConvertThread::ConvertThread(ConversionView* form)
    : Form(form)
{
    CurrentConvertThread = this;
}

ConvertThread::~ConvertThread()
{
    WaitFor();
    ConvertThread* self = this;
    CurrentConvertThread.compare_exchange_strong(self, nullptr);
}

void ConvertThread::Execute()
{
    // The view is told of the end however the walk ends, or its modal loop would wait on.
    struct EndNotice {
        ConversionView* view;
        ~EndNotice() { view->ConversionEnded(); }
    } endNotice{Form};

    const QString folder = programFolder();
    for (std::size_t i = 0; i < ItemList.size(); ++i) {
        if (Stopped)
            break;
        const TItemInfo& record = *ItemList[i];
        if (record.checked == 0)
            continue;
        std::vector<RangePair> ranges;
        const uint32_t total = BuildRangeList(record, ranges);
        if (total == 0)
            continue;

        FileName = record.name;
        PageTotal = static_cast<int>(std::min<uint32_t>(total, std::numeric_limits<int>::max()));
        Synchronize([this] { ShowDocument(); });

        // One run for all ranges: every run writes the same output file, so runs per range
        // would leave only the last range in it.
        const std::optional<ToolCommand> command = DocumentCommand(folder, OutputFolder, record, ranges);
        if (!command || Stopped)
            continue;
        switch (RunTool(*command)) {
        case ToolRunner::Result::StartFailed:
        case ToolRunner::Result::WaitFailed:
            showError(record.outputType == AutoPlayOutput ? QStringLiteral("Error on CreateProcess()")
                                                          : QStringLiteral("Error"));
            break;
        case ToolRunner::Result::PipeFailed:
            showError(QStringLiteral("Error On CreatePipe()"));
            break;
        case ToolRunner::Result::Ended:
        case ToolRunner::Result::Stopped:
            break;
        }
    }
}

void ConvertThread::ShowDocument()
{
    Form->StartDocument(FileName, PageTotal);
}

ToolRunner::Result ConvertThread::RunTool(const ToolCommand& command)
{
    return m_runner.run(command, programFolder(), [this](int page) { ReportPage(page); });
}

void ConvertThread::ReportPage(int page)
{
    if (Stopped)
        return;
    while (Paused) {
        if (Stopped)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    Form->PageSeen(page);
}

void ConvertThread::StopTool()
{
    m_runner.stop();
}
