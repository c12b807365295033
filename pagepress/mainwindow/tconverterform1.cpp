#include "pagepress/mainwindow/tconverterform1.h"

#include "pagepress/documents/adding/taddfiletipform.h"
#include "pagepress/documents/itemlist.h"
#include "pagepress/documents/outputtype.h"
#include "pagepress/documents/pageranges.h"
#include "pagepress/documents/pdfengine.h"
#include "pagepress/forms/skinlayout.h"
#include "pagepress/forms/skinresources.h"
#include "pagepress/mainwindow/actionbinding.h"
#include "pagepress/mainwindow/captionmenubar.h"
#include "pagepress/mainwindow/emptylistface.h"
#include "pagepress/mainwindow/filelistview.h"
#include "pagepress/mainwindow/folderscan.h"
#include "pagepress/mainwindow/languagesupportfile.h"
#include "pagepress/mainwindow/optionspanel.h"
#include "pagepress/mainwindow/previewbox.h"
#include "pagepress/mainwindow/taboutform.h"
#include "pagepress/module/muicontext.h"
#include "pagepress/skin/skintitlelabel.h"
#include "pagepress/skin/tssskinbutton.h"
#include "pagepress/skin/tssskinform.h"
#include "uikit/actionlist.h"
#include "uikit/filedialogservices.h"
#include "uikit/messageservice.h"
#include "uikit/shellservice.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QScreen>
#include <QUrl>

#include <memory>
#include <stdexcept>

namespace {

namespace main = skin::layout::main;

// The hourglass while a scope runs; the cursor before it comes back however the scope ends.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

const MuiContext& context()
{
    static const MuiContext none;
    const MuiContext* published = GetMuiContext();
    return published ? *published : none;
}

QStringList localFilesOf(const QMimeData* data)
{
    QStringList names;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            names.append(url.toLocalFile());
    }
    return names;
}

} // namespace

TConverterForm1::TConverterForm1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_actionList(new uikit::ActionList(this))
    , m_actions(CreateMainWindowActions(*m_actionList))
{
    setObjectName(QStringLiteral("ConverterForm1"));
    createControls();
    createMenus();
    setUpActions();

    // Every paint of the panel draws the focused document's page over it.
    m_preview->PanelPreview()->setDrawer([this](QImage& surface) { PreviewWndProc(surface); });
    m_pagesEditArmed = true;
    m_previewDoc = 0;
    connectOptions();
    connect(m_TntLV, &FileListView::rowSelectionChanged, this, &TConverterForm1::TntLVSelectItem);
    FillOutputTypes();
    m_lblTitle->setText(context().Title);
    setWindowTitle(context().Title);
    SetDefaultOutputFolder();
    WriteLanguageSupportFile();
    m_FaceImage->show();
    m_TntLV->hide();

    // FormCreate: documents and folders may be dropped on the window.
    setAcceptDrops(true);

    if (const QScreen* desktop = screen())
        move(desktop->availableGeometry().center() - rect().center());
}

TConverterForm1::~TConverterForm1()
{
    // Rows must not outlive the window while their records stay listed.
    ClearAllActExecute();
}

void TConverterForm1::createControls()
{
    m_skinBG = new skin::TssSkinForm(this);
    m_skinBG->setObjectName(QStringLiteral("skinBG"));
    m_skinBG->SetPicture(skin::mainWindowSkin());
    if (m_skinBG->Glyph().isNull())
        setFixedSize(831, 572);

    m_lblTitle = new QLabel(this);
    m_lblTitle->setObjectName(QStringLiteral("lblTitle"));
    m_lblTitle->setGeometry(main::TitleText);
    skin::StyleTitleLabel(m_lblTitle);
    // A press on the title moves the window, as on the rest of the background.
    m_lblTitle->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto button = [this](skin::SkinArt art, const char* name, const QRect& place) {
        auto* created = new skin::TssSkinButton(skin::skinImage(art), skin::skinCaption(art), this);
        created->setObjectName(QString::fromLatin1(name));
        created->move(place.topLeft());
        return created;
    };
    m_btnMin = button(skin::SkinArt::MinimizeButton, "btnMin", main::MinButton);
    m_btnClose = button(skin::SkinArt::MainCloseButton, "btnClose", main::CloseButton);
    m_btnAddFile = button(skin::SkinArt::AddFileToolButton, "btnAddFile", main::AddFileButton);
    m_btnAddFolder = button(skin::SkinArt::AddFolderToolButton, "btnAddFolder", main::AddFolderButton);
    m_btnDelete = button(skin::SkinArt::DeleteToolButton, "btnDelete", main::DeleteButton);
    m_btnClearAll = button(skin::SkinArt::ClearAllToolButton, "btnClearAll", main::ClearAllButton);
    m_btnConvert = button(skin::SkinArt::ConvertToolButton, "btnConvert", main::ConvertButton);

    m_coolBar = new CaptionMenuBar(this);
    m_coolBar->setGeometry(main::CoolBar);

    m_FaceImage = new EmptyListFace(this);
    m_TntLV = new FileListView(this);
    // Inside the frame the picture draws, so the list keeps the skin's outline.
    m_TntLV->setGeometry(main::ListArea.adjusted(1, 1, -1, -1));

    m_options = new OptionsPanel(this);
    m_preview = new PreviewBox(this);
}

