#include "pagepress/conversion/tconvertform1.h"

#include "pagepress/forms/skinlayout.h"
#include "pagepress/forms/skinresources.h"
#include "pagepress/module/muicontext.h"
#include "pagepress/skin/skintitlelabel.h"
#include "pagepress/skin/tskinprocess.h"
#include "pagepress/skin/tssskinbutton.h"
#include "pagepress/skin/tssskinform.h"
#include "uikit/messageservice.h"
#include "uikit/shellservice.h"

#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <stdexcept>

namespace {

QString resourceDir()
{
    const MuiContext* context = GetMuiContext();
    return context ? context->ResourceDir : QString();
}

QString applicationTitle()
{
    const MuiContext* context = GetMuiContext();
    return context ? context->Title : QString();
}

QLabel* makeLabel(QWidget* parent, const QRect& geometry, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

} // namespace

TConvertForm1::TConvertForm1(QWidget* owner, const QString& outputFolder)
    : uikit::Form(owner)
    , ssSkinForm1(new skin::TssSkinForm(this))
    , lblTitle(makeLabel(this, {18, 5, 71, 16}, QStringLiteral("Conversion")))
    , lblFile(makeLabel(this, {33, 42, 389, 17}))
    , lblPage(makeLabel(this, {33, 61, 181, 17}))
    , SkinProcess1(new skin::TSkinProcess(this))
    , ssSBStop(new skin::TssSkinButton(skin::skinImage(skin::SkinArt::StopButton),
                                       skin::skinCaption(skin::SkinArt::StopButton), this))
    , ssSBClose(new skin::TssSkinButton(skin::skinImage(skin::SkinArt::ConvertCloseButton),
                                        skin::skinCaption(skin::SkinArt::ConvertCloseButton), this))
    , TimerProg(new QTimer(this))
    , Thread(std::make_unique<ConvertThread>(this))
{
    setPosition(uikit::FormPosition::OwnerCenter);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    setFont(font);
    // The caption sizes itself: the font may be wider than the one the layout was made with.
    skin::StyleTitleLabel(lblTitle, 13);
    lblTitle->adjustSize();

    // The skin sizes the form; fuchsia is cut out of it.
    ssSkinForm1->SetColor(QColor(255, 0, 255));
    ssSkinForm1->SetPicture(skin::convertDialogSkin());
    ssSkinForm1->lower();
    ssSBStop->move(skin::layout::convert::StopButton.topLeft());
    ssSBStop->SetModalResult(uikit::ModalResult::Cancel);
    ssSBClose->move(skin::layout::convert::CloseButton.topLeft());
    ssSBClose->SetModalResult(uikit::ModalResult::Cancel);

    Thread->OutputFolder = outputFolder;

    SkinProcess1->setGeometry(skin::layout::convert::ProgressBar);
    const QString fill = resourceDir() + QStringLiteral("Skins/progress.bmp");
    if (!SkinProcess1->SetImage2(fill))
        throw std::runtime_error("Cannot open file \"" + fill.toStdString() + "\".");
    SkinProcess1->SetBaseLine(SkinProcess1->height() / 2);
    SkinProcess1->SetExtRange(0, SkinProcess1->width());
    SkinProcess1->Setprocess(0);

    TimerProg->setInterval(300);
    connect(TimerProg, &QTimer::timeout, this, &TConvertForm1::TimerProgTimer);
    TimerProg->start();
}

TConvertForm1::~TConvertForm1()
{
    // A worker still running (the dialog was never closed through its loop) is stopped
    // rather than waited for without end.
    if (Thread->isStarted() && !Thread->isFinished()) {
        Thread->Stopped = true;
        Thread->StopTool();
    }
    Thread.reset();
}

void TConvertForm1::showEvent(QShowEvent* event)
{
    uikit::Form::showEvent(event);
    Thread->Start();
}

void TConvertForm1::StartDocument(const QString& name, int pageTotal)
{
    PageTotal = pageTotal;
    PagesSeen = 0;
    CurrentPage = 0;
    lblFile->setText(QStringLiteral("Converting %1.").arg(name));
}

void TConvertForm1::PageSeen(int page)
{
    CurrentPage = page;
    ++PagesSeen;
}

void TConvertForm1::ConversionEnded()
{
    QMetaObject::invokeMethod(this, &TConvertForm1::workerEnded, Qt::QueuedConnection);
}

void TConvertForm1::workerEnded()
{
    m_workerEnded = true;
    // While the stop question is open the answer decides; a No then ends the dialog.
    if (!m_askingToStop)
        setModalResult(uikit::ModalResult::Ok);
    hide();
}

void TConvertForm1::TimerProgTimer()
{
    // Until the first document is announced there is no total to divide by.
    const int total = PageTotal;
    const int percent = total > 0 ? static_cast<int>(std::min<qint64>(100, qint64(PagesSeen) * 100 / total)) : 0;
    SkinProcess1->Setprocess(percent);
    lblPage->setText(QStringLiteral("Converting Page %1.").arg(int(CurrentPage)));
}

bool TConvertForm1::closeQuery()
{
    if (modalResult() != uikit::ModalResult::Cancel) {
        offerOutputFolder(QStringLiteral("Conversion is completed. Open the swf folder?"));
        return true;
    }

    Thread->Paused = true;
    m_askingToStop = true;
    const uikit::MessageAnswer answer =
        uikit::messageService().show(this, QStringLiteral("Are your sure to stop the conversion?"),
                                     QStringLiteral("Convert"), uikit::MessageButtons::YesNo,
                                     uikit::MessageIcon::Information);
    m_askingToStop = false;
    if (answer != uikit::MessageAnswer::Yes) {
        Thread->Paused = false;
        // The worker finished while the question was open: end as it would have.
        if (m_workerEnded)
            QMetaObject::invokeMethod(this, [this] { setModalResult(uikit::ModalResult::Ok); }, Qt::QueuedConnection);
        return false;
    }
    Thread->Stopped = true;
    Thread->StopTool();
    Thread->WaitFor(); // serves the worker's synchronised calls meanwhile
    offerOutputFolder(QStringLiteral("Conversion stoped. Open the swf folder?"));
    return true;
}

void TConvertForm1::offerOutputFolder(const QString& question)
{
    if (uikit::messageService().show(nullptr, question, applicationTitle(), uikit::MessageButtons::YesNo,
                                     uikit::MessageIcon::None)
        == uikit::MessageAnswer::Yes)
        uikit::Shell::instance().open(Thread->OutputFolder);
}
