#pragma once
// Where things sit on the window skins, in client pixels. The artwork is drawn around these
// places (panels, grooves, button backgrounds), so the forms put their controls here.
// Positions the dialogs' form descriptions fix are repeated here for the art generator.

#include <QRect>

namespace skin::layout {

// Main window, 831 x 572.
namespace main {
constexpr QRect TitleBand(0, 0, 831, 36);
constexpr QRect TitleText(40, 9, 500, 18);       // lblTitle (bold, white)
constexpr QRect MinButton(767, 9, 22, 18);       // btnMin
constexpr QRect CloseButton(795, 9, 22, 18);     // btnClose
constexpr QRect CoolBar(1, 36, 829, 24);         // CoolBar1 with the menu, coolBarPicture()
constexpr QRect AddFileButton(16, 67, 65, 67);   // btnAddFile
constexpr QRect AddFolderButton(87, 67, 65, 67); // btnAddFolder
constexpr QRect DeleteButton(158, 67, 65, 67);   // btnDelete
constexpr QRect ClearAllButton(229, 67, 65, 67); // btnClearAll
constexpr QRect ConvertButton(737, 67, 77, 67);  // btnConvert
constexpr QRect ListArea(16, 150, 560, 250);     // TntLV and FaceImage (emptyListPicture())
constexpr QRect EmptyListColumns[] = {{8, 4, 137, 16}, {153, 4, 156, 16}, {317, 4, 164, 16}}; // in ListArea
constexpr QRect PreviewBox(588, 150, 227, 250);  // the preview column with its heading
constexpr QRect PreviewPanel(617, 178, 168, 194);   // PanelPreview
constexpr QRect PrevPageButton(598, 379, 40, 15);   // btnPrevPage
constexpr QRect NextPageButton(765, 379, 40, 15);   // btnNextPage
constexpr QRect PageLabels(644, 378, 115, 17);      // lblCurPageTag, lblCurPage, lblTotalTag, lblTotal
constexpr QRect OptionsBox(16, 410, 799, 146);      // the options panel, split in three
constexpr QRect OptionGroup(26, 416, 380, 88);      // lblOptionGrp and the output type, dpi, speed rows
constexpr QRect PageRangeGroup(422, 416, 383, 88);  // lblPageRangeGrp, the radio buttons, edtPages, tip
constexpr QRect FolderRow(26, 512, 779, 36);        // lblOutputFolder, edtOutputFolder and two buttons
constexpr QRect OutputFolderEdit(124, 519, 460, 22); // edtOutputFolder
constexpr QRect BrowseButton(600, 517, 76, 25);     // btnBrowes
constexpr QRect OpenButton(684, 517, 76, 25);       // btnOpen
} // namespace main

// File-adding dialog, 527 x 226.
namespace addfile {
constexpr QRect TitleBand(0, 0, 527, 32);
constexpr QRect InfoPanel(28, 60, 471, 96);       // white panel around lblInfo (43, 76, 449, 66)
constexpr QRect OkButton(331, 175, 79, 25);       // btnOK
constexpr QRect CancelButton(416, 175, 79, 25);   // btnCancel
constexpr QRect CloseButton(491, 7, 22, 17);      // btnClose
} // namespace addfile

// Conversion progress dialog, 458 x 187.
namespace convert {
constexpr QRect TitleBand(0, 0, 458, 28);
constexpr QRect ProgressBar(23, 84, 411, 22);     // SkinProcess1; the fill is 13 px high
constexpr QRect StopButton(339, 127, 76, 25);     // ssSBStop
constexpr QRect CloseButton(421, 5, 22, 17);      // ssSBClose
} // namespace convert

// About box, 418 x 263.
namespace about {
constexpr QRect TitleBand(0, 0, 418, 30);
constexpr QRect Picture(20, 46, 120, 150);        // TntImage1 with Skins/about.bmp
constexpr QRect TextArea(156, 46, 246, 150);      // version, links and copyright labels
constexpr QRect OkButton(322, 224, 76, 23);       // ssSBOk
constexpr QRect CloseButton(388, 7, 20, 16);      // ssSBClose
} // namespace about

} // namespace skin::layout
