// TConverterForm1: the conversion options panel and the Convert command. The rules
// themselves live in optionrules.h; here they meet the controls and the records.

#include "pagepress/mainwindow/tconverterform1.h"

#include "pagepress/conversion/tconvertform1.h"
#include "pagepress/documents/outputtype.h"
#include "pagepress/documents/pageranges.h"
#include "pagepress/mainwindow/filelistview.h"
#include "pagepress/mainwindow/optionrules.h"
#include "pagepress/mainwindow/optionspanel.h"
#include "pagepress/module/muicontext.h"
#include "pagepress/skin/tssskinbutton.h"
#include "uikit/action.h"
#include "uikit/filedialogservices.h"
#include "uikit/messageservice.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>

#include <memory>
#include <stdexcept>

namespace {

QString applicationTitle()
{
    const MuiContext* context = GetMuiContext();
    return context ? context->Title : QString();
}

} // namespace

void TConverterForm1::connectOptions()
{
    const MainWindowActions& a = m_actions;
    OptionsPanel* panel = m_options;
    connect(panel->cboOutputType(), &QComboBox::activated, this, [this] { cboOutputTypeSelect(); });
    connect(panel->edtResolution(), &QLineEdit::textChanged, this, [this] { edtResolutionChange(); });
    connect(panel->edtFramerate(), &QLineEdit::textChanged, this, [this] { edtFramerateChange(); });
    connect(panel->edtPages(), &QLineEdit::textChanged, this, [this] { edtPagesChange(); });
    a.AllPageAct->setExecuteHandler([this] { SetPageMode(0); });
    a.CurrentPageAct->setExecuteHandler([this] { SetPageMode(1); });
    a.PageRangeAct->setExecuteHandler([this] { SetPageMode(2); });
    a.BrowseAct->setExecuteHandler([this] { BrowseActExecute(); });
    panel->btnBrowes()->setClickHandler([this] { BrowseActExecute(); });
    a.ConvertAct->setExecuteHandler([this] { ConvertActExecute(); });
}

void TConverterForm1::cboOutputTypeSelect()
{
    const QComboBox* types = m_options->cboOutputType();
    if (types->currentIndex() < 0)
        return;
    const int32_t type = types->currentData().toInt();
    for (int row = 0; row < m_TntLV->rowCount(); ++row) {
        TItemInfo* record = m_TntLV->record(row);
        if (!m_TntLV->isRowSelected(row) || !record)
            continue;
        record->outputType = type;
        UpdateTypeColumn(row, *record);
    }
    UpdateFrameRateEnabled();
}

void TConverterForm1::UpdateTypeColumn(int row, const TItemInfo& record)
{
    m_TntLV->setCellText(row, FileListView::TypeColumn, OutputTypeName(record.outputType));
}

void TConverterForm1::UpdateFrameRateEnabled()
{
    const QComboBox* types = m_options->cboOutputType();
    if (types->currentIndex() < 0)
        return;
    // Only the self-playing movie has a play speed; the viewers page on demand.
    switch (types->currentData().toInt()) {
    case AutoPlayOutput:
        m_options->edtFramerate()->setEnabled(true);
        break;
    case SimpleViewerOutput:
    case RfxViewOutput:
        m_options->edtFramerate()->setEnabled(false);
        break;
    default:
        break;
    }
}

std::optional<int32_t> TConverterForm1::CheckNumberEdit(QLineEdit* edit, const NumberField& field)
{
    if (!m_numberEditsArmed || !FocusedRecord())
        return std::nullopt;
    const TypedNumber typed = CheckTypedNumber(edit->text(), field);
    switch (typed.kind) {
    case TypedNumber::Kind::Empty:
        return std::nullopt;
    case TypedNumber::Kind::Accepted:
        return typed.value;
    case TypedNumber::Kind::Rejected:
        break;
    }
    uikit::messageService().show(this, QString::fromLatin1(field.warning), QStringLiteral("warning"),
                                 uikit::MessageButtons::Ok, uikit::MessageIcon::Warning);
    // The reset text comes back through this handler, which stores it.
    edit->setText(QString::fromLatin1(field.resetText));
    return std::nullopt;
}

void TConverterForm1::edtResolutionChange()
{
    if (const std::optional<int32_t> dpi = CheckNumberEdit(m_options->edtResolution(), ResolutionField)) {
        TItemInfo* record = FocusedRecord();
        record->resolution = *dpi;
        record->zoom = QString::number(*dpi);
    }
}

void TConverterForm1::edtFramerateChange()
{
    if (const std::optional<int32_t> speed = CheckNumberEdit(m_options->edtFramerate(), FrameRateField))
        FocusedRecord()->frameRate = QString::number(*speed);
}

