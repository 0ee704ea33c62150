// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_game.h"

#include "core/grid.h"

namespace tw::gui {
namespace {

TEST(Play, AFirstClickOnAnEmptyCornerCascades) {
    GuiGame g;
    g.laywall();
    g.click(1);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const int cell = cellat(8, x, y);
            const int wallSide = y == 0 || y == 7 ? 302 : 303;
            EXPECT_EQ(x < 4 ? 300 : x == 4 ? wallSide : 400, g.picture(cell)) << "cell " << cell;
            EXPECT_EQ(x < 5, g.s().opened[cell]) << "cell " << cell;
        }
    }
    EXPECT_TRUE(g.window().second().isActive());
    EXPECT_EQ(1000, g.window().second().interval());
    EXPECT_EQ("001", g.counter(false));
    EXPECT_EQ(101, g.face());
}

TEST(Play, ThePressShowsTheSurprisedFaceUntilTheRelease) {
    GuiGame g;
    g.laywall();
    g.press(10);
    EXPECT_EQ(103, g.face());
    EXPECT_EQ(400, g.picture(10)) << "a press opens nothing";
    QTest::mouseRelease(&g.board(), Qt::LeftButton, {}, g.centre(Elem::Box, 10));
    EXPECT_EQ(101, g.face());
    EXPECT_TRUE(g.s().opened[10]);
}

TEST(Play, TheReleaseGoesToTheCellThatTookThePress) {
    GuiGame g;
    g.laywall();
    g.press(3, Qt::RightButton);
    QTest::mouseRelease(&g.board(), Qt::RightButton, {}, g.centre(Elem::Box, 40));
    EXPECT_EQ(401, g.picture(3));
    EXPECT_EQ(400, g.picture(40));
}

TEST(Play, ALossShowsEveryMineAndEveryWrongFlag) {
    GuiGame g;
    g.laywall();
    g.click(15, Qt::RightButton);
    g.click(22, Qt::RightButton);
    g.click(5);
    ASSERT_TRUE(g.window().second().isActive());
    g.click(30);
    EXPECT_EQ(403, g.picture(30));
    for (int mine : {6, 14, 38, 46, 54, 62, 8, 16}) EXPECT_EQ(402, g.picture(mine));
    EXPECT_EQ(401, g.picture(22)) << "a flag on a mine stays";
    EXPECT_EQ(404, g.picture(15)) << "a flag without a mine is crossed out";
    EXPECT_EQ(302, g.picture(5));
    EXPECT_EQ(104, g.face());
    EXPECT_FALSE(g.window().second().isActive());
    EXPECT_FALSE(g.tk.timerEnabled());
    g.click(40);
    EXPECT_EQ(400, g.picture(40)) << "a lost game opens nothing more";
    EXPECT_EQ(101, g.face());
}

TEST(Play, RightClicksStepThroughFlagsAndQuestionMarks) {
    GuiGame g;
    g.laywall();
    g.click(12, Qt::RightButton);
    EXPECT_EQ(401, g.picture(12));
    EXPECT_EQ("009", g.counter(true));
    g.click(12, Qt::RightButton);
    EXPECT_EQ(400, g.picture(12)) << "without Marks a flag goes straight back";
    EXPECT_EQ("010", g.counter(true));

    g.key(Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(g.checked(MenuItem::mnuMarks));
    g.click(12, Qt::RightButton);
    g.click(12, Qt::RightButton);
    EXPECT_EQ(405, g.picture(12));
    EXPECT_EQ("010", g.counter(true));
    g.press(12, Qt::MiddleButton);
    EXPECT_EQ(406, g.picture(12));
    QTest::mouseRelease(&g.board(), Qt::MiddleButton, {}, g.centre(Elem::Box, 12));
    g.click(12, Qt::RightButton);
    EXPECT_EQ(400, g.picture(12));
    EXPECT_FALSE(g.window().second().isActive()) << "only a left release starts the clock";
}

TEST(Play, TheCountersFollowFlagsAndTicks) {
    GuiGame g;
    g.laywall();
    for (int cell = 1; cell <= 11; ++cell) g.click(cell, Qt::RightButton);
    EXPECT_EQ("-01", g.counter(true));
    g.click(11, Qt::RightButton);
    EXPECT_EQ("000", g.counter(true));
    g.click(33);
    EXPECT_EQ("001", g.counter(false));
    g.tick();
    g.tick();
    EXPECT_EQ("003", g.counter(false));
}

TEST(Play, AWinStopsTheClockAndCongratulatesOnce) {
    GuiGame g;
    g.laymines({47, 48, 53, 54, 55, 56, 61, 62, 63, 64});
    const auto seen = answerMessageBoxes([&] { g.click(1); });
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("You have solved this level! Congratulations!", seen[0].text);
    EXPECT_EQ("Congratulations!", seen[0].title);
    EXPECT_EQ(QMessageBox::NoIcon, seen[0].icon);
    EXPECT_EQ(105, g.face());
    EXPECT_FALSE(g.window().second().isActive());
    EXPECT_EQ("001", g.counter(false));
    EXPECT_EQ(400, g.picture(64)) << "the mines stay covered";
}

TEST(Play, HoldingHShowsTheCrosshairOverMines) {
    GuiGame g;
    g.laywall();
    QTest::mouseMove(&g.board(), g.centre(Elem::Box, 62));
    EXPECT_EQ(Qt::ArrowCursor, g.board().cursor().shape());

    QKeyEvent down(QEvent::KeyPress, Qt::Key_H, Qt::NoModifier, QStringLiteral("h"));
    QApplication::sendEvent(&g.window(), &down);
    EXPECT_EQ(Qt::CrossCursor, g.board().cursor().shape());
    EXPECT_EQ(Pointer::Cross, g.board().find(Elem::Box, 62)->pointer);
    EXPECT_EQ(Pointer::Arrow, g.board().find(Elem::Box, 61)->pointer);

    QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_H, Qt::NoModifier, QStringLiteral("h"), true);
    QApplication::sendEvent(&g.window(), &repeatUp);
    QKeyEvent repeatDown(QEvent::KeyPress, Qt::Key_H, Qt::NoModifier, QStringLiteral("h"), true);
    QApplication::sendEvent(&g.window(), &repeatDown);
    EXPECT_EQ(Qt::CrossCursor, g.board().cursor().shape()) << "a held key is still down";

    QTest::mouseMove(&g.board(), g.centre(Elem::Box, 61));
    EXPECT_EQ(Qt::ArrowCursor, g.board().cursor().shape());
    QTest::mouseMove(&g.board(), g.centre(Elem::Box, 62));
    EXPECT_EQ(Qt::CrossCursor, g.board().cursor().shape());

    QKeyEvent up(QEvent::KeyRelease, Qt::Key_H, Qt::NoModifier, QStringLiteral("h"));
    QApplication::sendEvent(&g.window(), &up);
    EXPECT_EQ(Qt::ArrowCursor, g.board().cursor().shape());
    EXPECT_EQ(Pointer::Arrow, g.board().find(Elem::Box, 62)->pointer);
}

}  // namespace
}  // namespace tw::gui
