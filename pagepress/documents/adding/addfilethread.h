#pragma once
// AddFileThread: the worker behind the file-adding dialog. It opens each path with the PDF
// engine, counts its pages, rejects paths that are already listed and hands the accepted
// documents to its dialog, then posts the dialog's end event. It never touches ItemList or
// the main window.
//
// Created and deleted on the UI thread by TAddFileTipForm. SetFiles and SetExisting are called
// before Start; afterwards only requestStop() crosses threads. Deleting the object stops the
// run and waits for it (serving its synchronised calls), so a run still inside a file
// finishes that file first.

#include "pagepress/documents/titeminfo.h"
#include "uikit/thread.h"

#include <QEvent>
#include <QString>
#include <QStringList>

#include <atomic>
#include <vector>

class TAddFileTipForm;

// Whether files that fail to open are reported: only for the files the user picked one by one.
enum class ReportFailures { No, Yes };

// The event the worker posts to its dialog when the run has ended and the results are there.
constexpr QEvent::Type AddFilesDoneEvent = static_cast<QEvent::Type>(QEvent::User + 121);

class AddFileThread final : public uikit::Thread {
public:
    explicit AddFileThread(TAddFileTipForm* dialog);
    ~AddFileThread() override;

    void SetFiles(const QStringList& files, ReportFailures report);
    const QStringList& files() const { return m_files; }
    // Keeps the paths of the records listed now; the run compares against them only.
    void SetExisting(const std::vector<TItemInfo*>& records);

    // Asks the run to end before the next file. Any thread.
    void requestStop() { m_stop.store(true); }
    bool isStopRequested() const { return m_stop.load(); }
    // Set once the results are with the dialog.
    bool isDone() const { return m_done.load(); }

    // The file name part of a path: everything after the last separator.
    static QString fileNameOf(const QString& path);

protected:
    void Execute() override;

private:
    // On the UI thread, while the worker waits.
    void UpdateStatus();
    void synchronizeStatus(const QString& status);
    void report(const QString& text);

    TAddFileTipForm* const m_dialog; // Dialog
    QString m_status;                // Status: written by the worker, read only inside UpdateStatus
    QStringList m_files;             // Files
    QStringList m_existingPaths;     // paths of Existing
    ReportFailures m_reportFailures = ReportFailures::No;
    std::atomic<bool> m_done{false}; // Done
    std::atomic<bool> m_stop{false}; // Stop
};
