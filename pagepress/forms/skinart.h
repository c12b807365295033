#pragma once
// The catalogue of the artwork compiled into the application: every window skin and
// button strip, with its size. The art generator draws exactly these, in this order.
// Window skins: fuchsia (255, 0, 255) is transparent; the corners and the rightmost
// column are fuchsia. Button strips: three cells (normal, mouse over, pressed), the last
// column of each cell fuchsia.

#include <array>
#include <cstddef>

namespace skin {

enum class SkinArt {
    MainWindow,
    AddFileDialog,
    ConvertDialog,
    AboutBox,
    AboutCloseButton,
    AboutOkButton,
    AddFileOkButton,
    AddFileCancelButton,
    AddFileCloseButton,
    AddFileToolButton,
    AddFolderToolButton,
    DeleteToolButton,
    ClearAllToolButton,
    ConvertToolButton,
    PrevPageButton,
    NextPageButton,
    BrowseButton,
    OpenFolderButton,
    MinimizeButton,
    MainCloseButton,
    StopButton,
    ConvertCloseButton,
    EmptyListPicture,
    CoolBarPicture,
};

enum class ArtKind { WindowSkin, ButtonStrip, Picture };

struct SkinArtInfo {
    const char* name; // file name without extension, also the accessible caption's source
    int width;
    int height;
    ArtKind kind;
    const char* caption; // what the button says, for screen readers; empty for skins
};

inline constexpr std::array<SkinArtInfo, 24> skinArtCatalogue = {{
    {"mainwindow", 831, 572, ArtKind::WindowSkin, ""},
    {"addfiledialog", 527, 226, ArtKind::WindowSkin, ""},
    {"convertdialog", 458, 187, ArtKind::WindowSkin, ""},
    {"aboutbox", 418, 263, ArtKind::WindowSkin, ""},
    {"about-close", 60, 16, ArtKind::ButtonStrip, "Close"},
    {"about-ok", 228, 23, ArtKind::ButtonStrip, "OK"},
    {"addfile-ok", 237, 25, ArtKind::ButtonStrip, "OK"},
    {"addfile-cancel", 237, 25, ArtKind::ButtonStrip, "Cancel"},
    {"addfile-close", 66, 17, ArtKind::ButtonStrip, "Close"},
    {"main-addfile", 195, 67, ArtKind::ButtonStrip, "Add File"},
    {"main-addfolder", 195, 67, ArtKind::ButtonStrip, "Add Folder"},
    {"main-delete", 195, 67, ArtKind::ButtonStrip, "Delete"},
    {"main-clearall", 195, 67, ArtKind::ButtonStrip, "Clear All"},
    {"main-convert", 231, 67, ArtKind::ButtonStrip, "Convert"},
    {"main-prevpage", 120, 15, ArtKind::ButtonStrip, "Previous Page"},
    {"main-nextpage", 120, 15, ArtKind::ButtonStrip, "Next Page"},
    {"main-browse", 228, 25, ArtKind::ButtonStrip, "Browse"},
    {"main-openfolder", 228, 25, ArtKind::ButtonStrip, "Open Folder"},
    {"main-minimize", 66, 18, ArtKind::ButtonStrip, "Minimize"},
    {"main-close", 66, 18, ArtKind::ButtonStrip, "Close"},
    {"convert-stop", 228, 25, ArtKind::ButtonStrip, "Stop"},
    {"convert-close", 66, 17, ArtKind::ButtonStrip, "Close"},
    {"emptylist", 560, 250, ArtKind::Picture, ""},
    {"coolbar", 829, 24, ArtKind::Picture, ""},
}};

constexpr const SkinArtInfo& skinArtInfo(SkinArt art)
{
    return skinArtCatalogue[static_cast<std::size_t>(art)];
}

} // namespace skin
