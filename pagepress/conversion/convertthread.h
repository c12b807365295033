#pragma once
// The conversion worker: walks ItemList in order and runs the converter tool once for every
// checked document, with all its page ranges, telling its view which document is in work and
// which page the tool has reached. Error boxes of failed runs are shown by the UI thread while
// the worker waits.
//
// Created suspended by the view's owner, which sets OutputFolder before Start(). Paused and
// Stopped are set by the UI thread; StopTool() is called on the UI thread. The records are
// read without a lock: the modal dialog keeps them from changing during a conversion.

#include "pagepress/conversion/toolrunner.h"
#include "uikit/thread.h"

#include <QString>

#include <atomic>

class ConversionView;

class ConvertThread final : public uikit::Thread {
public:
    explicit ConvertThread(ConversionView* form);
    ~ConvertThread() override;

    // Ends the tool run in progress; no later run starts. Set Stopped first.
    void StopTool();

    std::atomic<bool> Paused{false};  // hold page reports while the user is asked
    std::atomic<bool> Stopped{false}; // the user has confirmed the stop
    QString OutputFolder;             // as typed; set before Start()

protected:
    void Execute() override;

private:
    // Runs on the UI thread: tells the view about the document in work.
    void ShowDocument();
    ToolRunner::Result RunTool(const ToolCommand& command);
    // On the worker thread, for each page change the tool reports.
    void ReportPage(int page);

    ConversionView* Form;
    QString FileName;
    int PageTotal = 0;
    ToolRunner m_runner;
};

// The most recently constructed conversion worker, null once it is destroyed.
extern std::atomic<ConvertThread*> CurrentConvertThread;
