// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <string>
#include <tuple>

#include "core/deduce.h"
#include "core/grid.h"
#include "core/outcome.h"
#include "headless_game.h"
#include "input/hint.h"
#include "input/keys.h"

namespace tw {
namespace {

using testing::HeadlessGame;
namespace pic = pictures;

TEST(Release, TheFirstReleaseOfAnyButtonPlacesMinesAwayFromItsCellButNotFromACounter) {
    for (int button : {kLeftButton, kRightButton, kMiddleButton}) {
        for (int seed = 1; seed <= 10; ++seed) {
            HeadlessGame g(seed);
            g.newfield(5, 2, 9);
            g.tk.click(7, button);
            EXPECT_FALSE(g.s().mine[7]);
            EXPECT_EQ(9, g.minecount());
        }
    }
    HeadlessGame g;
    g.newfield(5, 1, 5);
    g.tk.click(6, kLeftButton);
    EXPECT_EQ(5, g.minecount()) << "a counter place is not a cell, so every cell may take a mine";
    EXPECT_FALSE(g.tk.timerEnabled());

    // Seeded from the clock, as players get it, games started within one second differ.
    g.s().fixedseed = 0;
    std::set<std::string> fields;
    for (int n = 0; n < 5; ++n) {
        g.newfield(8, 8, 10);
        g.tk.click(1);
        fields.insert(std::string(&g.s().mine[1], &g.s().mine[1] + 64));
    }
    EXPECT_EQ(5U, fields.size());
}

TEST(Release, AFacePressLeavesTheOldFieldPlayableUntilItsReleaseStartsAFreshOne) {
    HeadlessGame g;
    g.newfield(5, 1, 3);
    g.tk.click(1);
    g.tk.pressFace();
    g.tk.loseFocus();
    g.tk.click(2);
    EXPECT_TRUE(g.s().minesplaced);
    EXPECT_EQ(3, g.minecount()) << "the old field keeps its mines and gets no more";
    g.tk.pressFace();
    g.tk.click(3, kRightButton);
    g.tk.releaseFace();
    g.tk.click(4);
    EXPECT_EQ(3, g.minecount()) << "the next release after the face lays a fresh field";
}

TEST(Release, OnlyALeftReleaseOnACellStartsTheClockWhichStopsAt999) {
    HeadlessGame g;
    g.laymines({1, 2});
    g.tk.click(10, kRightButton);
    g.tk.click(11, kMiddleButton);
    EXPECT_FALSE(g.tk.timerEnabled());
    EXPECT_EQ("000", g.counter(false));
    g.tk.click(10, kLeftButton);
    EXPECT_EQ(pic::kFlag, g.cellpicture(10)) << "even a left release on a flag starts the clock";
    const std::pair<int, const char*> clock[] = {{0, "001"}, {1, "002"}, {996, "998"}, {1, "999"}, {1, "999"}};
    for (const auto& [ticks, shown] : clock) {
        for (int t = 0; t < ticks; ++t) g.tk.tick();
        EXPECT_EQ(shown, g.counter(false));
    }
    EXPECT_EQ(999, g.s().seconds);
}

TEST(Release, RightClicksStepThroughTheMarks) {
    HeadlessGame g;
    g.laymines({64});
    g.tk.click(5, kRightButton);
    g.tk.click(5, kRightButton);
    EXPECT_EQ(pic::kCovered, g.cellpicture(5)) << "without Marks a flag comes straight off";
    EXPECT_EQ("010", g.counter(true));

    g.tk.choose(MenuItem::mnuMarks);
    const std::pair<int, const char*> steps[] = {{pic::kFlag, "009"}, {pic::kQuestion, "010"}, {pic::kCovered, "010"},
                                                 {pic::kFlag, "009"}, {pic::kQuestion, "010"}};
    for (const auto& [picture, left] : steps) {
        g.tk.click(5, kRightButton);
        EXPECT_EQ(picture, g.cellpicture(5));
        EXPECT_EQ(left, g.counter(true));
    }
    g.tk.press(5, kMiddleButton);
    EXPECT_EQ(pic::kQuestionPressed, g.cellpicture(5)) << "a held question mark looks pressed";
    g.tk.release(5, kMiddleButton);
    g.tk.click(5, kLeftButton);
    EXPECT_TRUE(g.s().opened[5]) << "a question-marked cell opens";
    g.tk.click(5, kRightButton);
    EXPECT_EQ(kQuestion, g.s().mark[5]) << "an opened cell takes no mark";
}

TEST(Counters, ShowEveryCountAndAMinusInPlaceOfTheHundreds) {
    HeadlessGame g;
    g.laymines({1});
    for (int value = -250; value <= 999; ++value) {
        g.s().minesleft = value;
        g.game.screen().showmines();
        ASSERT_EQ(oracle::counterform(value), g.counter(true)) << value;
        g.s().seconds = value < 0 ? -value : value;
        g.game.screen().showseconds();
        ASSERT_EQ(oracle::counterform(g.s().seconds), g.counter(false)) << value;
    }
    g.newfield(8, 8, 10);
    g.laymines({1});
    for (int c = 50; c < 65; ++c) g.tk.click(c, kRightButton);
    EXPECT_EQ("-05", g.counter(true)) << "flags past the mines count on below zero";
}

TEST(Loss, ShowsWrongFlagsUnmarkedMinesAndTheMineThatWasHit) {
    HeadlessGame g;
    g.laymines({1, 2, 3, 4});
    g.tk.click(9, kLeftButton);
    g.tk.choose(MenuItem::mnuMarks);
    // A flag and a question mark on a mine (2, 3), and on a safe cell (20, 21).
    for (int c : {2, 3, 3, 20, 21, 21}) g.tk.click(c, kRightButton);
    g.tk.tick();
    g.tk.click(4, kLeftButton);
    EXPECT_FALSE(g.s().playing || g.s().won);
    const std::vector<int> expected = {pic::kMine, pic::kFlag, pic::kQuestion, pic::kFatalMine, pic::kWrongFlag,
                                       pic::kQuestion, pic::kCovered};
    std::vector<int> shown;
    for (int c : {1, 2, 3, 4, 20, 21, 30}) shown.push_back(g.cellpicture(c));
    EXPECT_EQ(expected, shown);
    EXPECT_EQ(pic::kDead, g.tk.picture(Elem::Smile));
    EXPECT_FALSE(g.tk.timerEnabled());
    EXPECT_TRUE(g.tk.messages().empty());

    g.tk.press(30);
    EXPECT_EQ(pic::kDead, g.tk.picture(Elem::Smile)) << "a press after the end keeps the face";
    g.tk.release(30);
    g.tk.click(31, kRightButton);
    EXPECT_EQ(pic::kCovered, g.cellpicture(30));
    EXPECT_EQ(pic::kCovered, g.cellpicture(31));
    EXPECT_EQ(pic::kSmiling, g.tk.picture(Elem::Smile)) << "after a loss a release puts the normal face back";
    EXPECT_EQ("002", g.counter(false));
}

// When and how often a win comes is checked on random fields (cascade tests), the clock and
// the message box on the real window (window tests).
TEST(Win, TheClueFollowsOnlyAnExpertAdjacentWinAndTheWonFieldStaysAsItIs) {
    const std::tuple<bool, int, std::size_t> cases[] = {{true, 1, 2}, {true, 3, 1}, {true, 9, 1}, {false, 1, 1}};
    for (const auto& [expert, mask, messages] : cases) {
        HeadlessGame g;
        expert ? g.tk.choose(MenuItem::mnuHard) : g.newfield(30, 16, 99, 1);
        g.tk.choose(MenuItem::mnuGT, mask);
        // One mine is enough to play the level's win through to its messages.
        g.s().totalmines = 1;
        g.laymines({480});
        g.tk.click(1);
        ASSERT_EQ(messages, g.tk.messages().size()) << mask;
        g.tk.click(480);
        EXPECT_EQ(pic::kCool, g.tk.picture(Elem::Smile)) << "the winning face stays";
        EXPECT_EQ(pic::kCovered, g.cellpicture(480)) << "a win flags nothing";
        if (messages == 2) {
            const auto& clue = g.tk.messages()[1];
            EXPECT_TRUE(clue.title == "Tilewarden" && clue.information);
            EXPECT_EQ("You have found the Treasure Hunt's Clue 1! Go to " + std::string(kTreasureAddress) +
                          " for the second clue!", clue.text);
        }
    }
}

TEST(Keys, HoldingHShowsACrosshairOverEveryMine) {
    HeadlessGame g;
    g.tk.keyDown(kKeyH);
    EXPECT_EQ(Pointer::Arrow, g.tk.element(Elem::Box, 1).pointer) << "no mines before the first click";
    g.laymines({1, 64});
    g.tk.keyDown(kKeyH, 1);
    const auto pointers = [&g] {
        return std::tuple{g.tk.element(Elem::Box, 1).pointer, g.tk.element(Elem::Box, 2).pointer,
                          g.tk.element(Elem::Box, 64).pointer};
    };
    EXPECT_EQ(std::tuple(Pointer::Cross, Pointer::Arrow, Pointer::Cross), pointers());
    g.tk.keyUp(71);
    EXPECT_EQ(std::tuple(Pointer::Cross, Pointer::Arrow, Pointer::Cross), pointers()) << "other keys change nothing";
    g.tk.keyUp(kKeyH);
    EXPECT_EQ(std::tuple(Pointer::Arrow, Pointer::Arrow, Pointer::Arrow), pointers());
}

// Played by D and Space alone, every game type at every level either is won or stops where D
// finds no certain move; D never points at a mine and changes nothing but the focus cell.
TEST(Keys, DPointsOnlyAtCellsThatHoldNoMine) {
    const std::tuple<int, int, int> levels[] = {{8, 8, 10}, {16, 16, 40}, {30, 16, 99}};
    int won = 0;
    for (const GameType& type : kGameTypes) {
        for (const auto& [across, down, mines] : levels) {
            for (int seed = 0; seed < 4; ++seed) {
                HeadlessGame g(1000 + seed);
                g.newfield(across, down, mines, type.mask);
                g.tk.keyDown(kKeyEnd);
                g.tk.keyUp(kKeyEnd);
                for (bool flagged = false;;) {
                    const GameState before = g.s();
                    const int focus = g.tk.focusCell();
                    const Place from = placeof(across, focus);
                    g.tk.keyDown(kKeyD);
                    g.tk.keyUp(kKeyD);
                    const int cell = g.tk.hints().back().cell;
                    ASSERT_TRUE(before.opened == g.s().opened && before.mark == g.s().mark);
                    if (cell == 0) break;
                    ASSERT_EQ(cell, g.tk.focusCell());
                    ASSERT_TRUE(before.minesplaced || cell == focus) << "the first cell opened holds no mine";
                    ASSERT_FALSE((g.s().minesplaced && g.s().mine[cell]) || g.s().opened[cell]) << type.mask;
                    if (g.s().minesplaced) {
                        // The nearest of the cells the field proves safe, a flagged one left out.
                        const Deduction d = deduce(g.s(), std::chrono::steady_clock::time_point::max());
                        const auto distance = [&, width = across](int i) {
                            return std::max(std::abs(placeof(width, i).x - from.x), std::abs(placeof(width, i).y - from.y));
                        };
                        int nearest = across + down;
                        for (int i = 1; i <= g.s().cells(); ++i) {
                            if (d.certainty[i] != Certainty::Safe || g.s().opened[i] || g.s().mark[i] == kFlag) continue;
                            nearest = std::min(nearest, distance(i));
                        }
                        ASSERT_EQ(nearest, distance(cell));
                        ASSERT_NE(kFlag, g.s().mark[cell]);
                        if (seed == 3 && !std::exchange(flagged, true)) {
                            g.tk.keyDown(kKeyF);
                            g.tk.keyUp(kKeyF);
                            continue;
                        }
                    }
                    g.tk.keyDown(kKeySpace);
                    g.tk.keyUp(kKeySpace);
                    if (!g.s().playing) break;
                }
                won += g.s().won;
                EXPECT_TRUE(g.s().won || g.s().playing) << "no hint loses";
                const int mine = static_cast<int>(std::find(&g.s().mine[1], &g.s().mine[1] + g.s().cells(), true) - &g.s().mine[0]);
                if (g.s().playing) g.tk.click(mine);
                EXPECT_EQ(0, hintfor(g.s(), 1).cell) << "no hint once the game is over";
            }
        }
    }
    EXPECT_GT(won, 0);
    EXPECT_LT(won, 4 * 3 * static_cast<int>(kGameTypes.size())) << "some games need a guess";
}

}  // namespace
}  // namespace tw
