#include "pagepress/conversion/commandline.h"

#include <gtest/gtest.h>

namespace {

TItemInfo record(int outputType, const QString& path = "/docs/report.pdf", const QString& name = "report.pdf")
{
    TItemInfo item;
    item.outputType = outputType;
    item.path = path;
    item.name = name;
    item.zoom = "72";
    item.frameRate = "2";
    return item;
}

TEST(CommandLine, TextOfEachOutputType)
{
    const std::vector<RangePair> pages = {{1, 12}};
    const QString base = R"("/app/pdf2swf" "/docs/report.pdf" -o "/out/report.swf" -s poly2bitmap -s languagedir="/app/RC2")";
    struct Case {
        int outputType;
        QString switches;
    };
    const Case cases[] = {
        // The worked example of the command line, with this platform's folders.
        {0, " -p 1-12 -s zoom=72 -s framerate=2"},
        {1, " -s simpleviewer -t -p 1-12 -s zoom=72"},
        // Folders are joined as they stand, so the viewer path carries two separators.
        {2, R"( -B "/app//swfs/rfxview.swf" -p 1-12 -s zoom=72)"},
    };
    for (const Case& c : cases) {
        const std::optional<ToolCommand> command = DocumentCommand("/app/", "/out", record(c.outputType), pages);
        ASSERT_TRUE(command) << c.outputType;
        EXPECT_EQ(command->text(), base + c.switches) << c.outputType;
    }
}

TEST(CommandLine, ArgumentsAreTheTextsPiecesWithoutQuotes)
{
    TItemInfo item = record(2, R"(/in/a "b" c\d.pdf)", "Grüße.pdf");
    item.zoom = "150";
    const std::optional<ToolCommand> command = DocumentCommand("/app dir/", "/out/", item, {{1, 3}, {5, 7}});
    ASSERT_TRUE(command);
    EXPECT_EQ(command->program(), "/app dir/pdf2swf");
    EXPECT_EQ(command->arguments(),
              (QStringList{R"(/in/a "b" c\d.pdf)", "-o", "/out//Grüße.swf", "-s", "poly2bitmap", "-s",
                           "languagedir=/app dir/RC2", "-B", "/app dir//swfs/rfxview.swf", "-p", "1-3,5-7",
                           "-s", "zoom=150"}));
    EXPECT_EQ(command->text(),
              R"("/app dir/pdf2swf" "/in/a "b" c\d.pdf" -o "/out//Grüße.swf" -s poly2bitmap )"
              R"(-s languagedir="/app dir/RC2" -B "/app dir//swfs/rfxview.swf" -p 1-3,5-7 -s zoom=150)");
}

TEST(CommandLine, UnknownOutputTypeGivesNoCommand)
{
    for (int outputType : {-1, 3})
        EXPECT_FALSE(DocumentCommand("/app/", "/out", record(outputType), {{1, 1}})) << outputType;
}

TEST(CommandLine, BaseNameDropsOnlyTheLastExtension)
{
    const std::pair<QString, QString> cases[] = {
        {"report.pdf", "report"}, {"a.b.pdf", "a.b"}, {"README", "README"}, {"archive.", "archive"}, {".pdf", ""},
    };
    for (const auto& [name, base] : cases)
        EXPECT_EQ(OutputBaseName(name), base) << name.toStdString();
}

TEST(CommandLine, RangesAreJoinedInListOrder)
{
    EXPECT_EQ(RangeText({{5, 7}, {1, 3}, {9, 9}}), "5-7,1-3,9-9");
    EXPECT_EQ(RangeText({{1, 12}}), "1-12");
}

} // namespace
