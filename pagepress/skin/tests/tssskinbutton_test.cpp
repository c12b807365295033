#include "guiapp.h"
#include "pagepress/skin/tssskinbutton.h"
#include "uikit/action.h"
#include "uikit/form.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using skin::ButtonMask;
using skin::TssSkinButton;
using uikit::ModalResult;

namespace {

const QColor CellColours[] = {QColor(200, 40, 40), QColor(40, 200, 40), QColor(40, 40, 200), QColor(200, 200, 40)};

// A strip of `cells` cells, each filled with its own colour, last column of each fuchsia.
QImage strip(int cellWidth, int height, int cells)
{
    QImage image(cellWidth * cells, height, QImage::Format_RGB32);
    for (int k = 0; k < cells; ++k) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < cellWidth; ++x)
                image.setPixel(k * cellWidth + x, y, x == cellWidth - 1 ? 0xffff00ff : CellColours[k].rgb());
        }
    }
    return image;
}

QColor shownColour(TssSkinButton& button)
{
    return QColor(button.grab().toImage().pixel(5, 5));
}

// A visible window holding one button, so that enter, leave and moves are real.
struct ButtonFixture : WithGuiApp {
    uikit::Form form;
    TssSkinButton* button;

    explicit ButtonFixture(const QImage& skin = strip(65, 67, 3))
    {
        guiApp();
        form.resize(200, 120);
        button = new TssSkinButton(skin, "Add File", &form);
        button->move(20, 20);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
};

TEST(TssSkinButton, TakesTheSizeOfOneCellAndShowsTheStateCell)
{
    ButtonFixture f(strip(65, 67, 3));
    TssSkinButton& button = *f.button;
    EXPECT_EQ(button.size(), QSize(65, 67));
    EXPECT_EQ(shownColour(button), CellColours[0]);

    QTest::mouseMove(&button, QPoint(30, 30));
    EXPECT_TRUE(button.isMouseOn());
    EXPECT_EQ(shownColour(button), CellColours[1]);

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_TRUE(button.isMouseDown());
    // Pressed shows x = 130 to 194 of the strip.
    const QImage pressed = button.grab().toImage();
    EXPECT_EQ(QColor(pressed.pixel(0, 0)), CellColours[2]);
    EXPECT_EQ(QColor(pressed.pixel(63, 66)), CellColours[2]);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(30, 30));
}

TEST(TssSkinButton, DisabledShowsCellZeroOfThreeAndCellThreeOfFour)
{
    for (int cells : {3, 4}) {
        ButtonFixture f(strip(20, 10, cells));
        f.button->SetDivNum(cells);
        f.button->setEnabled(false);
        EXPECT_EQ(shownColour(*f.button), CellColours[cells == 3 ? 0 : 3]) << cells << " cells";
    }
}

TEST(TssSkinButton, DivNumOutsideOneToFourIsIgnored)
{
    ButtonFixture f(strip(65, 67, 3));
    for (int bad : {0, 5, -1}) {
        f.button->SetDivNum(bad);
        EXPECT_EQ(f.button->DivNum(), 3);
        EXPECT_EQ(f.button->size(), QSize(65, 67));
    }
    f.button->SetDivNum(1);
    EXPECT_EQ(f.button->size(), QSize(195, 67));
}

