#pragma once
// Internals of the page-selection texts, shared with their tests.

#include <QString>

#include <cstdint>

namespace pageranges {

// The value of a number typed into a page selection, 0 when it is not one: leading blanks
// (U+0020 only), then an optional sign and decimal digits, or "$", "x", "X", "0x" or "0X" and
// hexadecimal digits, then nothing more. Values outside the 32-bit signed range read as 0.
int32_t readNumber(const QString &text);

// `text` without leading and trailing characters up to U+0020 (blanks and control characters).
QString trimControls(const QString &text);

} // namespace pageranges
