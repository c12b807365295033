#pragma once
// GUI test helpers of the skinned controls.

#include "uikit/testing/guiapp.h"

#include <QRegion>

// Regions cover the same pixels (QRegion's == compares representations).
inline bool sameArea(const QRegion& a, const QRegion& b)
{
    return a.xored(b).isEmpty();
}
