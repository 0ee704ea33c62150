// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "core/rules.h"

namespace tw {
namespace {

GameState field(int across, int down, std::vector<int> mines, int mask) {
    GameState s;
    s.across = across;
    s.down = down;
    for (int c : mines) s.mine[c] = true;
    setrule(s, mask);
    minecheck(s);
    return s;
}

std::vector<int> counts(const GameState& s) {
    std::vector<int> out;
    for (int c = 1; c <= s.cells(); ++c) out.push_back(s.count[c]);
    return out;
}

TEST(Rules, DigitsAreTheMaskInBinaryLeftmostFirst) {
    GameState s;
    setrule(s, 9);
    EXPECT_EQ((std::array<std::int16_t, 6>{9, 0, 1, 0, 0, 1}), s.rule);
    setrule(s, 27);
    EXPECT_EQ((std::array<std::int16_t, 6>{27, 1, 1, 0, 1, 1}), s.rule);
    setrule(s, 31);
    EXPECT_EQ((std::array<std::int16_t, 6>{31, 1, 1, 1, 1, 1}), s.rule);
}

// Five wide, three high, mines on the top-left cell and the middle of the bottom row.
TEST(Rules, CountsOfTheFiveByThreeFieldUnderSixMasks) {
    struct Row {
        int mask;
        std::vector<int> counts;
    };
    const std::vector<Row> table = {
        {1, {0, 1, 0, 0, 0, 1, 0, 1, 0, 0, 0, 1, 0, 1, 0}},
        {3, {0, 1, 0, 0, 0, 1, 2, 1, 1, 0, 0, 1, 0, 1, 0}},
        {4, {0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 0, 0}},
        {9, {0, 1, 2, 0, 0, 1, 0, 1, 0, 0, 2, 1, 0, 1, 1}},
        {27, {1, 1, 2, 0, 1, 1, 2, 1, 1, 0, 2, 1, 1, 1, 1}},
        {31, {1, 2, 2, 1, 1, 2, 2, 2, 1, 1, 2, 2, 1, 1, 1}},
    };
    for (const Row& row : table) {
        EXPECT_EQ(row.counts, counts(field(5, 3, {1, 13}, row.mask))) << "mask " << row.mask;
    }
}

TEST(Rules, NeighboursNeverWrapRoundAnEdge) {
    // A mine at the end of the first row must not count for the first cell of the second row.
    for (int mask = 1; mask <= 31; ++mask) {
        const GameState s = field(6, 4, {6}, mask);
        EXPECT_EQ(0, s.count[7]) << "mask " << mask;
        EXPECT_EQ(0, s.count[8]) << "mask " << mask;
        const GameState t = field(6, 4, {7}, mask);
        EXPECT_EQ(0, t.count[6]) << "mask " << mask;
        EXPECT_EQ(0, t.count[5]) << "mask " << mask;
    }
}

TEST(Rules, FullSquareGivesTwentyFourAndCornersHaveEight) {
    std::vector<int> all;
    for (int c = 1; c <= 49; ++c) {
        if (c != 25) all.push_back(c);
    }
    GameState s = field(7, 7, all, 31);
    EXPECT_EQ(24, s.count[25]);
    EXPECT_EQ(8, s.count[1]);
    EXPECT_EQ(8, s.count[49]);
    EXPECT_EQ(0, field(7, 7, {25}, 31).count[25]) << "a mine never counts itself";
}

TEST(Rules, OneRowFieldsCountOnlyAlongTheRow) {
    std::vector<int> all = {1, 2, 3, 4, 5, 6, 7};
    all.erase(all.begin() + 3);
    EXPECT_EQ(2, field(7, 1, all, 3).count[4]);
    EXPECT_EQ(4, field(7, 1, all, 31).count[4]);
    EXPECT_EQ(0, field(7, 1, all, 4).count[4]);
}

}  // namespace
}  // namespace tw
