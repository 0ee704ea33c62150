// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_game.h"

#include "core/grid.h"

namespace tw::gui {
namespace {

namespace pic = pictures;

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

}  // namespace
}  // namespace tw::gui