TEST(TssSkinButton, DragOffThenReleaseGivesNoClick)
{
    ButtonFixture f;
    int clicks = 0;
    f.button->setClickHandler([&] { ++clicks; });
    QTest::mousePress(f.button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(f.button, QPoint(80, 10));
    EXPECT_FALSE(f.button->isMouseDown());
    QTest::mouseRelease(f.button, Qt::LeftButton, {}, QPoint(80, 10));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(shownColour(*f.button), CellColours[0]);

    // The edge column x = width still counts as on the button.
    QTest::mousePress(f.button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(f.button, QPoint(65, 67));
    EXPECT_TRUE(f.button->isMouseDown());
    QTest::mouseRelease(f.button, Qt::LeftButton, {}, QPoint(65, 67));
    EXPECT_EQ(clicks, 1);
}

TEST(TssSkinButton, OnlyTheLeftButtonClicks)
{
    ButtonFixture f;
    int clicks = 0;
    f.button->setClickHandler([&] { ++clicks; });
    QTest::mouseClick(f.button, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseClick(f.button, Qt::MiddleButton, {}, QPoint(10, 10));
    EXPECT_FALSE(f.button->isMouseDown());
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(f.button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
}

TEST(TssSkinButton, ClickDispatchPrefersTheHandlerOverTheAction)
{
    struct Case {
        bool handler;
        bool action;
        bool actionEnabled;
        int handlerRuns;
        int actionRuns;
    };
    const Case cases[] = {
        {true, false, true, 1, 0},
        {false, true, true, 0, 1},
        {true, true, true, 1, 0},
        {false, true, false, 0, 0}, // the button follows the disabled action: no click at all
        {false, false, true, 0, 0},
    };
    for (const Case& c : cases) {
        ButtonFixture f;
        int handlerRuns = 0;
        int actionRuns = 0;
        uikit::Action action("Delete");
        action.setExecuteHandler([&] { ++actionRuns; });
        action.setEnabled(c.actionEnabled);
        if (c.handler)
            f.button->setClickHandler([&] { ++handlerRuns; });
        if (c.action)
            f.button->setAction(&action);
        QSignalSpy clicked(f.button, &TssSkinButton::clicked);
        QTest::mouseClick(f.button, Qt::LeftButton, {}, QPoint(10, 10));
        EXPECT_EQ(handlerRuns, c.handlerRuns);
        EXPECT_EQ(actionRuns, c.actionRuns);
        EXPECT_EQ(clicked.count(), c.actionEnabled ? 1 : 0);
    }
}

TEST(TssSkinButton, FollowsTheLinkedActionsStateAndCaption)
{
    ButtonFixture f;
    uikit::Action action("Clear All");
    f.button->setCaption(QString());
    f.button->setAction(&action);
    EXPECT_TRUE(f.button->isEnabled());
    action.setEnabled(false);
    EXPECT_FALSE(f.button->isEnabled());
    EXPECT_EQ(shownColour(*f.button), CellColours[0]);

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(f.button);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Clear All");
    action.setCaption("Add Folder...");
    EXPECT_EQ(accessible->text(QAccessible::Name), "Add Folder");
}

TEST(TssSkinButton, ProgrammaticClickDoesNothing)
{
    ButtonFixture f;
    int clicks = 0;
    f.button->setClickHandler([&] { ++clicks; });
    f.button->SetModalResult(ModalResult::Cancel);
    // Keyboard focus and Return or Space are not clicks of this button.
    f.button->setFocus();
    QTest::keyClick(f.button, Qt::Key_Space);
    QTest::keyClick(f.button, Qt::Key_Return);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(f.form.modalResult(), ModalResult::None);
}

TEST(TssSkinButton, ModalResultClosesAModalFormAndZeroResetsIt)
{
    ButtonFixture f;
    f.form.hide();
    auto* close = new TssSkinButton(strip(22, 17, 3), "Close", &f.form);
    close->move(150, 5);
    close->SetModalResult(ModalResult::Cancel);
    auto* ok = f.button; // ModalResult 0
    int okClicks = 0;
    ok->setClickHandler([&] { ++okClicks; });

    QTimer::singleShot(0, &f.form, [&] {
        f.form.setModalResult(ModalResult::None);
        // A zero result keeps the loop going and resets what was there.
        QTest::mouseClick(ok, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(okClicks, 1);
        EXPECT_EQ(f.form.modalResult(), ModalResult::None);
        QTest::mouseClick(close, Qt::LeftButton, {}, QPoint(5, 5));
    });
    EXPECT_EQ(f.form.showModal(), ModalResult::Cancel);

    f.form.show();
    f.form.setModalResult(ModalResult::Ok);
    QTest::mouseClick(ok, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(f.form.modalResult(), ModalResult::None);
}

TEST(TssSkinButton, WithoutSkinItIsAPlaceholderShowingItsName)
{
    guiApp();
    QWidget window;
    auto* button = new TssSkinButton(&window);
    button->setObjectName("btnOK");
    EXPECT_EQ(button->size(), QSize(50, 30));
    const QImage painted = button->grab().toImage();
    int darkAbove = 0;
    int darkBelow = 0;
    for (int y = 0; y < painted.height(); ++y) {
        for (int x = 0; x < painted.width(); ++x) {
            if (qGray(painted.pixel(x, y)) < 64)
                ++(y < 20 ? darkAbove : darkBelow);
        }
    }
    EXPECT_GT(darkAbove, 10) << "the name is drawn in black in the top 20 pixels";
    EXPECT_EQ(darkBelow, 0);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), "btnOK");
}

TEST(TssSkinButton, MaskCutsTheOutlineOfCellZeroOnlyWhenOn)
{
    ButtonFixture f(strip(20, 10, 3));
    EXPECT_TRUE(sameArea(f.button->mask(), QRegion(0, 0, 19, 10)));
    f.button->SetMask(ButtonMask::Off);
    EXPECT_TRUE(f.button->mask().isEmpty()) << "the whole rectangle, fuchsia included, is visible";
    const QImage painted = f.button->grab().toImage();
    EXPECT_EQ(QColor(painted.pixel(19, 5)), QColor(255, 0, 255));
}

} // namespace
