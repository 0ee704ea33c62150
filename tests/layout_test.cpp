// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>

#include "headless_game.h"
#include "menus/menu.h"

namespace tw {
namespace {

using testing::HeadlessGame;

// Every level sizes the client area, the face, the seconds counter and the elements by its field.
TEST(Layout, EveryLevelSizesTheWindowByItsField) {
    HeadlessGame g;
    struct Level {
        std::function<void()> choose;
        int width, height, face, seconds, elements;
        const char* mines;
    };
    const Level levels[] = {
        {[] {}, 152, 195, 63, 93, 71, "010"},
        {[&g] { g.tk.choose(MenuItem::mnuHard); }, 504, 323, 239, 445, 487, "099"},
        {[&g] { g.tk.choose(MenuItem::mnuIntermediate); }, 280, 323, 127, 221, 263, "040"},
        {[&g] { g.newfield(5, 1, 1); }, 104, 83, 39, 45, 12, "001"},
    };
    for (const Level& l : levels) {
        l.choose();
        EXPECT_EQ(std::tuple(l.width, l.height, l.face, l.seconds, l.elements, std::string(l.mines)),
                  std::tuple(g.tk.clientWidth(), g.tk.clientHeight(), g.tk.element(Elem::Smile).left,
                             g.tk.element(Elem::FrameN, 1).left, g.tk.boxCount(), g.counter(true)));
    }
    EXPECT_EQ(71, g.tk.element(Elem::FrameCL).top);
    EXPECT_EQ(16, g.tk.element(Elem::FrameW, 0).height);
}

// The first start is a fresh Beginner field of the Normal game type. New Game, the face, a level,
// a game type and the Custom Field's OK each start a game whose first release lays the level's
// mines afresh, dropping the old one silently; the game type stays.
TEST(Layout, TheFirstStartAndEveryNewGameStartEveryCellAndCounterAfresh) {
    const std::function<void(HeadlessToolkit&)> newgames[] = {
        [](HeadlessToolkit& tk) { tk.choose(MenuItem::mnuNew); },
        [](HeadlessToolkit& tk) { tk.clickFace(); },
        [](HeadlessToolkit& tk) { tk.choose(MenuItem::mnuBeginner); },
        [](HeadlessToolkit& tk) { tk.choose(MenuItem::mnuGT, 31); },
        [](HeadlessToolkit& tk) {
            tk.choose(MenuItem::mnuCustom);
            tk.pressOK();
        },
    };
    for (const auto& newgame : newgames) {
        HeadlessGame g;
        const auto expectFresh = [&g](int mask) {
            EXPECT_EQ(64u, g.tk.boxesShowing(pictures::kCovered, 1, 64).size());
            EXPECT_EQ("010 000", g.counter(true) + " " + g.counter(false));
            EXPECT_FALSE(g.tk.timerEnabled());
            EXPECT_EQ(pictures::kBuiltInFace, g.tk.picture(Elem::Smile));
            EXPECT_TRUE(g.tk.messages().empty());
            EXPECT_TRUE(g.tk.isChecked(MenuItem::mnuGT, mask));
            EXPECT_EQ(mask, g.s().rule[0]);
            for (int c = 1; c <= 64; ++c) {
                EXPECT_FALSE(g.s().mine[c] || g.s().opened[c] || g.s().mark[c] != kNoMark) << c;
            }
        };
        expectFresh(3);
        EXPECT_EQ(pictures::kWindowIcon, g.tk.icon());
        g.tk.choose(MenuItem::mnuGT, 31);
        g.laymines({64});
        g.tk.click(1);
        g.tk.click(64, kRightButton);
        g.tk.tick();
        newgame(g.tk);
        expectFresh(31);
        g.tk.click(1, kRightButton);
        EXPECT_EQ(10, g.minecount());
    }
}

}  // namespace
}  // namespace tw
