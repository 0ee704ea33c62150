// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdint>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "core/arrangements.h"
#include "core/deduce.h"
#include "core/grid.h"
#include "core/relaxation.h"
#include "core/rules.h"
#include "oracle.h"

namespace tw {
namespace {

// Every way of laying `totalmines` mines on the covered cells that gives each open cell its
// number, tried one by one: which covered cells hold a mine in all of them, and which in any.
struct Ways {
    std::vector<int> bit;  // each cell's bit among the covered cells
    std::uint64_t always = ~0ull;
    std::uint64_t ever = 0;
    bool always_mine(int c) const { return always >> bit[c] & 1; }
    bool ever_mine(int c) const { return ever >> bit[c] & 1; }
};

Ways everyway(const GameState& s) {
    Ways w;
    w.bit.assign(s.cells() + 1, 63);
    int covered = 0;
    for (int c = 1; c <= s.cells(); ++c) w.bit[c] = s.opened[c] ? 63 : covered++;
    std::vector<std::pair<std::uint64_t, int>> numbers;
    for (int c = 1; c <= s.cells(); ++c) {
        std::uint64_t around = 0;
        for (int n : oracle::neighbourhood(s, c)) around |= s.opened[n] ? 0 : 1ull << w.bit[n];
        if (s.opened[c]) numbers.push_back({around, s.count[c]});
    }
    // Every word of `covered` bits with totalmines ones, in increasing order.
    for (std::uint64_t mines = (1ull << s.totalmines) - 1; mines < 1ull << covered;) {
        if (std::all_of(numbers.begin(), numbers.end(),
                        [mines](const auto& n) { return std::popcount(mines & n.first) == n.second; })) {
            w.always &= mines;
            w.ever |= mines;
        }
        const std::uint64_t low = mines & -mines;
        const std::uint64_t up = mines + low;
        mines = up | (((up ^ mines) / low) >> 2);
    }
    return w;
}

std::uint64_t choose(int n, int k) {
    std::uint64_t ways = 1;
    for (int i = 0; i < k; ++i) ways = ways * static_cast<std::uint64_t>(n - i) / static_cast<std::uint64_t>(i + 1);
    return ways;
}

// A random field of up to 6 x 6 with some safe cells opened, one by one or as the player's
// click spreads; what the player cannot see is then scrambled.
GameState position(std::mt19937& random, int mask) {
    GameState s;
    setrule(s, mask);
    s.across = 2 + static_cast<int>(random() % 5);
    s.down = 2 + static_cast<int>(random() % 5);
    s.totalmines = 1 + static_cast<int>(random() % (s.cells() / 2));
    for (int laid = 0; laid < s.totalmines;) {
        const int c = 1 + static_cast<int>(random() % s.cells());
        laid += !s.mine[c];
        s.mine[c] = true;
    }
    for (int c = 1; c <= s.cells(); ++c) s.count[c] = static_cast<std::int8_t>(oracle::minesaround(s, c));
    const int leave = s.totalmines + static_cast<int>(random() % (s.cells() - s.totalmines + 1));
    const bool spread = random() % 2 == 0;
    // Few enough placements for the oracle to try them all.
    for (int covered = s.cells(); covered > leave || choose(covered, s.totalmines) > 20000;) {
        const int c = 1 + static_cast<int>(random() % s.cells());
        if (s.mine[c] || s.opened[c]) continue;
        for (int d : spread ? oracle::reachable(s, c) : std::set<int>{c}) {
            covered -= !s.opened[d];
            s.opened[d] = true;
        }
    }
    for (int c = 1; c <= s.cells(); ++c) {
        s.mark[c] = static_cast<std::int8_t>(random() % 3);
        if (s.opened[c]) continue;
        s.mine[c] = random() % 2 == 0;
        s.count[c] = static_cast<std::int8_t>(random() % 25);
    }
    return s;
}

bool around(const GameState& s, int centre, int c) {
    const std::vector<int> cells = oracle::neighbourhood(s, centre);
    return std::find(cells.begin(), cells.end(), c) != cells.end();
}

// The mines number `clue` still lacks beyond those every placement agrees on.
int lacking(const GameState& s, const Ways& w, const Clue& clue) {
    EXPECT_TRUE(s.opened[clue.cell] && s.count[clue.cell] == clue.number) << clue.cell;
    int n = clue.number;
    for (int d : oracle::neighbourhood(s, clue.cell)) n -= !s.opened[d] && w.always_mine(d);
    return n;
}

// A safe cell's reason holds in the position.
void checkreason(const GameState& s, const Ways& w, int c, const Reason& r) {
    bool touched = false;
    for (int d : oracle::neighbourhood(s, c)) touched = touched || s.opened[d];
    switch (r.why) {
        case Why::Satisfied:
            EXPECT_TRUE(around(s, r.clues[0].cell, c));
            EXPECT_EQ(0, lacking(s, w, r.clues[0]));
            break;
        case Why::Subset:
            EXPECT_TRUE(around(s, r.clues[1].cell, c) && !around(s, r.clues[0].cell, c));
            EXPECT_EQ(lacking(s, w, r.clues[0]), lacking(s, w, r.clues[1]));
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

TEST(Deduce, FindsExactlyWhatEveryPlacementOfTheMinesAgreesOn) {
    int givenup = 0;
    for (int mask = 1; mask <= 31; ++mask) {
        std::mt19937 random(static_cast<unsigned>(mask));
        for (int p = 0; p < 300; ++p) {
            const GameState s = position(random, mask);
            const Deduction d = deduce(s);
            // Out of time from the start, it still claims only what is certain.
            const Deduction hurried = deduce(s, std::chrono::steady_clock::time_point::min());
            givenup += !hurried.complete;
            // Deduced again from what the deduction of an earlier sight of it remembers (some open
            // cells still covered), or of another field: its first number, mine count, rule or
            // shape differs. The same either way.
            GameState earlier = s;
            for (int c = 1; c <= s.cells(); ++c) earlier.opened[c] = s.opened[c] && random() % 3 != 0;
            const bool* open = earlier.opened.data();
            const int first = static_cast<int>(std::find(open + 1, open + s.cells() + 1, true) - open);
            switch (p % 5) {
                case 1: earlier.count[first] = static_cast<std::int8_t>((s.count[first] + 1) % 25); break;
                case 2: ++earlier.totalmines; break;
                case 3: setrule(earlier, mask % 31 + 1); break;
                case 4: std::swap(earlier.across, earlier.down); break;
            }
            DeductionMemory memory;
            deduce(earlier, std::chrono::steady_clock::time_point::max(), &memory);
            const Deduction recalled = deduce(s, std::chrono::steady_clock::time_point::max(), &memory);
            ASSERT_TRUE(recalled.certainty == d.certainty && recalled.reason == d.reason) << mask << " " << p;
            const Ways w = everyway(s);
            for (int c = 1; c <= s.cells(); ++c) {
                const Certainty expected = s.opened[c]        ? Certainty::Unsure
                                           : !w.ever_mine(c)  ? Certainty::Safe
                                           : w.always_mine(c) ? Certainty::Mine
                                                              : Certainty::Unsure;
                SCOPED_TRACE(::testing::Message() << "mask " << mask << ", position " << p << ", cell " << c);
                ASSERT_EQ(static_cast<int>(expected), static_cast<int>(d.certainty[c])) << "unsure 0, safe 1, mine 2";
                if (expected == Certainty::Safe) checkreason(s, w, c, d.reason[c]);
                if (hurried.complete || hurried.certainty[c] != Certainty::Unsure) {
                    ASSERT_EQ(static_cast<int>(expected), static_cast<int>(hurried.certainty[c])) << "given up";
                }
                if (::testing::Test::HasFailure()) return;
            }
        }
    }
    EXPECT_GT(givenup, 0) << "some searches were given up";
}

// Where a pair of numbers shows a cell safe once the certain mines are counted, the pair is the
// reason given, though the first number also touches cells the second does not.
TEST(Deduce, APairOfNumbersIsTheReasonWhereItShowsTheCell) {
    GameState s;
    setrule(s, 1);
    const char* rows[] = {".2...1", "...121", "..3...", "....2."};
    s.across = 6;
    s.down = 4;
    s.totalmines = 12;
    for (int y = 0; y < s.down; ++y) {
        for (int x = 0; x < s.across; ++x) {
            const int c = cellat(s.across, x, y);
            s.opened[c] = rows[y][x] != '.';
            s.count[c] = static_cast<std::int8_t>(s.opened[c] ? rows[y][x] - '0' : 0);
        }
    }
    const Reason why = deduce(s).reason[cellat(6, 3, 0)];
    EXPECT_EQ(static_cast<int>(Why::Subset), static_cast<int>(why.why));
    EXPECT_EQ(cellat(6, 2, 2), why.clues[0].cell);
    EXPECT_EQ(cellat(6, 3, 1), why.clues[1].cell);
}

// Random frontiers of up to 14 cells whose searches stop at once, so that the walks and the
// relaxation answer nearly every question, against every way of laying the mines.
TEST(Deduce, ArrangementsPastTheSearchSettleExactlyWhatEveryWayAgreesOn) {
    std::mt19937 random(9);
    for (int round = 0; round < 30000; ++round) {
        const int cells = 1 + static_cast<int>(random() % 14);
        const std::uint32_t truth = static_cast<std::uint32_t>(random()) & ((1u << cells) - 1);
        std::vector<Need> needs(1 + random() % 8);
        std::vector<std::uint32_t> masks;
        for (Need& n : needs) {
            std::uint32_t mask = 0;
            for (int c = 0; c < cells; ++c) {
                if (random() % 3 != 0) continue;
                n.cells[n.size++] = c;
                mask |= 1u << c;
            }
            n.need = std::popcount(truth & mask);
            masks.push_back(mask);
        }
        const int lo = std::max(0, std::popcount(truth) - static_cast<int>(random() % 3));
        const int hi = std::popcount(truth) + static_cast<int>(random() % 3);
        std::uint32_t always = ~0u;
        std::uint32_t ever = 0;
        for (std::uint32_t mines = 0; mines < 1u << cells; ++mines) {
            const int total = std::popcount(mines);
            bool fits = total >= lo && total <= hi;
            for (std::size_t k = 0; k < needs.size() && fits; ++k) fits = std::popcount(mines & masks[k]) == needs[k].need;
            if (!fits) continue;
            always &= mines;
            ever |= mines;
        }
        Arrangements a(needs, cells);
        a.searchsteps(0);
        ASSERT_TRUE(a.settle(lo, hi)) << "round " << round;
        for (int c = 0; c < cells; ++c) {
            const int expected = (always >> c & 1) != 0 ? 1 : (ever >> c & 1) == 0 ? 0 : -1;
            ASSERT_EQ(expected, a.certain(c)) << "round " << round << ", cell " << c;
        }
    }
}

// Small random systems of sums, against every whole-number choice of the variables: weights prove
// none exactly when the weighted sums miss their total on every corner of the bounds, a proof of
// none is never wrong, whole values found make every sum hold, and where the method ends with no
// fit its prices prove it, never leaving the answer unknown.
TEST(Deduce, TheRelaxationProvesOnlyWhatNoWholeChoiceBreaks) {
    std::mt19937 random(5);
    int none = 0;
    int whole = 0;
    int unknown = 0;
    for (int round = 0; round < 20000; ++round) {
        const int n = 1 + static_cast<int>(random() % 6);
        std::vector<int> lower(n);
        std::vector<int> upper(n);
        std::vector<int> values(n);
        for (int j = 0; j < n; ++j) {
            lower[j] = static_cast<int>(random() % 2);
            upper[j] = lower[j] + static_cast<int>(random() % 3);
            values[j] = lower[j] + static_cast<int>(random() % (upper[j] - lower[j] + 1));
        }
        std::vector<SumOf> sums(1 + random() % 5);
        for (SumOf& sum : sums) {
            for (int j = 0; j < n; ++j) {
                if (random() % 2 == 0) sum.vars.push_back(j);
            }
            sum.total = static_cast<int>(random() % (2 * sum.vars.size() + 2));
        }
        const auto holds = [&](const std::vector<int>& v) {
            return std::all_of(sums.begin(), sums.end(), [&](const SumOf& sum) {
                int total = 0;
                for (int j : sum.vars) total += v[j];
                return total == sum.total;
            });
        };
        std::vector<std::int64_t> weight(sums.size());
        for (auto& w : weight) w = static_cast<std::int64_t>(random() % 7) - 3;
        bool any = false;
        bool below = false;
        bool above = false;
        for (std::vector<int> v = lower;;) {
            any = any || holds(v);
            std::int64_t off = 0;
            for (std::size_t k = 0; k < sums.size(); ++k) {
                off -= weight[k] * sums[k].total;
                for (int j : sums[k].vars) off += weight[k] * v[j];
            }
            below = below || off <= 0;
            above = above || off >= 0;
            int j = 0;
            for (; j < n && v[j] == upper[j]; ++j) v[j] = lower[j];
            if (j == n) break;
            ++v[j];
        }
        ASSERT_EQ(!below || !above, provesnone(sums, lower, upper, weight)) << "round " << round;
        const Fractions result = fractions(sums, lower, upper, values);
        none += result == Fractions::None;
        whole += result == Fractions::Whole;
        unknown += result == Fractions::Unknown;
        ASSERT_FALSE(result == Fractions::None && any) << "round " << round;
        if (result != Fractions::Whole) continue;
        for (int j = 0; j < n; ++j) ASSERT_TRUE(values[j] >= lower[j] && values[j] <= upper[j]) << "round " << round;
        ASSERT_TRUE(holds(values)) << "round " << round;
    }
    EXPECT_GT(none, 1000);
    EXPECT_GT(whole, 1000);
    EXPECT_EQ(unknown, 0);
}

}  // namespace
}  // namespace tw
