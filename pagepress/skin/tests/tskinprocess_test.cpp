#include "guiapp.h"
#include "pagepress/skin/tskinprocess.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using skin::TSkinProcess;

namespace {

QImage fillPicture()
{
    QImage image(40, 14, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 220));
    return image;
}

// Three cells of an 11 x 15 thumb, so half its width is 5.
QImage thumbStrip()
{
    QImage image(33, 15, QImage::Format_RGB32);
    image.fill(QColor(250, 250, 250));
    return image;
}

// The progress dialog's bar: 411 x 22 at (23, 84), track 0..411, base line 11.
struct BarFixture : WithGuiApp {
    QWidget parent;
    TSkinProcess* bar;

    explicit BarFixture(bool thumb)
    {
        guiApp();
        parent.resize(458, 187);
        bar = new TSkinProcess(&parent);
        bar->setGeometry(23, 84, 411, 22);
        bar->SetImage2(fillPicture());
        if (thumb)
            bar->SetImage3(thumbStrip());
        bar->SetBaseLine(11);
        bar->SetExtRange(0, 411);
        bar->Setprocess(0);
        parent.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&parent));
    }
};

TEST(TSkinProcess, FillLengthIsTheIntegerShareOfTheTrack)
{
    BarFixture f(false);
    const std::pair<int, int> cases[] = {{50, 205}, {100, 411}, {0, 0}, {1, 4}, {99, 406}, {150, 616}};
    for (auto [pos, width] : cases) {
        f.bar->Setprocess(pos);
        EXPECT_EQ(f.bar->Image2()->width(), width) << "pos " << pos;
        EXPECT_EQ(f.bar->Image2()->x(), 23);
    }
    EXPECT_EQ(f.bar->Image2()->y(), 84 + 11 - 7) << "centred on the base line";
    EXPECT_EQ(f.bar->Getprocess(), 0) << "without a thumb the position reads 0";
}

TEST(TSkinProcess, ThumbLosesTheFillsFractionOnTheWayBack)
{
    BarFixture f(true);
    QSignalSpy changes(f.bar, &TSkinProcess::processChanged);
    f.bar->Setprocess(50);
    EXPECT_EQ(f.bar->Image3()->x(), 23 - 5 + 205);
    EXPECT_EQ(f.bar->process(), 49);
    f.bar->Setprocess(100);
    EXPECT_EQ(f.bar->process(), 100);
    f.bar->Setprocess(250);
    EXPECT_EQ(f.bar->Image3()->x(), 23 + 411 - 5) << "the thumb stays on the track";
    EXPECT_EQ(changes.count(), 0) << "only the user's input is announced";
}

TEST(TSkinProcess, RangeModeKeepsTheThumbOnTheFillSpan)
{
    BarFixture f(true);
    f.bar->SetImage2Range(100, 50);
    const QRect fill = f.bar->Image2()->geometry();
    EXPECT_EQ(fill, QRect(123, 88, 50, 14));
    // A click left of the span parks the thumb at its start, right of it at its end.
    QTest::mouseClick(f.bar, Qt::LeftButton, {}, QPoint(10, 11));
    EXPECT_EQ(f.bar->Image3()->x(), 123 - 5);
    QTest::mouseClick(f.bar, Qt::LeftButton, {}, QPoint(300, 11));
    EXPECT_EQ(f.bar->Image3()->x(), 173 - 5);
    EXPECT_EQ(f.bar->Image2()->geometry(), fill) << "range mode never moves the fill";

    f.bar->SetFreeMode(skin::ThumbTravel::WholeTrack);
    QTest::mouseClick(f.bar, Qt::LeftButton, {}, QPoint(300, 11));
    EXPECT_EQ(f.bar->Image3()->x(), 23 + 300 - 5);
}

TEST(TSkinProcess, ClickOnTheFillEqualsAClickOnTheBar)
{
    BarFixture onBar(true);
    BarFixture onFill(true);
    onBar.bar->Setprocess(60);
    onFill.bar->Setprocess(60);
    QSignalSpy barChanges(onBar.bar, &TSkinProcess::processChanged);
    QSignalSpy fillChanges(onFill.bar, &TSkinProcess::processChanged);

    QTest::mouseClick(onBar.bar, Qt::LeftButton, {}, QPoint(120, 11));
    QLabel* fill = onFill.bar->Image2();
    QTest::mouseClick(fill, Qt::LeftButton, {}, QPoint(120 + 23 - fill->x(), 5));

    EXPECT_EQ(onFill.bar->Image3()->x(), onBar.bar->Image3()->x());
    EXPECT_EQ(onFill.bar->Image2()->width(), onBar.bar->Image2()->width());
    EXPECT_EQ(onBar.bar->Image2()->width(), 120) << "the fill ends under the thumb's centre";
    ASSERT_EQ(barChanges.count(), 1);
    ASSERT_EQ(fillChanges.count(), 1);
    EXPECT_EQ(fillChanges.at(0).at(0), barChanges.at(0).at(0));
    EXPECT_EQ(barChanges.at(0).at(0).toInt(), 29);
}

TEST(TSkinProcess, DraggingTheThumbAnnouncesAtReleaseUnlessAskedForEveryMove)
{
    for (auto notify : {skin::DragNotify::OnRelease, skin::DragNotify::OnEveryMove}) {
        BarFixture f(true);
        f.bar->SetMoveChangeNotify(notify);
        QSignalSpy changes(f.bar, &TSkinProcess::processChanged);
        auto* thumb = f.bar->Image3();
        QTest::mousePress(thumb, Qt::LeftButton, {}, QPoint(5, 7));
        EXPECT_TRUE(f.bar->isDragging());
        QMouseEvent move(QEvent::MouseMove, QPointF(5 + 103, 7), thumb->mapToGlobal(QPointF(108, 7)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(thumb, &move);
        EXPECT_EQ(thumb->x(), 23 - 5 + 103);
        EXPECT_EQ(f.bar->Image2()->width(), 103);
        QTest::mouseRelease(thumb, Qt::LeftButton, {}, QPoint(5, 7));
        EXPECT_FALSE(f.bar->isDragging());
        ASSERT_EQ(changes.count(), notify == skin::DragNotify::OnRelease ? 1 : 2);
        EXPECT_EQ(changes.last().at(0).toInt(), 25);
    }
}

TEST(TSkinProcess, UnreadableFillFileIsReportedAndLeavesAnEmptyFill)
{
    guiApp();
    QWidget parent;
    TSkinProcess bar(&parent);
    EXPECT_FALSE(bar.SetImage2(QStringLiteral("/nonexistent/Skins/progress.bmp")));
    ASSERT_NE(bar.Image2(), nullptr);
    EXPECT_TRUE(bar.Image2()->pixmap().isNull());
}

TEST(TSkinProcess, IsAnAccessibleProgressBar)
{
    BarFixture f(false);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(f.bar);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::ProgressBar);
}

} // namespace
