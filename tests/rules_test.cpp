// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>

#include "core/rules.h"
#include "oracle.h"

namespace tw {
namespace {

// Every mask on fields of every width, from one row to the tallest, empty to full.
TEST(Rules, CountsAreTheMinesOfTheNeighbourhoodOnRandomFields) {
    std::mt19937 random(7);
    for (int mask = 1; mask <= 31; ++mask) {
        for (int across = 5; across <= kMaxAcross; ++across) {
            GameState s;
            s.across = across;
            s.down = across == kMaxAcross ? kMaxDown : 1 + static_cast<int>(random() % kMaxDown);
            const unsigned density = random() % 5;
            for (int c = 1; c <= s.cells(); ++c) s.mine[c] = density == 4 ? c != 1 : random() % 4 < density;
            // What lies past the last cell is left over from a larger field and never counts.
            for (int c = s.cells() + 1; c <= kMaxCells; ++c) s.mine[c] = random() % 2;
            setrule(s, mask);
            minecheck(s);
            for (int c = 1; c <= s.cells(); ++c) {
                ASSERT_EQ(oracle::minesaround(s, c), s.count[c])
                    << "mask " << mask << ", " << across << " x " << s.down << ", cell " << c;
            }
        }
    }
}

}  // namespace
}  // namespace tw
