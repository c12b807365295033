#pragma once

#include <QString>

#include <cstdint>

// The output types a document can be converted to, by TItemInfo::outputType.
enum OutputType : int32_t {
    AutoPlayOutput = 0,
    SimpleViewerOutput = 1,
    RfxViewOutput = 2,
};

constexpr int32_t OutputTypeCount = 3;

// Display name of an output type; the empty text for an index outside the table.
QString OutputTypeName(int32_t index);
