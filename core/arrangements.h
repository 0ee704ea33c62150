// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/relaxation.h"

namespace tw {

// Thrown out of a search that passed its time limit: what it had found is no proof of anything.
struct GaveUp {};

// A number that still needs `need` mines among `size` frontier cells around it, the cells
// numbered from 0.
struct Need {
    std::array<int, 24> cells{};
    int size = 0;
    int need = 0;
};

// Lists kept one after another in one vector: list i is items[start[i]] up to items[start[i + 1]].
template <typename Item>
struct FlatLists {
    std::vector<int> start;
    std::vector<Item> items;
    std::span<const Item> operator[](int i) const { return {items.data() + start[i], items.data() + start[i + 1]}; }
};

// Every way of laying mines on the frontier cells that gives each number what it needs, and
// which cells all of them agree on. Cells around exactly the same numbers are alike, so the
// search chooses how many mines each bunch of alike cells holds rather than which cells.
class Arrangements {
public:
    Arrangements(const std::vector<Need>& needs, int cells);

    // Settles every bunch that lo to hi mines on the frontier allow one way only; false when
    // no arrangement fits at all.
    bool settle(int lo, int hi);
    // Whether some arrangement puts lo to hi mines on the frontier.
    bool exists(int lo, int hi);
    // -1 when frontier cell c may hold a mine or not, else 1 for a mine, 0 for none.
    int certain(int c) const;
    // The fewest and the most mines among the arrangements found so far.
    int fewestfound() const { return fewestfound_; }
    int mostfound() const { return mostfound_; }
    // Every query after `when` throws GaveUp, checked every so many steps.
    void giveupat(std::chrono::steady_clock::time_point when) { giveupat_ = when; }
    // Steps a bunch that a question's first searches take before the walks and the relaxation
    // (one unless changed): none sends nearly every question past them.
    void searchsteps(long steps) { searchsteps_ = steps; }
    // Ways of laying the mines that fitted an earlier position, as the frontier cells of each that
    // hold one: settle mends each by a short walk before anything else, as most still nearly fit.
    void startfrom(std::vector<std::vector<int>> layouts) { starts_ = std::move(layouts); }
    // The arrangements found that showed something none before them did, as the cells of each
    // that hold a mine, frontier cell c named name[c].
    std::vector<std::vector<int>> layouts(const std::vector<int>& name) const;

private:
    using Key = std::pair<std::uint64_t, std::uint64_t>;
    struct KeyHash {
        std::size_t operator()(const Key& k) const { return k.first; }
    };
    struct Bunch {
        std::array<int, 24> groups{};
        int groupcount = 0;
        int size = 0;
        std::array<std::uint64_t, 2> key{};
    };
    struct Group {
        std::array<int, 24> bunches{};
        int bunchcount = 0;
        int need = 0;
        int open = 0;  // the cells of its unassigned bunches
        std::array<std::uint64_t, 2> key{};
        // Whether its open cells may still go either way: it needs a mine and leaves a cell free.
        bool unforced() const { return need != 0 && need != open; }
    };
    // Whether an arrangement found so far left a cell of the bunch free, or put a mine on one.
    struct Seen {
        bool free = false;
        bool mine = false;
    };
    // Groups that share no bunch: the mines still to come are at least the needs of one such
    // packing, and at most the needs of another plus the open cells outside it.
    struct Packing {
        std::vector<char> in;  // each bunch: inside a packed group
        int initial = 0;       // the fewest, or the most, mines at the start
        int needs = 0;         // the packed groups' needs now
        int outside = 0;       // open cells in no packed group
    };

    // Weights on the groups that bound the mines of every arrangement reached from a state, as a
    // linear programme's dual does: the mines laid, each group's need times its weight, and each
    // open bunch at its cheapest (or dearest) against one less the weights of its groups. In
    // whole numbers, the weights scaled by kScale.
    struct Dual {
        bool lower = true;
        std::vector<std::int64_t> weight;   // each group's
        std::vector<std::int64_t> reduced;  // each bunch's: kScale less its groups' weights
        std::int64_t bound = 0;
        std::vector<int> order;  // the bunches, dearest first
        std::vector<double> y;   // the weights the steps have reached, unrounded
        int steps = 0;
        // What laying `mines` in bunch b of `size` cells adds to the bound.
        std::int64_t shift(int b, int mines, int size) const {
            const std::int64_t r = reduced[b];
            return mines * r - size * (lower ? std::min<std::int64_t>(0, r) : std::max<std::int64_t>(0, r));
        }
    };
    static constexpr std::int64_t kScale = 256;

