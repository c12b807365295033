#include "pagepress/mainwindow/optionrules.h"

#include "pagepress/documents/pageranges.h"

namespace {

bool isDigits(const QString& text)
{
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// The decimal value of a trimmed digit text, or nothing when it is not one or too long.
std::optional<int32_t> numberOf(const QString& text)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty() || !isDigits(digits))
        return std::nullopt;
    bool ok = false;
    const int value = digits.toInt(&ok, 10);
    return ok ? std::optional<int32_t>(value) : std::nullopt;
}

} // namespace

TypedNumber CheckTypedNumber(const QString& text, const NumberField& field)
{
    if (text.isEmpty())
        return {TypedNumber::Kind::Empty};
    if (!isDigits(text))
        return {TypedNumber::Kind::Rejected};
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    // Too many digits for an integer is a value above the bound, whatever the bound is.
    if (!ok || value > field.highest)
        return {TypedNumber::Kind::Rejected};
    return {TypedNumber::Kind::Accepted, value};
}

bool IsNumberInRange(const QString& text, const NumberField& field)
{
    const std::optional<int32_t> value = numberOf(text);
    return value && *value >= field.lowest && *value <= field.highest;
}

QString NormalizeTypedPages(const QString& text, int32_t pageCount)
{
    const qsizetype lastComma = text.lastIndexOf(u',');
    if (lastComma < 0)
        return text;
    QString head = text.left(lastComma);
    if (!head.isEmpty())
        NormalizePageRanges(head, pageCount);
    return head + text.mid(lastComma);
}

AppliedOptions ApplyOptionTexts(const OptionTexts& texts, TItemInfo& record)
{
    AppliedOptions applied;

    if (const std::optional<int32_t> speed = numberOf(texts.frameRate);
        speed && *speed >= FrameRateField.lowest && *speed <= FrameRateField.highest) {
        record.frameRate = QString::number(*speed);
    } else {
        // Typing stores values below the bound (a 0 among them); those must not be kept.
        if (!IsNumberInRange(record.frameRate, FrameRateField))
            record.frameRate = QString::fromLatin1(FrameRateField.resetText);
        applied.frameRateEdit = record.frameRate;
    }

    if (const std::optional<int32_t> dpi = numberOf(texts.resolution);
        dpi && *dpi >= ResolutionField.lowest && *dpi <= ResolutionField.highest) {
        record.resolution = *dpi;
        record.zoom = QString::number(*dpi);
    } else {
        if (record.resolution < ResolutionField.lowest || record.resolution > ResolutionField.highest)
            record.resolution = QString::fromLatin1(ResolutionField.resetText).toInt();
        record.zoom = QString::number(record.resolution);
        applied.resolutionEdit = record.zoom;
    }

    applied.pages = texts.pages.trimmed();
    if (record.pageMode == 2) {
        NormalizePageRanges(applied.pages, record.pageCount);
        applied.invalidPageRange = applied.pages.isEmpty();
    }
    record.pageRange = applied.pages;
    return applied;
}
