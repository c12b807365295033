#pragma once
// Pictures that are not skins: the cool bar, the empty list, the about picture, the fill.

#include <QImage>

namespace art {

QImage drawCoolBar();          // 829 x 24
QImage drawEmptyList();        // 560 x 250
QImage drawAboutPicture();     // 120 x 150
QImage drawProgressFill();     // 411 x 14

} // namespace art
