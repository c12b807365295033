#include "pagepress/documents/outputtype.h"

namespace {

const char *const outputTypeNames[OutputTypeCount] = {
    "Auto Play Format",
    "Simpleviewer Format",
    "Rfxview Format",
};

} // namespace

QString OutputTypeName(int32_t index)
{
    if (index < 0 || index >= OutputTypeCount)
        return QString();
    return QString::fromLatin1(outputTypeNames[index]);
}
