// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <tuple>
#include <vector>

#include "headless_game.h"
#include "menus/menu.h"

namespace tw {
namespace {

using testing::HeadlessGame;

TEST(Layout, FirstStartIsABeginnerFieldWithEveryElementInPlace) {
    HeadlessGame g;
    const auto& tk = g.tk;
    EXPECT_EQ(71, tk.boxCount());
    EXPECT_EQ(63, tk.element(Elem::Smile).left);
    EXPECT_EQ(pictures::kBuiltInFace, tk.picture(Elem::Smile));
    // The scaling tests check the other pieces pixel by pixel, but not the whole panel's width.
    for (const auto& [elem, index, place] : {std::tuple{Elem::FrameN, 0, std::array{16, 15, 41, 25}},
                                             std::tuple{Elem::FrameN, 1, std::array{93, 15, 41, 25}},
                                             std::tuple{Elem::FrameM, 0, std::array{12, 0, 128, 55}}}) {
        const auto& e = tk.element(elem, index);
        EXPECT_EQ(place, (std::array{e.left, e.top, e.width, e.height}));
    }
    EXPECT_EQ("010", g.counter(true));
    EXPECT_EQ("000", g.counter(false));
    EXPECT_EQ(64u, tk.boxesShowing(pictures::kCovered, 1, 64).size());
    EXPECT_FALSE(tk.element(Elem::Box, 0).visible);
    EXPECT_TRUE(tk.window(Form::Form1).visible);
    EXPECT_EQ(pictures::kWindowIcon, tk.icon());
}

TEST(Layout, EveryLevelSizesTheClientAreaByItsField) {
    HeadlessGame g;
    g.tk.choose(MenuItem::mnuHard);
    EXPECT_EQ(239, g.tk.element(Elem::Smile).left);
    EXPECT_EQ(445, g.tk.element(Elem::FrameN, 1).left);
    EXPECT_EQ("099", g.counter(true));
    g.tk.choose(MenuItem::mnuIntermediate);
    EXPECT_EQ((std::pair{280, 323}), (std::pair{g.tk.clientWidth(), g.tk.clientHeight()}));
    EXPECT_EQ("040", g.counter(true));

    g.newfield(5, 1, 1);
    EXPECT_EQ(104, g.tk.clientWidth());
    EXPECT_EQ(83, g.tk.clientHeight());
    EXPECT_EQ(71, g.tk.element(Elem::FrameCL).top);
    EXPECT_EQ(16, g.tk.element(Elem::FrameW, 0).height);
    EXPECT_EQ(12, g.tk.boxCount());
}

// New Game, the face, a level, a game type and the Custom Field's OK each start a game whose
// first release lays the level's mines afresh, dropping the old one silently; the game type stays.
TEST(Layout, EveryNewGameStartsEveryCellAndCounterAfresh) {
    const std::vector<std::function<void(HeadlessToolkit&)>> newgames = {
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
        g.tk.choose(MenuItem::mnuGT, 31);
        g.laymines({64});
        g.tk.click(1);
        g.tk.click(64, kRightButton);
        g.tk.tick();
        newgame(g.tk);
        EXPECT_EQ(64u, g.tk.boxesShowing(pictures::kCovered, 1, 64).size());
        EXPECT_EQ("010", g.counter(true));
        EXPECT_EQ("000", g.counter(false));
        EXPECT_FALSE(g.tk.timerEnabled());
        EXPECT_EQ(pictures::kBuiltInFace, g.tk.picture(Elem::Smile));
        EXPECT_TRUE(g.tk.messages().empty());
        EXPECT_TRUE(g.tk.isChecked(MenuItem::mnuGT, 31));
        EXPECT_EQ(31, g.s().rule[0]);
        for (int c = 1; c <= 64; ++c) {
            EXPECT_FALSE(g.s().mine[c] || g.s().opened[c] || g.s().mark[c] != kNoMark) << c;
        }
        g.tk.click(1, kRightButton);
        EXPECT_EQ(10, g.minecount());
    }
}

}  // namespace
}  // namespace tw
