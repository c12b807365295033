#include "guiapp.h"
#include "pagepress/skin/tssskinform.h"
#include "uikit/form.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using skin::TssSkinForm;

namespace {

// Records the moves it is asked for instead of starting one (offscreen has no window manager).
class RecordingSkinForm : public TssSkinForm {
public:
    using TssSkinForm::TssSkinForm;
    int moves = 0;

protected:
    bool startWindowMove() override
    {
        ++moves;
        return true;
    }
};

// A 6 x 4 skin: fuchsia corners and last column, grey elsewhere.
QImage smallSkin()
{
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(QColor(60, 70, 80));
    for (int y = 0; y < 4; ++y)
        image.setPixel(5, y, 0xffff00ff);
    image.setPixel(0, 0, 0xffff00ff);
    image.setPixel(4, 0, 0xffff00ff);
    return image;
}

TEST(TssSkinForm, SkinSizesControlAndFormAndCutsTheRegion)
{
    guiApp();
    uikit::Form form;
    TssSkinForm background(&form);
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(background.size(), QSize(200, 100));

    background.move(3, 3);
    background.SetPicture(smallSkin());
    EXPECT_EQ(background.geometry(), QRect(0, 0, 6, 4));
    EXPECT_EQ(form.size(), QSize(6, 4));
    EXPECT_TRUE(sameArea(form.mask(), QRegion(1, 0, 3, 1) + QRegion(0, 1, 5, 3)));
}

TEST(TssSkinForm, EmptyGlyphChangesNothingAndPaintsAFrame)
{
    guiApp();
    uikit::Form form;
    form.resize(300, 200);
    TssSkinForm background(&form);
    QSignalSpy changed(&background, &TssSkinForm::regionChanged);
    background.SetPicture(QImage());
    background.SetColor(QColor(255, 0, 255));
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(form.size(), QSize(300, 200));
    EXPECT_TRUE(form.mask().isEmpty());

    const QImage painted = background.grab().toImage();
    EXPECT_EQ(QColor(painted.pixel(0, 0)), QColor(Qt::black));
    EXPECT_EQ(QColor(painted.pixel(199, 99)), QColor(Qt::black));
    EXPECT_NE(QColor(painted.pixel(100, 50)), QColor(Qt::black));
}

TEST(TssSkinForm, SameColourAgainRebuildsTheRegion)
{
    guiApp();
    uikit::Form form;
    TssSkinForm background(&form);
    background.SetPicture(smallSkin());
    QSignalSpy changed(&background, &TssSkinForm::regionChanged);
    background.SetColor(QColor(255, 0, 255));
    background.SetColor(QColor(255, 0, 255));
    EXPECT_EQ(changed.count(), 2);

    // Another colour cuts other pixels: now only the last column goes.
    background.SetColor(QColor(60, 70, 80));
    EXPECT_TRUE(sameArea(form.mask(), QRegion(0, 0, 1, 1) + QRegion(4, 0, 1, 1)));
}

TEST(TssSkinForm, AnyMouseButtonOnTheBackgroundMovesTheWindow)
{
    guiApp();
    uikit::Form form;
    RecordingSkinForm background(&form);
    background.SetPicture(smallSkin());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mousePress(&background, Qt::RightButton, {}, QPoint(2, 2));
    QTest::mouseRelease(&background, Qt::RightButton, {}, QPoint(2, 2));
    QTest::mousePress(&background, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(&background, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(background.moves, 2);
}

} // namespace