void TConverterForm1::SetPageMode(int32_t pageMode)
{
    TItemInfo* record = FocusedRecord();
    if (!record)
        return;
    record->pageMode = pageMode;
    UpdatePagesColumn(*record);
    ShowPageMode(*record);
}

void TConverterForm1::UpdatePagesColumn(const TItemInfo& record)
{
    const int row = m_TntLV->focusedRow();
    if (row >= 0)
        m_TntLV->setCellText(row, FileListView::PagesColumn, PagesText(record));
}

void TConverterForm1::ShowPageMode(const TItemInfo& record)
{
    if (record.pageMode == 0)
        m_options->rbAllPages()->setChecked(true);
    else if (record.pageMode == 2)
        m_options->rbPages()->setChecked(true);
    // Showing the record's pages is not typing.
    m_pagesEditArmed = false;
    m_options->edtPages()->setText(PagesText(record));
    m_pagesEditArmed = true;
    m_options->edtPages()->setEnabled(record.pageMode == 2);
}

void TConverterForm1::edtPagesChange()
{
    if (!m_pagesEditArmed)
        return;
    TItemInfo* record = FocusedRecord();
    if (!record)
        return;
    QLineEdit* edit = m_options->edtPages();
    // Pieces the user has finished (followed by a comma) are cleaned up at once.
    record->pageRange = NormalizeTypedPages(edit->text(), record->pageCount);
    UpdatePagesColumn(*record);
    ShowPageMode(*record);
    edit->setCursorPosition(static_cast<int>(edit->text().size()));
}

void TConverterForm1::ShowOptions(const TItemInfo& record)
{
    QComboBox* types = m_options->cboOutputType();
    int item = types->findData(record.outputType);
    if (item < 0 && types->count() > 0)
        item = 0;
    types->setCurrentIndex(item);
    cboOutputTypeSelect();

    m_numberEditsArmed = false;
    m_options->edtResolution()->setText(QString::number(record.resolution));
    m_options->edtFramerate()->setText(record.frameRate);
    m_numberEditsArmed = true;
}

void TConverterForm1::BrowseActExecute()
{
    const QString folder = uikit::FolderBrowser::instance().chooseFolder(
        this, QStringLiteral("Please Select Output Folder"), QString());
    if (!folder.isEmpty())
        m_options->showOutputFolder(folder);
}

void TConverterForm1::ApplyOptions(int row, TItemInfo& record)
{
    QLineEdit* pages = m_options->edtPages();
    const AppliedOptions applied = ApplyOptionTexts(
        {m_options->edtFramerate()->text(), m_options->edtResolution()->text(), pages->text()}, record);
    if (applied.frameRateEdit)
        m_options->edtFramerate()->setText(*applied.frameRateEdit);
    if (applied.resolutionEdit)
        m_options->edtResolution()->setText(*applied.resolutionEdit);
    if (applied.invalidPageRange)
        uikit::messageService().show(this, QStringLiteral("'%1' is not a valid page range.").arg(pages->text()),
                                     applicationTitle(), uikit::MessageButtons::Ok,
                                     uikit::MessageIcon::Information);
    m_TntLV->setCellText(row, FileListView::PagesColumn, applied.pages);
}

bool TConverterForm1::PrepareOutputFolder()
{
    QLineEdit* edit = m_options->edtOutputFolder();
    // An empty folder would put the movies at the top of the file system.
    if (edit->text().isEmpty())
        BrowseActExecute();
    const QString folder = edit->text();
    if (folder.isEmpty())
        return false;
    if (QDir().mkpath(folder))
        return true;
    uikit::messageService().show(this, QStringLiteral("Cannot create the output folder '%1'.").arg(folder),
                                 applicationTitle(), uikit::MessageButtons::Ok, uikit::MessageIcon::Warning);
    return false;
}

void TConverterForm1::ConvertActExecute()
{
    const int focused = m_TntLV->focusedRow();
    if (focused >= 0) {
        TItemInfo* record = m_TntLV->record(focused);
        ApplyOptions(focused, *record);
        if (record->pageRange.isEmpty())
            return;
    }
    if (!PrepareOutputFolder())
        return;
    for (int row = 0; row < m_TntLV->rowCount(); ++row)
        m_TntLV->record(row)->checked = m_TntLV->isRowChecked(row) ? 1 : 0;
    ClosePreviewDocument();

    std::unique_ptr<TConvertForm1> dialog;
    try {
        dialog = std::make_unique<TConvertForm1>(this, m_options->edtOutputFolder()->text());
    } catch (const std::runtime_error& error) {
        uikit::messageService().show(this, QString::fromUtf8(error.what()), applicationTitle(),
                                     uikit::MessageButtons::Ok, uikit::MessageIcon::Critical);
        return;
    }
    dialog->showModal();
    dialog.reset();
    // The document was closed for the conversion; the preview starts over like after a
    // selection instead of showing a page number over an empty panel.
    RefreshPreview();
}
