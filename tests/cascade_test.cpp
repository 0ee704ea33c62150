// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <queue>
#include <set>
#include <vector>

#include "core/grid.h"
#include "headless_game.h"

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
        if (set.elem == Elem::Box && set.index <= g.s().cells() && set.picture >= 300 && set.picture <= 324 &&
            seen.insert(set.index).second) {
            order.push_back(set.index);
        }
    }
    return order;
}

TEST(Cascade, VisitsNeighboursDepthFirstInItsOwnOrder) {
    HeadlessGame g;
    g.newfield(5, 3, 2, 3);
    g.laymines({1, 13});
    EXPECT_EQ((std::vector<int>{5, 10, 15, 14, 9, 4, 3, 8, 2, 7}), openingorder(g, 5));
    for (int c : {6, 11, 12}) EXPECT_FALSE(g.s().opened[c]) << c;
    EXPECT_TRUE(g.s().playing);

    g.newfield(5, 3, 2, 1);
    g.laymines({1, 13});
    EXPECT_EQ((std::vector<int>{5, 10, 15, 14, 9, 8, 4, 3, 2}), openingorder(g, 5));
    EXPECT_EQ(0, g.s().count[7]);
    EXPECT_FALSE(g.s().opened[7]) << "a zero cell touching the region only diagonally stays covered";
}

TEST(Cascade, OpensMarkedCellsAndGivesBackOnlyTheFlagsOfZeroCells) {
    HeadlessGame g;
    g.newfield(5, 3, 2, 3);
    g.laymines({1, 13});
    g.tk.click(4, kRightButton);
    g.tk.click(9, kRightButton);
    EXPECT_EQ(0, g.s().minesleft);
    EXPECT_EQ("000", g.counter(true));
    EXPECT_EQ((std::vector<int>{5, 10, 15, 14, 9, 4, 3, 8, 2, 7}), openingorder(g, 5));
    EXPECT_EQ(1, g.s().minesleft) << "cell 4 (count 0) gives its flag back, cell 9 (count 1) does not";
    EXPECT_EQ("001", g.counter(true));
    EXPECT_EQ(kFlag, g.s().mark[4]);
    EXPECT_EQ(kFlag, g.s().mark[9]);
    EXPECT_EQ(300, g.cellpicture(4));
    EXPECT_EQ(301, g.cellpicture(9));
}

// Cells connected to `start` through zero cells under the rule, with the numbered border.
std::set<int> reachable(const GameState& s, int start) {
    std::set<int> open = {start};
    std::queue<int> todo;
    todo.push(start);
    while (!todo.empty()) {
        const int c = todo.front();
        todo.pop();
        if (s.count[c] != 0) continue;
        const auto [x, y] = placeof(s.across, c);
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                const int ax = dx < 0 ? -dx : dx;
                const int ay = dy < 0 ? -dy : dy;
                int digit = 0;
                if (ax + ay == 1) digit = 5;
                else if (ax == 1 && ay == 1) digit = 4;
                else if (ax + ay == 3) digit = 3;
                else if (ax + ay == 2 && (ax == 0 || ay == 0)) digit = 2;
                else if (ax == 2 && ay == 2) digit = 1;
                if (digit == 0 || s.rule[digit] != 1) continue;
                if (x + dx < 0 || x + dx >= s.across || y + dy < 0 || y + dy >= s.down) continue;
                const int n = cellat(s.across, x + dx, y + dy);
                if (open.insert(n).second) todo.push(n);
            }
        }
    }
    return open;
}

TEST(Cascade, OneMineOnTheLargestFieldOpensWhatTheRuleConnectsUnderEveryMask) {
    for (int mask = 1; mask <= 31; ++mask) {
        HeadlessGame g;
        g.newfield(37, 27, 1, mask);
        g.laymines({999});
        g.tk.click(1);
        const std::set<int> expected = reachable(g.s(), 1);
        std::set<int> opened;
        for (int c = 1; c <= 999; ++c) {
            if (g.s().opened[c]) opened.insert(c);
        }
        EXPECT_EQ(expected, opened) << "mask " << mask;
        for (int c : opened) EXPECT_EQ(300 + g.s().count[c], g.cellpicture(c)) << "mask " << mask << " cell " << c;
        if (mask == 1 || mask == 3 || mask == 9 || mask == 27 || mask == 31) {
            EXPECT_EQ(998u, opened.size()) << "mask " << mask;
            EXPECT_TRUE(g.s().won);
            EXPECT_EQ(1u, g.tk.messages().size()) << "the win is announced once, mask " << mask;
        }
    }
}

}  // namespace
}  // namespace tw
