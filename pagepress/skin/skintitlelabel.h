#pragma once
// The caption of a skinned window: bold white text on the skin's dark title band.

class QLabel;

namespace skin {

// Makes label bold and white; a pixelSize above 0 also sets the text's size in pixels.
void StyleTitleLabel(QLabel* label, int pixelSize = 0);

} // namespace skin
