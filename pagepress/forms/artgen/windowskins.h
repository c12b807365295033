#pragma once
// The four window skins.

#include <QImage>

namespace art {

QImage drawMainWindowSkin();
QImage drawAddFileDialogSkin();
QImage drawConvertDialogSkin();
QImage drawAboutBoxSkin();

} // namespace art
