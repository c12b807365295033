#include "pagepress/forms/skinresources.h"

#include <QImageReader>

#include <gtest/gtest.h>

using skin::ArtKind;
using skin::SkinArt;

namespace {

bool fuchsiaColumn(const QImage& image, int x)
{
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixel(x, y) != 0xffff00ff)
            return false;
    }
    return true;
}

// Every piece decodes at its catalogue size with its transparent edges, so the forms can
// trust the region and the cell arithmetic.
TEST(SkinResources, EveryPieceHasItsSizeAndTransparentEdges)
{
    for (std::size_t i = 0; i < skin::skinArtCatalogue.size(); ++i) {
        const auto piece = static_cast<SkinArt>(i);
        const skin::SkinArtInfo& info = skin::skinArtInfo(piece);
        SCOPED_TRACE(info.name);
        const QImage image = skin::skinImage(piece);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(info.width, info.height));
        if (info.kind == ArtKind::WindowSkin) {
            EXPECT_TRUE(fuchsiaColumn(image, image.width() - 1));
            EXPECT_EQ(image.pixel(0, 0), 0xffff00ff) << "rounded corner";
            EXPECT_EQ(image.pixel(0, image.height() - 1), 0xffff00ff) << "rounded corner";
            EXPECT_NE(image.pixel(image.width() / 2, image.height() / 2), 0xffff00ff);
        }
        if (info.kind == ArtKind::ButtonStrip) {
            EXPECT_EQ(info.width % 3, 0);
            const int cell = info.width / 3;
            for (int k = 1; k <= 3; ++k)
                EXPECT_TRUE(fuchsiaColumn(image, k * cell - 1)) << "cell " << k;
            EXPECT_FALSE(fuchsiaColumn(image, cell - 2));
            EXPECT_NE(image.copy(0, 0, cell, info.height), image.copy(cell, 0, cell, info.height))
                << "hover differs from normal";
            EXPECT_FALSE(skin::skinCaption(piece).isEmpty());
        }
    }
    EXPECT_EQ(skin::mainWindowSkin().size(), QSize(831, 572));
}

TEST(SkinResources, InstalledSkinsAreWindowsBitmaps)
{
    QByteArray stage = qgetenv("PP_STAGE_DIR");
    if (stage.isEmpty())
        stage = PP_BUILD_STAGE_DIR;
    const QString skins = QString::fromLocal8Bit(stage) + "/sys/soft/Brenlow PDF to Flash Converter/Skins/";
    for (const char* name : {"about.bmp", "progress.bmp"}) {
        QImageReader reader(skins + name);
        EXPECT_EQ(reader.format(), "bmp") << name;
        EXPECT_FALSE(reader.read().isNull()) << name;
    }
    QImage progress(skins + "progress.bmp");
    EXPECT_EQ(progress.size(), QSize(411, 14));
    EXPECT_EQ(progress.pixel(0, 13), 0xffff00ffu) << "the bottom-left pixel is the transparent key";
}

} // namespace
