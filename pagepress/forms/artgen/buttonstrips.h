#pragma once
// The button strips: three cells (normal, mouse over, pressed), each drawn over the
// pixels of the window skin where the button sits, so antialiased edges blend with it.

#include <QImage>
#include <QRect>
#include <QString>

namespace art {

enum class ToolIcon { AddFile, AddFolder, Delete, ClearAll, Convert };
enum class TitleGlyph { Close, Minimize };
enum class Emphasis { Normal, Primary };
enum class PageDirection { Previous, Next };

QImage toolButtonStrip(const QImage& skin, const QRect& at, ToolIcon icon, const QString& caption, Emphasis emphasis);
QImage pushButtonStrip(const QImage& skin, const QRect& at, const QString& caption, Emphasis emphasis);
QImage titleButtonStrip(const QImage& skin, const QRect& at, TitleGlyph glyph);
QImage pageButtonStrip(const QImage& skin, const QRect& at, PageDirection direction);

} // namespace art