void TConverterForm1::createMenus()
{
    const MainWindowActions& a = m_actions;

    m_fileMenu = new QMenu(QStringLiteral("   File   "), this);
    m_fileMenu->setObjectName(QStringLiteral("FileMenu"));
    AddMenuItem(m_fileMenu, a.AddFileAct, QStringLiteral("Add File"));
    AddMenuItem(m_fileMenu, a.AddFolderAct, QStringLiteral("Add Folder"));
    m_fileMenu->addSeparator();
    AddMenuItem(m_fileMenu, a.DeleteAct);
    AddMenuItem(m_fileMenu, a.ClearAllAct);
    m_fileMenu->addSeparator();
    AddMenuItem(m_fileMenu, a.ExitAct);

    m_helpMenu = new QMenu(QStringLiteral("   Help   "), this);
    m_helpMenu->setObjectName(QStringLiteral("HelpMenu"));
    AddMenuItem(m_helpMenu, a.HelpContentAct);
    AddMenuItem(m_helpMenu, a.SupportAct);
    m_helpMenu->addSeparator();
    AddMenuItem(m_helpMenu, a.HomePageAct);
    m_helpMenu->addSeparator();
    AddMenuItem(m_helpMenu, a.AboutAct, QStringLiteral("About"));

    m_coolBar->addMenu(m_fileMenu);
    m_coolBar->addMenu(m_helpMenu);

    m_popupMenu = new QMenu(this);
    m_popupMenu->setObjectName(QStringLiteral("TntPopupMenu1"));
    AddMenuItem(m_popupMenu, a.AddFileAct, QStringLiteral("Add File"));
    AddMenuItem(m_popupMenu, a.AddFolderAct, QStringLiteral("Add Folder"));
    m_popupMenu->addSeparator();
    AddMenuItem(m_popupMenu, a.DeleteAct);
    AddMenuItem(m_popupMenu, a.ClearAllAct);
    m_popupMenu->addSeparator();
    AddMenuItem(m_popupMenu, a.CheckAllAct);
    AddMenuItem(m_popupMenu, a.UncheckAllAct);
    m_popupMenu->addSeparator();
    AddMenuItem(m_popupMenu, a.SelAllAct);

    for (QWidget* owner : {static_cast<QWidget*>(m_TntLV), static_cast<QWidget*>(m_FaceImage)}) {
        owner->setContextMenuPolicy(Qt::CustomContextMenu);
        // The list reports positions in its viewport, the picture in itself.
        QWidget* origin = owner == m_TntLV ? m_TntLV->viewport() : owner;
        connect(owner, &QWidget::customContextMenuRequested, this, [this, origin](const QPoint& pos) {
            m_actionList->updateActions();
            m_popupMenu->popup(origin->mapToGlobal(pos));
        });
    }
}