    int bunchcount() const { return static_cast<int>(bunches_.size()); }
    void pairup();
    void weigh(Dual& d, int steps);
    Packing pack(bool fewest) const;
    bool countfits() const;
    bool exists(int b, int first, int last, int lo, int hi);
    bool rounds(int b, int first, int last, std::vector<int>& counts);
    Fractions relax(int b, int first, int last, std::vector<int>& counts) const;
    void found(const std::vector<int>& counts);
    void fix(int b, int mines);
    bool assign(int b, int mines);
    void undo(std::size_t mark);
    bool propagate();
    bool overlaps(int a);
    bool search(const std::vector<int>& seq, std::size_t pos);
    bool branch(int b, int first, int last, const std::vector<int>& seq, std::size_t pos);
    bool ruledout(const Key& key, int from, int to) const;
    void ruleout(const Key& key, int from, int to);
    bool walk(int b, int first, int last, long steps, std::vector<int>& counts, bool resume = false);
    int startwalk(int b, int first, int last, std::vector<int>& counts, bool resume);
    std::vector<int> sequence(int b) const;
    void breadthfirst(int b, std::vector<int>& seq) const;

    std::vector<int> bunchof_;
    std::vector<Bunch> bunches_;
    std::vector<Group> groups_;
    // Each bunch's mines, -1 while unassigned; the first base_ entries of the trail are certain.
    std::vector<int> value_;
    std::vector<int> trail_;
    std::size_t base_ = 0;
    // Groups to settle, groups whose overlaps to look at (each once), and scratch for the overlaps.
    std::vector<int> queue_;
    std::vector<int> dirty_;
    std::vector<char> isdirty_;
    // Each pair of groups that share a bunch, and the open cells they share: the groups each group
    // shares a bunch with, as {group, pair}, and the pairs each bunch lies in.
    std::vector<int> pairopen_;
    FlatLists<std::pair<int, int>> near_;
    FlatLists<int> pairsof_;
    std::vector<int> settled_;
    int mines_ = 0;
    int free_ = 0;
    int cells_ = 0;
    int lo_ = 0;
    int hi_ = 0;
    bool countmatters_ = true;
    long searchsteps_ = 1;
    Packing fewest_;
    Packing most_;
    std::array<Dual, 2> dual_;
    // The bunches component by component, each breadth first, and where each component starts.
    std::vector<int> order_;
    std::vector<int> component_;
    std::vector<int> start_;
    std::vector<Seen> seen_;
    std::vector<int> last_;
    // What a walk keeps of where it stands, kept from one walk to the next.
    struct Walk {
        std::vector<int> excess;  // each group's mines less its need
        std::vector<int> up;      // the mines each bunch may still gain: a settled bunch none
        std::vector<int> down;    // and lose
        std::vector<int> wrong;   // the groups whose excess is not nought
        std::vector<int> at;      // where each group is in wrong, or -1
        std::vector<char> under;  // whether each group has too few mines
        std::vector<char> over;   // and too many
        // Group k's sides and its place in wrong, after its excess changed.
        void sides(int k) {
            under[k] = excess[k] < 0;
            over[k] = excess[k] > 0;
        }
        void recheck(int k) {
            const bool bad = excess[k] != 0;
            sides(k);
            if (bad && at[k] < 0) {
                at[k] = static_cast<int>(wrong.size());
                wrong.push_back(k);
            } else if (!bad && at[k] >= 0) {
                wrong[at[k]] = wrong.back();
                at[wrong.back()] = at[k];
                wrong.pop_back();
                at[k] = -1;
            }
        }
    };
    Walk walk_;
    std::vector<std::vector<int>> starts_;
    std::vector<std::vector<int>> unmended_;
    std::vector<std::vector<int>> shown_;
    // The mines the count allows on the frontier, for the arrangements that show something.
    int windowlo_ = 0;
    int windowhi_ = 0;
    int fewestfound_ = 0;
    int mostfound_ = -1;
    // A search that gives up after `budget_` more steps, and whether it did.
    long budget_ = -1;
    bool aborted_ = false;
    std::chrono::steady_clock::time_point giveupat_ = std::chrono::steady_clock::time_point::max();
    mutable long sincecheck_ = 0;
    void checktime() const;
    // Whether the search goes next to the group with the least choice rather than breadth first.
    bool tightest_ = false;
    // Whether the order by least choice goes first in a question's rounds.
    bool tightfirst_ = false;
    // One more than the times each group could not be met in a search: the order by least choice
    // divides a group's choice by it, so that a search starts where those before it failed.
    std::vector<std::int64_t> clashes_;
    // For each state searched in vain: the totals of mines to come that no arrangement from it
    // reaches, a bit each, at an offset in totals_.
    std::unordered_map<Key, std::size_t, KeyHash> ruledout_;
    std::vector<std::uint64_t> totals_;
    std::array<std::uint64_t, 2> key_{};
};

}  // namespace tw
