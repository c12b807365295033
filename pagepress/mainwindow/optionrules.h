#pragma once
// The rules of the conversion options panel as plain functions: what a typed resolution or
// play speed is worth, how page-range typing is cleaned up, and what the Convert check keeps
// of the edits. They hold no widgets; the main window applies their verdicts to its
// controls and records. Pure functions, any thread.

#include "pagepress/documents/titeminfo.h"

#include <QString>

#include <cstdint>
#include <optional>

// A number edit with an upper bound checked while typing and a lower bound checked at Convert.
struct NumberField {
    int32_t lowest;
    int32_t highest;
    const char* warning;  // shown when typing leaves the digits or passes `highest`
    const char* resetText; // what the edit shows after the warning
};

inline constexpr NumberField ResolutionField{20, 600, "Please input number between 20 and 600", "72"};
inline constexpr NumberField FrameRateField{1, 35, "Please input number between 1 and 35", "2"};

// The verdict on a number edit's text while the user types.
struct TypedNumber {
    enum class Kind {
        Empty,    // nothing to store; the record keeps its value
        Accepted, // store `value` (values below the lower bound too, so typing can go on)
        Rejected, // warn and reset the edit
    };
    Kind kind;
    int32_t value = 0;
};

// Only the digits 0-9 are accepted, up to field.highest. A digit string too long for an
// integer is above any bound and rejected like one.
TypedNumber CheckTypedNumber(const QString& text, const NumberField& field);

// Whether a number text (blanks around it allowed) lies within the field's bounds.
bool IsNumberInRange(const QString& text, const NumberField& field);

// What page-range typing keeps of the edit's text: every piece before the last comma is
// normalised against the page count, the piece after it stays as typed.
QString NormalizeTypedPages(const QString& text, int32_t pageCount);

// The edit texts that the Convert check reads.
struct OptionTexts {
    QString frameRate;
    QString resolution;
    QString pages;
};

// The outcome of the Convert check on the focused record.
struct AppliedOptions {
    // Texts the edits must show again because theirs were out of range.
    std::optional<QString> frameRateEdit;
    std::optional<QString> resolutionEdit;
    // The page selection stored in the record and shown in its row.
    QString pages;
    // Page mode 2 with nothing valid left: the conversion must not start.
    bool invalidPageRange = false;
};

// Checks the edits against the record and stores what passes: frameRate and zoom from
// in-range edits, pageRange always (normalised in page mode 2). An out-of-range edit goes
// back to the record's value, or to the field's reset text when the record's value was
// itself typed out of range, so no out-of-range value reaches the converter.
AppliedOptions ApplyOptionTexts(const OptionTexts& texts, TItemInfo& record);
