#pragma once
// TConverterForm1: the application's main window. A skinned borderless window holding the
// document list, the conversion options, the page preview, the File and Help menus and the
// buttons of its actions. It adds documents through the file-adding dialog, turns the
// accepted ones into records (ItemList) and rows, and removes both together.
//
// UI thread only. The rows refer to the records of ItemList; closing (or destroying) the
// window clears both.

#include "pagepress/documents/adding/addfilethread.h"
#include "pagepress/mainwindow/mainwindowactions.h"

#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <optional>

class CaptionMenuBar;
struct NumberField;
class EmptyListFace;
class FileListView;
class OptionsPanel;
class PreviewBox;
class QImage;
class QLabel;
class QLineEdit;
class QMenu;
struct TItemInfo;

namespace skin {
class TssSkinButton;
class TssSkinForm;
} // namespace skin

namespace uikit {
class ActionList;
} // namespace uikit

class TConverterForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TConverterForm1(QWidget* parent = nullptr);
    ~TConverterForm1() override;

    // Adds the documents among paths through the adding dialog, in order. Nothing is added
    // when the dialog is cancelled. An empty list only updates what is shown.
    void AddFiles(const QStringList& paths, ReportFailures report);
    // Adds the folder's own *.pdf entries; a folder without any shows no dialog.
    void AddFolder(const QString& folder);
    // Adds dropped files and folders in the order dropped (see PlanDrop).
    void DropPaths(const QStringList& names);

    // The record of the focused row, or nullptr.
    TItemInfo* FocusedRecord() const;
    void UpdateListVisibility();
    void SetAllChecked(bool checked);
    int CheckedCount() const;
    // Opens a file, folder or link with the desktop; failures are not reported.
    void ShellOpen(const QString& target);
    // The engine handle of the previewed document; 0 while none is open.
    int32_t previewDocument() const { return m_previewDoc; }

    const MainWindowActions& actions() const { return m_actions; }
    uikit::ActionList* TntActionList1() const { return m_actionList; }
    FileListView* TntLV() const { return m_TntLV; }
    EmptyListFace* FaceImage() const { return m_FaceImage; }
    QLabel* lblTitle() const { return m_lblTitle; }
    OptionsPanel* options() const { return m_options; }
    PreviewBox* preview() const { return m_preview; }
    QMenu* fileMenu() const { return m_fileMenu; }
    QMenu* helpMenu() const { return m_helpMenu; }
    QMenu* TntPopupMenu1() const { return m_popupMenu; }
    skin::TssSkinButton* btnAddFile() const { return m_btnAddFile; }
    skin::TssSkinButton* btnAddFolder() const { return m_btnAddFolder; }
    skin::TssSkinButton* btnDelete() const { return m_btnDelete; }
    skin::TssSkinButton* btnClearAll() const { return m_btnClearAll; }
    skin::TssSkinButton* btnConvert() const { return m_btnConvert; }
    skin::TssSkinButton* btnMin() const { return m_btnMin; }
    skin::TssSkinButton* btnClose() const { return m_btnClose; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createControls();
    void createMenus();
    void setUpActions();
    void FillOutputTypes();
    void SetDefaultOutputFolder();

    void AddFileActExecute();
    void AddFolderActExecute();
    void DeleteActExecute();
    void ClearAllActExecute();
    void HelpContentActExecute();
    void AboutActExecute();
    void ClosePreviewDocument();

    // The options panel (tconverterform1options.cpp).
    void connectOptions();
    void cboOutputTypeSelect();
    void UpdateTypeColumn(int row, const TItemInfo& record);
    void UpdateFrameRateEnabled();
    void edtResolutionChange();
    void edtFramerateChange();
    // The common check of the two number edits; returns the value to store, if any.
    std::optional<int32_t> CheckNumberEdit(QLineEdit* edit, const NumberField& field);
    void SetPageMode(int32_t pageMode);
    void UpdatePagesColumn(const TItemInfo& record);
    void ShowPageMode(const TItemInfo& record);
    void edtPagesChange();
    void ShowOptions(const TItemInfo& record);
    void BrowseActExecute();
    void ApplyOptions(int row, TItemInfo& record);
    // The output folder to convert into, created if missing; false when there is none.
    bool PrepareOutputFolder();
    void ConvertActExecute();

    // The page preview (tconverterform1preview.cpp).
    void PreviewWndProc(QImage& surface);
    void RenderPreview(const TItemInfo& record, QImage& surface);
    void RefreshPreview();
    void TntLVSelectItem(int row, bool selected);
    void PrevPageActExecute();
    void NextPageActExecute();

    skin::TssSkinForm* m_skinBG = nullptr;
    QLabel* m_lblTitle = nullptr;
    CaptionMenuBar* m_coolBar = nullptr;
    FileListView* m_TntLV = nullptr;
    EmptyListFace* m_FaceImage = nullptr;
    OptionsPanel* m_options = nullptr;
    PreviewBox* m_preview = nullptr;
    skin::TssSkinButton* m_btnAddFile = nullptr;
    skin::TssSkinButton* m_btnAddFolder = nullptr;
    skin::TssSkinButton* m_btnDelete = nullptr;
    skin::TssSkinButton* m_btnClearAll = nullptr;
    skin::TssSkinButton* m_btnConvert = nullptr;
    skin::TssSkinButton* m_btnMin = nullptr;
    skin::TssSkinButton* m_btnClose = nullptr;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QMenu* m_popupMenu = nullptr;
    uikit::ActionList* m_actionList = nullptr;
    MainWindowActions m_actions;

    int32_t m_previewDoc = 0;      // previewDoc: engine handle of the previewed document, 0 none
    bool m_pagesEditArmed = true;  // pagesEditArmed: edtPages changes come from the user
    // Off while the panel shows a record's own values: they are not typed and must not be
    // stored into the focused record, which may be another one (Select All).
    bool m_numberEditsArmed = true;
};
