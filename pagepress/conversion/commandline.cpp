#include "pagepress/conversion/commandline.h"

#include "pagepress/documents/outputtype.h"
#include "platform/childprocess.h"
#include "platform/filesystem.h"

namespace {

const QChar separator = QLatin1Char(platform::pathSeparator);

} // namespace

QString ToolPath(const QString& programFolder)
{
    return programFolder + QStringLiteral("pdf2swf") + QString::fromUtf8(platform::executableSuffix);
}

QString OutputBaseName(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

QString RangeText(const std::vector<RangePair>& ranges)
{
    QStringList parts;
    for (const RangePair& range : ranges)
        parts.append(QStringLiteral("%1-%2").arg(range.first).arg(range.last));
    return parts.join(u',');
}

std::optional<ToolCommand> DocumentCommand(const QString& programFolder, const QString& outputFolder,
                                           const TItemInfo& record, const std::vector<RangePair>& ranges)
{
    if (record.outputType < 0 || record.outputType >= OutputTypeCount)
        return std::nullopt;

    // Folders are joined as they stand: a folder that already ends with the separator gives
    // two in a row, which the file system reads as one.
    ToolCommand command(ToolPath(programFolder));
    command.addQuoted(record.path);
    command.add(QStringLiteral("-o"));
    command.addQuoted(outputFolder + separator + OutputBaseName(record.name) + QStringLiteral(".swf"));
    command.add(QStringLiteral("-s"));
    command.add(QStringLiteral("poly2bitmap"));
    command.add(QStringLiteral("-s"));
    command.addQuoted(programFolder + QStringLiteral("RC2"), QStringLiteral("languagedir="));

    const QString zoom = QStringLiteral("zoom=") + record.zoom;
    switch (record.outputType) {
    case AutoPlayOutput:
        command.add(QStringLiteral("-p"));
        command.add(RangeText(ranges));
        command.add(QStringLiteral("-s"));
        command.add(zoom);
        command.add(QStringLiteral("-s"));
        command.add(QStringLiteral("framerate=") + record.frameRate);
        break;
    case SimpleViewerOutput:
        command.add(QStringLiteral("-s"));
        command.add(QStringLiteral("simpleviewer"));
        command.add(QStringLiteral("-t"));
        command.add(QStringLiteral("-p"));
        command.add(RangeText(ranges));
        command.add(QStringLiteral("-s"));
        command.add(zoom);
        break;
    case RfxViewOutput:
        command.add(QStringLiteral("-B"));
        command.addQuoted(programFolder + separator + QStringLiteral("swfs") + separator + QStringLiteral("rfxview.swf"));
        command.add(QStringLiteral("-p"));
        command.add(RangeText(ranges));
        command.add(QStringLiteral("-s"));
        command.add(zoom);
        break;
    }
    return command;
}
