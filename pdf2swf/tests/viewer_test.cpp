// The generated viewer movie, taken apart for merging, and merged under pages.
#include "converterror.h"
#include "moviecomposer.h"
#include "moviereader.h"
#include "navigationart.h"
#include "outputsink.h"
#include "viewermovie.h"
#include "viewertemplate.h"

#include <gtest/gtest.h>

namespace {

using pdf2swf::ViewerMovie;
using pdf2swf::ViewerTemplate;

TEST(ViewerTemplate, SplitsTheViewerIntoDefinitionsAndAClipTimeline)
{
    const ViewerTemplate viewer = ViewerTemplate::fromBytes(ViewerMovie::build(), "rfxview.swf");
    EXPECT_EQ(viewer.widthPixels(), ViewerMovie::barWidthPixels);
    EXPECT_EQ(viewer.heightPixels(), ViewerMovie::barHeightPixels);
    EXPECT_EQ(viewer.frameCount(), 2);
    EXPECT_GE(viewer.maxCharacterId(), 30); // four buttons of six ids from 10 on

    // Definitions hold no display-list tags; the timeline holds nothing but them.
    auto codesOf = [](const std::vector<uint8_t>& tags) {
        // Header, an empty stage (UB[5] = 1 bit per coordinate), rate and frame count.
        std::vector<uint8_t> file = {'F', 'W', 'S', 8, 0, 0, 0, 0, 0x08, 0x00, 0, 0, 0, 0};
        file.insert(file.end(), tags.begin(), tags.end());
        file.insert(file.end(), {0, 0});
        file[4] = static_cast<uint8_t>(file.size());
        file[5] = static_cast<uint8_t>(file.size() >> 8);
        const swf::MovieReader reader(file);
        std::vector<swf::TagCode> codes;
        for (const auto& tag : reader.tags())
            codes.push_back(tag.code);
        return codes;
    };
    for (swf::TagCode code : codesOf(viewer.definitionTags())) {
        EXPECT_NE(code, swf::TagCode::PlaceObject2);
        EXPECT_NE(code, swf::TagCode::ShowFrame);
        EXPECT_NE(code, swf::TagCode::FileAttributes);
        EXPECT_NE(code, swf::TagCode::SetBackgroundColor);
    }
    for (swf::TagCode code : codesOf(viewer.timelineTags()))
        EXPECT_TRUE(code == swf::TagCode::PlaceObject2 || code == swf::TagCode::DoAction || code == swf::TagCode::ShowFrame)
            << static_cast<int>(code);
}

TEST(ViewerTemplate, RefusesWhatIsNotAMovie)
{
    EXPECT_THROW(ViewerTemplate::fromBytes({'%', 'P', 'D', 'F'}, "x.pdf"), pdf2swf::ConvertError);
    std::vector<uint8_t> cut = ViewerMovie::build();
    cut.resize(cut.size() / 2);
    EXPECT_THROW(ViewerTemplate::fromBytes(cut, "cut.swf"), pdf2swf::ConvertError);
}

TEST(MovieComposer, PagesTakeIdsAboveTheViewerAndTheButtons)
{
    const ViewerTemplate viewer = ViewerTemplate::fromBytes(ViewerMovie::build(), "rfxview.swf");
    pdf2swf::MovieLayout layout;
    layout.pageAreaWidthPixels = 100; // narrower than the bar
    layout.pageAreaHeightPixels = 50;
    layout.frameCount = 1;
    layout.simpleViewer = true;
    swf::MemorySink sink;
    pdf2swf::MovieComposer composer(sink, layout, &viewer);
    EXPECT_EQ(composer.stageWidthPixels(), ViewerMovie::barWidthPixels);
    EXPECT_EQ(composer.stageHeightPixels(), 50 + ViewerMovie::barHeightPixels);
    EXPECT_GT(composer.bitmapId(0), viewer.maxCharacterId() + 1 + 2 * pdf2swf::navigationButtonIdCount - 1);
    EXPECT_EQ(composer.bitmapId(1), composer.bitmapId(0) + 2);
}

} // namespace
