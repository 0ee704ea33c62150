// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

#include "headless_game.h"
#include "oracle.h"

namespace tw {
namespace {

using testing::HeadlessGame;

// The cells opened by the release, in the order their opened pictures were set.
std::vector<int> openingorder(HeadlessGame& g, int cell) {
    g.tk.clearPictureLog();
    g.tk.click(cell);
    std::vector<int> order;
    std::set<int> seen;
    for (const auto& set : g.tk.pictureLog()) {
        const bool opens = set.picture >= pictures::openedCell(0) && set.picture <= pictures::openedCell(24);
        if (set.elem == Elem::Box && set.index <= g.s().cells() && opens && seen.insert(set.index).second) {
            order.push_back(set.index);
        }
    }
    return order;
}

TEST(Cascade, VisitsNeighboursDepthFirstInItsOwnOrderAndGivesBackTheFlagsOfZeroCells) {
    HeadlessGame g;
    g.newfield(5, 3, 2, 3);
    g.laymines({1, 13});
    g.tk.click(4, kRightButton);
    g.tk.click(9, kRightButton);
    EXPECT_EQ("000", g.counter(true));
    EXPECT_EQ((std::vector<int>{5, 10, 15, 14, 9, 4, 3, 8, 2, 7}), openingorder(g, 5));
    for (int c : {6, 11, 12}) EXPECT_FALSE(g.s().opened[c]) << c;
    EXPECT_TRUE(g.s().playing);
    EXPECT_EQ("001", g.counter(true)) << "cell 4 (count 0) gives its flag back, cell 9 (count 1) does not";
    EXPECT_EQ(kFlag, g.s().mark[4]);
    EXPECT_EQ(kFlag, g.s().mark[9]);

    g.newfield(5, 3, 2, 1);
    g.laymines({1, 13});
    EXPECT_EQ((std::vector<int>{5, 10, 15, 14, 9, 8, 4, 3, 2}), openingorder(g, 5));
    EXPECT_FALSE(g.s().opened[7]) << "a zero cell touching the region only diagonally stays covered";
}

// Random fields under every mask, the first of each the largest field with a single mine.
TEST(Cascade, OpensWhatTheRuleConnectsAndWinsWhenNothingSafeIsLeft) {
    std::mt19937 random(11);
    for (int mask = 1; mask <= 31; ++mask) {
        // One game for every round, so that each field follows a field of another size.
        HeadlessGame g;
        for (int round = 0; round < 4; ++round) {
            const int across = round == 0 ? kMaxAcross : 5 + static_cast<int>(random() % 33);
            const int down = round == 0 ? kMaxDown : 1 + static_cast<int>(random() % kMaxDown);
            const int mines = round == 0 ? 1 : 1 + static_cast<int>(random() % (across * down / 8 + 1));
            g.newfield(across, down, mines, mask);
            const std::size_t shown = g.tk.messages().size();
            const int start = round == 0 ? 1 : 1 + static_cast<int>(random() % (across * down));
            g.tk.click(start);
            const GameState& s = g.s();
            const std::set<int> expected = oracle::reachable(s, start);
            for (int c = 1; c <= s.cells(); ++c) {
                ASSERT_EQ(expected.count(c) == 1, s.opened[c]) << "mask " << mask << ", cell " << c;
                ASSERT_TRUE(!s.opened[c] || g.cellpicture(c) == pictures::openedCell(s.count[c])) << c;
            }
            EXPECT_EQ(s.cells() - static_cast<int>(expected.size()), s.covered);
            const bool won = s.covered == s.totalmines;
            EXPECT_EQ(won, s.won) << "mask " << mask;
            EXPECT_EQ(won ? 1u : 0u, g.tk.messages().size() - shown) << "the win is announced once, mask " << mask;
        }
    }
}

}  // namespace
}  // namespace tw
