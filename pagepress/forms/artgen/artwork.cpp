#include "artwork.h"

#include "buttonstrips.h"
#include "pictures.h"
#include "windowskins.h"
#include "pagepress/forms/skinlayout.h"

namespace art {

namespace L = skin::layout;
using skin::SkinArt;

QImage drawSkinArt(SkinArt piece)
{
    switch (piece) {
    case SkinArt::MainWindow:
        return drawMainWindowSkin();
    case SkinArt::AddFileDialog:
        return drawAddFileDialogSkin();
    case SkinArt::ConvertDialog:
        return drawConvertDialogSkin();
    case SkinArt::AboutBox:
        return drawAboutBoxSkin();
    case SkinArt::AboutCloseButton:
        return titleButtonStrip(drawAboutBoxSkin(), L::about::CloseButton, TitleGlyph::Close);
    case SkinArt::AboutOkButton:
        return pushButtonStrip(drawAboutBoxSkin(), L::about::OkButton, "OK", Emphasis::Primary);
    case SkinArt::AddFileOkButton:
        return pushButtonStrip(drawAddFileDialogSkin(), L::addfile::OkButton, "OK", Emphasis::Primary);
    case SkinArt::AddFileCancelButton:
        return pushButtonStrip(drawAddFileDialogSkin(), L::addfile::CancelButton, "Cancel", Emphasis::Normal);
    case SkinArt::AddFileCloseButton:
        return titleButtonStrip(drawAddFileDialogSkin(), L::addfile::CloseButton, TitleGlyph::Close);
    case SkinArt::AddFileToolButton:
        return toolButtonStrip(drawMainWindowSkin(), L::main::AddFileButton, ToolIcon::AddFile, "Add File", Emphasis::Normal);
    case SkinArt::AddFolderToolButton:
        return toolButtonStrip(drawMainWindowSkin(), L::main::AddFolderButton, ToolIcon::AddFolder, "Add Folder", Emphasis::Normal);
    case SkinArt::DeleteToolButton:
        return toolButtonStrip(drawMainWindowSkin(), L::main::DeleteButton, ToolIcon::Delete, "Delete", Emphasis::Normal);
    case SkinArt::ClearAllToolButton:
        return toolButtonStrip(drawMainWindowSkin(), L::main::ClearAllButton, ToolIcon::ClearAll, "Clear All", Emphasis::Normal);
    case SkinArt::ConvertToolButton:
        return toolButtonStrip(drawMainWindowSkin(), L::main::ConvertButton, ToolIcon::Convert, "Convert", Emphasis::Primary);
    case SkinArt::PrevPageButton:
        return pageButtonStrip(drawMainWindowSkin(), L::main::PrevPageButton, PageDirection::Previous);
    case SkinArt::NextPageButton:
        return pageButtonStrip(drawMainWindowSkin(), L::main::NextPageButton, PageDirection::Next);
    case SkinArt::BrowseButton:
        return pushButtonStrip(drawMainWindowSkin(), L::main::BrowseButton, "Browse", Emphasis::Normal);
    case SkinArt::OpenFolderButton:
        return pushButtonStrip(drawMainWindowSkin(), L::main::OpenButton, "Open Folder", Emphasis::Normal);
    case SkinArt::MinimizeButton:
        return titleButtonStrip(drawMainWindowSkin(), L::main::MinButton, TitleGlyph::Minimize);
    case SkinArt::MainCloseButton:
        return titleButtonStrip(drawMainWindowSkin(), L::main::CloseButton, TitleGlyph::Close);
    case SkinArt::StopButton:
        return pushButtonStrip(drawConvertDialogSkin(), L::convert::StopButton, "Stop", Emphasis::Normal);
    case SkinArt::ConvertCloseButton:
        return titleButtonStrip(drawConvertDialogSkin(), L::convert::CloseButton, TitleGlyph::Close);
    case SkinArt::EmptyListPicture:
        return drawEmptyList();
    case SkinArt::CoolBarPicture:
        return drawCoolBar();
    }
    return {};
}

} // namespace art