void TConverterForm1::setUpActions()
{
    const MainWindowActions& a = m_actions;
    auto hasRows = [this] { return m_TntLV->rowCount() > 0; };
    auto hasFocusedRow = [this] { return FocusedRecord() != nullptr; };

    a.AddFileAct->setExecuteHandler([this] { AddFileActExecute(); });
    a.AddFolderAct->setExecuteHandler([this] { AddFolderActExecute(); });
    a.ConvertAct->setUpdateRule([this] { return CheckedCount() > 0; });
    a.ExitAct->setExecuteHandler([this] { close(); });
    a.MinAct->setExecuteHandler([this] { showMinimized(); });
    a.ClearAllAct->setExecuteHandler([this] { ClearAllActExecute(); });
    a.ClearAllAct->setUpdateRule(hasRows);
    a.DeleteAct->setExecuteHandler([this] { DeleteActExecute(); });
    a.DeleteAct->setUpdateRule([this] { return m_TntLV->focusedRow() >= 0; });
    a.OpenAct->setExecuteHandler([this] { ShellOpen(m_options->edtOutputFolder()->text()); });
    for (uikit::Action* pageMode : {a.AllPageAct, a.PageRangeAct, a.CurrentPageAct})
        pageMode->setUpdateRule(hasFocusedRow);
    a.PrevPageAct->setExecuteHandler([this] { PrevPageActExecute(); });
    a.NextPageAct->setExecuteHandler([this] { NextPageActExecute(); });
    a.PrevPageAct->setUpdateRule([this] {
        const TItemInfo* record = FocusedRecord();
        return record && record->currentPage > 1;
    });
    a.NextPageAct->setUpdateRule([this] {
        const TItemInfo* record = FocusedRecord();
        return record && record->currentPage < record->pageCount;
    });
    a.HelpContentAct->setExecuteHandler([this] { HelpContentActExecute(); });
    a.SupportAct->setExecuteHandler([this] { ShellOpen(context().SupportLink); });
    a.HomePageAct->setExecuteHandler([this] { ShellOpen(context().HomePageLink); });
    a.AboutAct->setExecuteHandler([this] { AboutActExecute(); });
    a.CheckAllAct->setExecuteHandler([this] { SetAllChecked(true); });
    a.CheckAllAct->setUpdateRule([this] { return CheckedCount() != m_TntLV->rowCount(); });
    a.UncheckAllAct->setExecuteHandler([this] { SetAllChecked(false); });
    a.UncheckAllAct->setUpdateRule([this] { return CheckedCount() > 0; });
    a.SelAllAct->setExecuteHandler([this] { m_TntLV->selectAllRows(); });
    a.SelAllAct->setUpdateRule(hasRows);

    m_btnAddFile->setAction(a.AddFileAct);
    m_btnAddFolder->setAction(a.AddFolderAct);
    m_btnDelete->setAction(a.DeleteAct);
    m_btnClearAll->setAction(a.ClearAllAct);
    m_btnConvert->setAction(a.ConvertAct);
    m_btnMin->setAction(a.MinAct);
    m_btnClose->setAction(a.ExitAct);
    m_options->btnOpen()->setAction(a.OpenAct);
    m_preview->btnPrevPage()->setAction(a.PrevPageAct);
    m_preview->btnNextPage()->setAction(a.NextPageAct);
    BindButtonToAction(m_options->rbAllPages(), a.AllPageAct);
    BindButtonToAction(m_options->rbPages(), a.PageRangeAct);

    m_actionList->updateActions();
}

void TConverterForm1::FillOutputTypes()
{
    QComboBox* types = m_options->cboOutputType();
    for (int32_t type = 0; type < OutputTypeCount; ++type)
        types->addItem(OutputTypeName(type), type);
    types->setCurrentIndex(0);
    // With no row selected this only sets the play speed edit's state.
    cboOutputTypeSelect();
}

void TConverterForm1::SetDefaultOutputFolder()
{
    const QString documents = uikit::Shell::instance().documentsFolder();
    if (documents.isEmpty())
        return;
    const QString folder = QDir::cleanPath(WithTrailingSeparator(documents) + context().Company +
                                           QLatin1Char('/') + context().Title);
    // Creating the folder may fail (read-only documents folder); Browse still offers another.
    QDir().mkpath(folder);
    m_options->showOutputFolder(folder);
}

void TConverterForm1::AddFiles(const QStringList& paths, ReportFailures report)
{
    WaitCursor hourglass;
    if (!paths.isEmpty()) {
        auto dialog = std::make_unique<TAddFileTipForm>(this);
        dialog->SetFiles(paths, report);
        dialog->SetExisting(ItemList);
        if (dialog->showModal() == uikit::ModalResult::Cancel)
            return;
        std::vector<TItemInfo> documents;
        dialog->TakeResults(documents);
        // The dialog has done its work; keeping it would hold one per adding until the end.
        dialog.reset();

        for (const TItemInfo& document : documents) {
            TItemInfo* record = NewItemInfo();
            record->name = document.name;
            record->path = document.path;
            record->pageCount = document.pageCount;
            record->pageRange = PagesText(*record);
            m_TntLV->appendRow(record);
        }
    }
    UpdateListVisibility();
}

void TConverterForm1::AddFolder(const QString& folder)
{
    const QStringList files = PdfEntriesOfFolder(folder);
    if (files.isEmpty())
        return;
    AddFiles(files, ReportFailures::No);
}

