#pragma once
// Every picture of the application, drawn with QPainter.

#include "pagepress/forms/skinart.h"

#include "pictures.h"

#include <QImage>

namespace art {

// A catalogue entry at its exact size.
QImage drawSkinArt(skin::SkinArt art);

} // namespace art
