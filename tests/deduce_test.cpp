// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

#include "core/deduce.h"
#include "headless_game.h"
#include "oracle.h"

namespace tw {
namespace {

using testing::HeadlessGame;

// Every way of laying `totalmines` mines on the covered cells that gives each open cell its
// number: which covered cells hold a mine in all of them, and which in any.
struct Ways {
    std::vector<int> covered;
    std::uint64_t always = ~0ull;
    std::uint64_t ever = 0;
    bool always_mine(int c) const { return always >> index(c) & 1; }
    bool ever_mine(int c) const { return ever >> index(c) & 1; }
    int index(int c) const { return static_cast<int>(std::find(covered.begin(), covered.end(), c) - covered.begin()); }
};

Ways everyway(const GameState& s) {
    Ways w;
    for (int c = 1; c <= s.cells(); ++c) {
        if (!s.opened[c]) w.covered.push_back(c);
    }
    std::vector<std::pair<std::uint64_t, int>> numbers;
    for (int c = 1; c <= s.cells(); ++c) {
        std::uint64_t around = 0;
        for (int n : oracle::neighbourhood(s, c)) around |= s.opened[n] ? 0 : 1ull << w.index(n);
        if (s.opened[c] && around != 0) numbers.push_back({around, s.count[c]});
    }
    const std::uint64_t end = 1ull << w.covered.size();
    // Every word of covered.size() bits with totalmines ones, in increasing order.
    for (std::uint64_t mines = (1ull << s.totalmines) - 1; mines < end;) {
        bool fits = true;
        for (const auto& [around, number] : numbers) fits = fits && std::popcount(mines & around) == number;
        if (fits) {
            w.always &= mines;
            w.ever |= mines;
        }
        if (mines == 0) break;
        const std::uint64_t low = mines & -mines;
        const std::uint64_t up = mines + low;
        mines = up | (((up ^ mines) / low) >> 2);
    }
    return w;
}

bool around(const GameState& s, int centre, int c) {
    const std::vector<int> cells = oracle::neighbourhood(s, centre);
    return std::find(cells.begin(), cells.end(), c) != cells.end();
}

// A reason must be true of the position: its numbers are open, shown and placed as it says.
void checkreason(const GameState& s, const Ways& w, int c, const Reason& r) {
    const auto need = [&](const Clue& clue) {
        EXPECT_TRUE(s.opened[clue.cell] && s.count[clue.cell] == clue.number) << clue.cell;
        int n = clue.number;
        for (int d : oracle::neighbourhood(s, clue.cell)) n -= !s.opened[d] && w.always_mine(d);
        return n;
    };
    bool touched = false;
    for (int d : oracle::neighbourhood(s, c)) touched = touched || s.opened[d];
    switch (r.why) {
        case Why::Satisfied:
            EXPECT_TRUE(around(s, r.clues[0].cell, c));
            EXPECT_EQ(0, need(r.clues[0]));
            break;
        case Why::Subset:
            EXPECT_TRUE(around(s, r.clues[1].cell, c) && !around(s, r.clues[0].cell, c));
            EXPECT_EQ(need(r.clues[0]), need(r.clues[1]));
            for (int d : oracle::neighbourhood(s, r.clues[0].cell)) {
                const bool undecided = !s.opened[d] && w.ever_mine(d) && !w.always_mine(d);
                EXPECT_TRUE(!undecided || around(s, r.clues[1].cell, d)) << d;
            }
            break;
        case Why::Frontier: EXPECT_TRUE(touched); break;
        case Why::Count: EXPECT_TRUE(!touched || std::popcount(w.always) == s.totalmines); break;
        case Why::None: ADD_FAILURE() << "a safe cell without a reason"; break;
    }
}

// Random small fields under every mask, reached by play through the cascade or by opening random
// safe cells one by one, with random flags and question marks on covered cells, mines or not.
TEST(Deduce, FindsExactlyWhatEveryArrangementOfTheMinesAgreesOn) {
    std::mt19937 random(5);
    HeadlessGame g;
    GameState& s = g.s();
    for (int position = 0; position < 100000; ++position) {
        const int mask = position % 31 + 1;
        const int across = 5 + static_cast<int>(random() % 3);
        const int down = 1 + static_cast<int>(random() % 4);
        const int mines = 1 + static_cast<int>(random() % (across * down / 3));
        const int leave = 12 + static_cast<int>(random() % 7);
        s.fixedseed = position + 1;
        g.newfield(across, down, mines, mask);
        const bool play = position % 2 == 0;
        if (play) {
            g.tk.click(1 + static_cast<int>(random() % s.cells()));
        } else {
            for (int laid = 0; laid < mines;) {
                const int c = 1 + static_cast<int>(random() % s.cells());
                laid += !s.mine[c];
                s.mine[c] = true;
            }
            minecheck(s);
            s.minesplaced = true;
        }
        for (int covered = s.cells(); covered > std::max(leave, mines) && s.playing;) {
            const int c = 1 + static_cast<int>(random() % s.cells());
            if (s.mine[c] || s.opened[c]) continue;
            if (play) g.tk.click(c);
            s.opened[c] = true;
            covered = 0;
            for (int d = 1; d <= s.cells(); ++d) covered += !s.opened[d];
        }
        // The cascade opens marked cells and leaves their marks.
        for (int c = 1; c <= s.cells(); ++c) s.mark[c] = static_cast<std::int8_t>(random() % 3);

        const Deduction d = deduce(s);
        const Ways w = everyway(s);
        for (int c = 1; c <= s.cells(); ++c) {
            const Certainty expected = s.opened[c]        ? Certainty::Unsure
                                       : !w.ever_mine(c)  ? Certainty::Safe
                                       : w.always_mine(c) ? Certainty::Mine
                                                          : Certainty::Unsure;
            ASSERT_EQ(static_cast<int>(expected), static_cast<int>(d.certainty[c]))
                << "unsure 0, safe 1, mine 2; position " << position << ", mask " << mask << ", " << across << " x "
                << down << ", " << mines << " mines, cell " << c;
            if (expected == Certainty::Safe) {
                SCOPED_TRACE(::testing::Message() << "position " << position << ", cell " << c);
                checkreason(s, w, c, d.reason[c]);
                if (::testing::Test::HasFailure()) return;
            }
        }
    }
}

}  // namespace
}  // namespace tw
