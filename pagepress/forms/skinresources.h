#pragma once
// The artwork compiled into the application (see skinart.h for the catalogue and
// skinlayout.h for where each piece goes). Images are decoded on first use and shared;
// UI thread only. The two pictures the installation keeps on disk, Skins/about.bmp and
// Skins/progress.bmp, are not here: the forms load those at run time.
//
// A form puts them together like this:
//   auto* background = new skin::TssSkinForm(this);
//   background->SetPicture(skin::mainWindowSkin());
//   auto* add = new skin::TssSkinButton(skin::skinImage(skin::SkinArt::AddFileToolButton),
//                                       skin::skinCaption(skin::SkinArt::AddFileToolButton), this);
//   add->move(skin::layout::main::AddFileButton.topLeft());
//   add->setAction(addFileAct);

#include "pagepress/forms/skinart.h"

#include <QImage>
#include <QString>

namespace skin {

// Any piece of the catalogue; a null image only if the build's art is broken.
QImage skinImage(SkinArt art);
// The caption a button strip shows (for accessible names), empty for skins and pictures.
QString skinCaption(SkinArt art);

inline QImage mainWindowSkin() { return skinImage(SkinArt::MainWindow); }
inline QImage addFileDialogSkin() { return skinImage(SkinArt::AddFileDialog); }
inline QImage convertDialogSkin() { return skinImage(SkinArt::ConvertDialog); }
inline QImage aboutBoxSkin() { return skinImage(SkinArt::AboutBox); }
inline QImage emptyListPicture() { return skinImage(SkinArt::EmptyListPicture); }
inline QImage coolBarPicture() { return skinImage(SkinArt::CoolBarPicture); }

} // namespace skin
