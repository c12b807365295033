#pragma once
// The look shared by all artwork: colours, fonts and the few drawing helpers.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>

namespace art {

// Neutrals: a slate title and frame, a light body, white panels.
inline const QColor Fuchsia(255, 0, 255);
inline const QColor TitleTop(0x33, 0x3d, 0x4f);
inline const QColor TitleBottom(0x24, 0x2c, 0x3a);
inline const QColor Frame(0x1b, 0x22, 0x2d);
inline const QColor BodyTop(0xf6, 0xf7, 0xfa);
inline const QColor BodyBottom(0xe9, 0xec, 0xf1);
inline const QColor Panel(0xff, 0xff, 0xff);
inline const QColor PanelBorder(0xcf, 0xd6, 0xdf);
inline const QColor HeadingBand(0xee, 0xf1, 0xf5);
inline const QColor Text(0x27, 0x31, 0x3f);
inline const QColor MutedText(0x7a, 0x85, 0x94);
// The accent of the application icon.
inline const QColor AccentLight(0xf5, 0x6c, 0x45);
inline const QColor Accent(0xe2, 0x4f, 0x2b);
inline const QColor AccentDark(0xbe, 0x3a, 0x1c);
inline const QColor AccentTint(0xfd, 0xec, 0xe6);

QFont uiFont(int pixelSize, bool bold = false);

// Paints every pixel outside a rounded outline of `radius` at the corners named fuchsia,
// without antialiasing, so the region cut from the skin has no pink fringe.
enum Corners { TopCorners = 1, BottomCorners = 2, AllCorners = 3 };
void cutCorners(QImage& image, int radius, int corners = AllCorners);
void fuchsiaColumn(QImage& image, int x);

// A window: slate title band, light body, an optional grey footer band for buttons, dark
// one-pixel frame, rounded corners, the rightmost column fuchsia.
QImage windowBase(int width, int height, int titleHeight, int radius, int footerHeight = 0);

// A white panel with a light border and, when heading is given, a heading band.
void drawPanel(QImage& image, const QRect& rect, const QString& heading = QString(), int headingHeight = 24);

} // namespace art
