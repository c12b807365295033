#pragma once
// The converter tool's command for one document: program, input, output file, the switches
// every run carries and those of the document's output type. Pure functions, any thread.

#include "pagepress/conversion/toolcommand.h"
#include "pagepress/documents/pageranges.h"
#include "pagepress/documents/titeminfo.h"

#include <QString>

#include <optional>
#include <vector>

// The tool's path in the program folder (a folder text ending with the separator).
QString ToolPath(const QString& programFolder);

// The output file's base name: the document's name up to, not including, its last ".".
QString OutputBaseName(const QString& name);

// The ranges in "first-last" form, in list order, joined by commas (as in 1-3,5-7).
QString RangeText(const std::vector<RangePair>& ranges);

// The command that converts all of the record's ranges into <outputFolder>/<base>.swf, or
// nothing for an output type outside the table. outputFolder is used exactly as typed.
std::optional<ToolCommand> DocumentCommand(const QString& programFolder, const QString& outputFolder,
                                           const TItemInfo& record, const std::vector<RangePair>& ranges);
