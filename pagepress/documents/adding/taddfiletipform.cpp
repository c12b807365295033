#include "pagepress/documents/adding/taddfiletipform.h"

#include "pagepress/forms/skinlayout.h"
#include "pagepress/forms/skinresources.h"
#include "pagepress/skin/tssskinbutton.h"
#include "pagepress/skin/tssskinform.h"
#include "uikit/messageservice.h"

#include <QCloseEvent>
#include <QLabel>

TAddFileTipForm::TAddFileTipForm(QWidget* owner)
    : uikit::Form(owner)
    , m_ssSkinForm1(new skin::TssSkinForm(this))
    , m_lblInfo(new QLabel(this))
    , m_btnOK(new skin::TssSkinButton(skin::skinImage(skin::SkinArt::AddFileOkButton), QStringLiteral("OK"), this))
    , m_btnCancel(new skin::TssSkinButton(skin::skinImage(skin::SkinArt::AddFileCancelButton), QStringLiteral("Cancel"), this))
    , m_btnClose(new skin::TssSkinButton(skin::skinImage(skin::SkinArt::AddFileCloseButton), QStringLiteral("Close"), this))
    , m_thread(std::make_unique<AddFileThread>(this))
{
    setWindowTitle(QStringLiteral("Add File"));
    setPosition(uikit::FormPosition::OwnerCenter);
    setBackgroundRole(QPalette::Button);
    m_ssSkinForm1->SetPicture(skin::addFileDialogSkin());

    m_lblInfo->setObjectName(QStringLiteral("lblInfo"));
    m_lblInfo->setGeometry(43, 76, 449, 66);
    m_lblInfo->setWordWrap(true);
    m_lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont infoFont(QStringLiteral("Arial"));
    infoFont.setPixelSize(12);
    m_lblInfo->setFont(infoFont);
    m_lblInfo->setForegroundRole(QPalette::WindowText);
    m_lblInfo->setAttribute(Qt::WA_TranslucentBackground);

    m_btnOK->setObjectName(QStringLiteral("btnOK"));
    m_btnOK->move(skin::layout::addfile::OkButton.topLeft());
    m_btnOK->setEnabled(false);
    m_btnOK->setClickHandler([this] { btnOKClick(); });
    m_btnCancel->setObjectName(QStringLiteral("btnCancel"));
    m_btnCancel->move(skin::layout::addfile::CancelButton.topLeft());
    m_btnCancel->setClickHandler([this] { btnCancelClick(); });
    m_btnClose->setObjectName(QStringLiteral("btnClose"));
    m_btnClose->move(skin::layout::addfile::CloseButton.topLeft());
    m_btnClose->setClickHandler([this] { btnCloseClick(); });
}

TAddFileTipForm::~TAddFileTipForm()
{
    // FormDestroy: the worker writes into this dialog, so it goes first.
    m_thread.reset();
    m_results.clear();
}

void TAddFileTipForm::SetFiles(const QStringList& files, ReportFailures report)
{
    m_thread->SetFiles(files, report);
}

void TAddFileTipForm::SetExisting(const std::vector<TItemInfo*>& records)
{
    m_thread->SetExisting(records);
}

void TAddFileTipForm::SetResults(std::vector<TItemInfo> documents)
{
    m_results = std::move(documents);
}

void TAddFileTipForm::TakeResults(std::vector<TItemInfo>& documents) const
{
    // The worker wrote the results; its end is what makes them safe to read.
    Q_ASSERT(m_thread->isFinished());
    documents.insert(documents.end(), m_results.begin(), m_results.end());
}

void TAddFileTipForm::showRunEnded()
{
    m_btnOK->setEnabled(true);
    m_btnCancel->setEnabled(false);
}

void TAddFileTipForm::btnOKClick()
{
    m_thread->WaitFor();
    setModalResult(uikit::ModalResult::Ok);
}

void TAddFileTipForm::btnCancelClick()
{
    m_askingCancel = true;
    const uikit::MessageAnswer answer = uikit::messageService().show(
        this, QStringLiteral("Are you sure to stop adding files."), QStringLiteral("Cancel"),
        uikit::MessageButtons::YesNo, uikit::MessageIcon::None);
    m_askingCancel = false;
    if (answer == uikit::MessageAnswer::Yes) {
        m_thread->requestStop();
        m_endPending = false;
        setModalResult(uikit::ModalResult::Cancel);
        return;
    }
    if (m_endPending) {
        m_endPending = false;
        btnOKClick();
    }
}

void TAddFileTipForm::btnCloseClick()
{
    if (m_btnOK->isEnabled())
        btnOKClick();
    else
        btnCancelClick();
}

void TAddFileTipForm::AddFilesDone()
{
    if (m_thread->isStopRequested())
        return; // the user's cancel decides the result
    if (m_askingCancel) {
        m_endPending = true;
        return;
    }
    btnOKClick();
}

void TAddFileTipForm::FormShow()
{
    m_thread->Start();
}

bool TAddFileTipForm::event(QEvent* event)
{
    if (event->type() == AddFilesDoneEvent) {
        AddFilesDone();
        return true;
    }
    return uikit::Form::event(event);
}

void TAddFileTipForm::showEvent(QShowEvent* event)
{
    uikit::Form::showEvent(event);
    FormShow();
}

void TAddFileTipForm::closeEvent(QCloseEvent* event)
{
    if (!isShowingModal()) {
        uikit::Form::closeEvent(event);
        return;
    }
    // The window system's close command does what the close mark does.
    event->ignore();
    btnCloseClick();
}