void TConverterForm1::DropPaths(const QStringList& names)
{
    const auto isDirectory = [](const QString& name) { return QFileInfo(name).isDir(); };
    for (const DropStep& step : PlanDrop(names, isDirectory)) {
        if (step.kind == DropStep::Kind::Folder)
            AddFolder(step.folder);
        else
            AddFiles(step.files, ReportFailures::No);
    }
}

TItemInfo* TConverterForm1::FocusedRecord() const
{
    const int row = m_TntLV->focusedRow();
    return row >= 0 ? m_TntLV->record(row) : nullptr;
}

void TConverterForm1::UpdateListVisibility()
{
    const bool listed = m_TntLV->rowCount() > 0;
    m_TntLV->setVisible(listed);
    m_FaceImage->setVisible(!listed);
    m_preview->PanelPreview()->setVisible(listed);
}

void TConverterForm1::SetAllChecked(bool checked)
{
    for (int row = 0; row < m_TntLV->rowCount(); ++row)
        m_TntLV->setRowChecked(row, checked);
}

int TConverterForm1::CheckedCount() const
{
    return m_TntLV->checkedRowCount();
}

void TConverterForm1::ShellOpen(const QString& target)
{
    uikit::Shell::instance().open(target);
}

void TConverterForm1::AddFileActExecute()
{
    const QStringList files = uikit::OpenFiles::instance().chooseFiles(
        this, QStringLiteral("Select PDF File"), QStringLiteral("Text files (*.pdf)"));
    AddFiles(files, ReportFailures::Yes);
}

void TConverterForm1::AddFolderActExecute()
{
    const QString folder = uikit::FolderBrowser::instance().chooseFolder(
        this, QStringLiteral("Please Select PDF Folder"), QString());
    if (!folder.isEmpty())
        AddFolder(folder);
}

void TConverterForm1::DeleteActExecute()
{
    // Only a single selected row is deleted: with several, the user's intent is unclear.
    if (m_TntLV->selectedRowCount() == 1) {
        ClosePreviewDocument();
        int row = 0;
        while (!m_TntLV->isRowSelected(row))
            ++row;
        const int successor = row + 1 < m_TntLV->rowCount() ? row + 1 : row - 1;
        if (successor >= 0) {
            m_TntLV->setFocusedRow(successor);
            m_TntLV->setRowSelected(successor, true);
        }
        RemoveItemInfo(m_TntLV->record(row));
        m_TntLV->removeRow(row);
    }
    if (m_TntLV->rowCount() == 0)
        m_options->edtPages()->clear();
    UpdateListVisibility();
}

void TConverterForm1::ClearAllActExecute()
{
    m_TntLV->removeAllRows();
    ClearItemInfos();
    m_preview->lblCurPage()->clear();
    m_preview->lblTotal()->clear();
    m_options->edtPages()->clear();
    UpdateListVisibility();
}

void TConverterForm1::HelpContentActExecute()
{
    ShellOpen(context().ResourceDir + QStringLiteral("help.html"));
}

void TConverterForm1::AboutActExecute()
{
    std::unique_ptr<TAboutForm> about;
    try {
        about = std::make_unique<TAboutForm>(this);
    } catch (const std::runtime_error& error) {
        // A broken installation: say what is missing instead of showing nothing.
        uikit::messageService().show(this, QString::fromUtf8(error.what()), context().Title,
                                     uikit::MessageButtons::Ok, uikit::MessageIcon::Critical);
        return;
    }
    about->showModal();
}

void TConverterForm1::ClosePreviewDocument()
{
    if (m_previewDoc > 0)
        pdfEngine().close(m_previewDoc);
    m_previewDoc = 0;
    // The page drawn from it must not stay on the panel.
    m_preview->PanelPreview()->update();
}

void TConverterForm1::closeEvent(QCloseEvent* event)
{
    // FormClose: the list goes with the window.
    ClearAllActExecute();
    QWidget::closeEvent(event);
}

void TConverterForm1::dragEnterEvent(QDragEnterEvent* event)
{
    if (!localFilesOf(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TConverterForm1::dropEvent(QDropEvent* event)
{
    const QStringList names = localFilesOf(event->mimeData());
    if (names.isEmpty())
        return;
    event->acceptProposedAction();
    // The adding dialogs run modal loops; the drag source must not wait for them.
    QMetaObject::invokeMethod(this, [this, names] { DropPaths(names); }, Qt::QueuedConnection);
}
