#pragma once
// Accessibility for the skinned controls: screen readers and UI automation see the
// buttons as push buttons and the bar as a progress bar, named by their accessible name.

namespace skin {

// Installs the accessibility factory once per process; the controls call it themselves.
void installSkinAccessibility();

} // namespace skin
