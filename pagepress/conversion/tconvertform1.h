#pragma once
// TConvertForm1: the modal dialog that runs one conversion. It owns the conversion worker,
// starts it when first shown, shows the document in work and its page progress, lets the
// user stop (Stop button, close mark or the window's close command, all modal result
// Cancel), and at the end offers to open the output folder. The worker ends the dialog with
// modal result Ok, carried over to the UI thread.
//
// UI thread only, except PageSeen() and ConversionEnded(), which the worker calls.

#include "pagepress/conversion/conversionview.h"
#include "pagepress/conversion/convertthread.h"
#include "uikit/form.h"

#include <QString>

#include <atomic>
#include <memory>

class QLabel;
class QTimer;

namespace skin {
class TSkinProcess;
class TssSkinButton;
class TssSkinForm;
} // namespace skin

class TConvertForm1 final : public uikit::Form, public ConversionView {
    Q_OBJECT
public:
    // Throws std::runtime_error when the bar's fill picture (Skins/progress.bmp of the
    // resource folder) cannot be read; nothing has started then.
    TConvertForm1(QWidget* owner, const QString& outputFolder);
    ~TConvertForm1() override;

    void StartDocument(const QString& name, int pageTotal) override;
    void PageSeen(int page) override;
    void ConversionEnded() override;

    ConvertThread& thread() const { return *Thread; }
    QLabel* fileLabel() const { return lblFile; }
    QLabel* pageLabel() const { return lblPage; }
    skin::TSkinProcess* progressBar() const { return SkinProcess1; }
    skin::TssSkinButton* stopButton() const { return ssSBStop; }
    skin::TssSkinButton* closeButton() const { return ssSBClose; }
    int pagesSeen() const { return PagesSeen; }
    int currentPage() const { return CurrentPage; }

protected:
    bool closeQuery() override;
    void showEvent(QShowEvent* event) override;

private:
    void TimerProgTimer();
    void workerEnded();
    void offerOutputFolder(const QString& question);

    skin::TssSkinForm* ssSkinForm1;
    QLabel* lblTitle;
    QLabel* lblFile;
    QLabel* lblPage;
    skin::TSkinProcess* SkinProcess1;
    skin::TssSkinButton* ssSBStop;
    skin::TssSkinButton* ssSBClose;
    QTimer* TimerProg;
    std::unique_ptr<ConvertThread> Thread;

    std::atomic<int> PageTotal{0};
    std::atomic<int> PagesSeen{0};
    std::atomic<int> CurrentPage{0};
    bool m_askingToStop = false; // the stop question is open
    bool m_workerEnded = false;  // the worker's end has reached the UI thread
};
