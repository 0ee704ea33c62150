// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_game.h"

#include "core/grid.h"

namespace tw::gui {
namespace {

namespace pic = pictures;

TEST(Play, AFirstClickCascadesAndStartsTheOneSecondClock) {
    GuiGame g;
    g.laywall();
    g.click(1);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const int cell = cellat(8, x, y);
            const int wallSide = pic::openedCell(y == 0 || y == 7 ? 2 : 3);
            EXPECT_EQ(x < 4 ? pic::openedCell(0) : x == 4 ? wallSide : pic::kCovered, g.picture(cell)) << cell;
        }
    }
    EXPECT_TRUE(g.window().second().isActive());
    EXPECT_EQ(1000, g.window().second().interval());
    g.tick();
    EXPECT_EQ("002", g.counter(false));
    EXPECT_EQ(pic::kSmiling, g.face());
}

TEST(Play, TheReleaseGoesToTheCellThatTookThePress) {
    GuiGame g;
    g.laywall();
    g.press(3, Qt::RightButton);
    EXPECT_EQ(pic::kSurprised, g.face());
    QTest::mouseRelease(&g.board(), Qt::RightButton, {}, g.centre(Elem::Box, 40));
    EXPECT_EQ(pic::kFlag, g.picture(3));
    EXPECT_EQ(pic::kCovered, g.picture(40));
    EXPECT_EQ(pic::kSmiling, g.face());
}

TEST(Play, AWinStopsTheClockAndCongratulatesOnce) {
    GuiGame g;
    g.laymines({47, 48, 53, 54, 55, 56, 61, 62, 63, 64});
    const auto seen = answerMessageBoxes([&] { g.click(1); });
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("You have solved this level! Congratulations!", seen[0].text);
    EXPECT_EQ("Congratulations!", seen[0].title);
    EXPECT_EQ(QMessageBox::NoIcon, seen[0].icon);
    EXPECT_EQ(pic::kCool, g.face());
    EXPECT_FALSE(g.window().second().isActive());
}

TEST(Play, HoldingHShowsTheCrosshairOverMines) {
    GuiGame g;
    g.laywall();
    QTest::mouseMove(&g.board(), g.centre(Elem::Box, 62));
    EXPECT_EQ(Qt::ArrowCursor, g.board().cursor().shape());
    const auto send = [&g](QEvent::Type type, bool repeat) {
        QKeyEvent event(type, Qt::Key_H, Qt::NoModifier, QStringLiteral("h"), repeat);
        QApplication::sendEvent(&g.window(), &event);
    };
    send(QEvent::KeyPress, false);
    EXPECT_EQ(Qt::CrossCursor, g.board().cursor().shape());
    send(QEvent::KeyRelease, true);
    EXPECT_EQ(Qt::CrossCursor, g.board().cursor().shape()) << "a held key's repeats are no release";
    send(QEvent::KeyPress, true);
    QTest::mouseMove(&g.board(), g.centre(Elem::Box, 61));
    EXPECT_EQ(Qt::ArrowCursor, g.board().cursor().shape());
    QTest::mouseMove(&g.board(), g.centre(Elem::Box, 62));
    EXPECT_EQ(Qt::CrossCursor, g.board().cursor().shape());
    send(QEvent::KeyRelease, false);
    EXPECT_EQ(Qt::ArrowCursor, g.board().cursor().shape());
}

}  // namespace
}  // namespace tw::gui
