// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/deduce.h"

#include <utility>
#include <vector>

#include "core/arrangements.h"
#include "core/grid.h"
#include "core/rules.h"

namespace tw {

namespace {

// An open cell that still has covered cells around it.
struct Number {
    int cell;
    int number;
    int size;
    std::array<int, 24> covered;
};

class Engine {
public:
    Engine(const GameState& s, Deduction& d, DeductionMemory* memory)
        : s_(s), d_(d), memory_(memory), across_(s.across), down_(s.down), offsets_(kCountOffsets[digitmask(s) & 31]) {
        for (int k = 0; k < offsets_.size; ++k) near_[offsets_.offsets[k].dy + 2][offsets_.offsets[k].dx + 2] = true;
        numberat_.assign(s.cells() + 1, -1);
        for (int c = 1; c <= s.cells(); ++c) {
            if (!s.opened[c]) continue;
            Number k{c, s.count[c], 0, {}};
            around(c, [&](int x) {
                if (!s.opened[x]) k.covered[k.size++] = x;
            });
            if (k.size == 0) continue;
            numberat_[c] = static_cast<int>(numbers_.size());
            numbers_.push_back(k);
        }
    }

    void run(std::chrono::steady_clock::time_point giveupat) {
        reason();
        if (!decidebycount()) {
            giveupat_ = giveupat;
            try {
                searchfrontier();
            } catch (const GaveUp&) {
                // Back to what single numbers and pairs show, as before the search.
                d_ = Deduction{};
                reason();
                d_.complete = false;
                // What the memory holds stays proved: it is kept for the next deduction.
                return;
            }
        }
        if (memory_ != nullptr) remember(*memory_);
    }

private:
    struct Tally {
        int undecided = 0;
        int need = 0;
    };

    template <typename Visit>
    void around(int c, Visit visit) const {
        const auto [x, y] = placeof(across_, c);
        for (int k = 0; k < offsets_.size; ++k) {
            const int i = x + offsets_.offsets[k].dx;
            const int j = y + offsets_.offsets[k].dy;
            if (i >= 0 && i < across_ && j >= 0 && j < down_) visit(cellat(across_, i, j));
        }
    }

    // Whether cell b lies around cell a.
    bool touches(int a, int b) const {
        const Place pa = placeof(across_, a);
        const Place pb = placeof(across_, b);
        const int dx = pb.x - pa.x;
        const int dy = pb.y - pa.y;
        return dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2 && near_[dy + 2][dx + 2];
    }

    bool unsure(int c) const { return d_.certainty[c] == Certainty::Unsure; }

    // Whether the player has seen everything now that they saw when the memory was made.
    bool follows(const DeductionMemory& m) const {
        if (m.across != across_ || m.down != down_ || m.totalmines != s_.totalmines || m.mask != digitmask(s_)) {
            return false;
        }
        for (const auto& [c, number] : m.opened) {
            if (!s_.opened[c] || s_.count[c] != number) return false;
        }
        return true;
    }

    void remember(DeductionMemory& m) {
        m = {across_, down_, s_.totalmines, digitmask(s_), {}, {}, {}, std::move(layouts_)};
        for (int c = 1; c <= s_.cells(); ++c) {
            if (s_.opened[c]) m.opened.emplace_back(c, s_.count[c]);
            else if (d_.certainty[c] == Certainty::Mine) m.mines.push_back(c);
            else if (d_.certainty[c] == Certainty::Safe) m.safe.push_back(c);
        }
    }

    Tally tally(const Number& k) const {
        Tally t{0, k.number};
        for (int i = 0; i < k.size; ++i) {
            const Certainty c = d_.certainty[k.covered[i]];
            t.undecided += c == Certainty::Unsure;
            t.need -= c == Certainty::Mine;
        }
        return t;
    }

    void decide(const Number& k, int except, Certainty certainty, Reason why) {
        for (int i = 0; i < k.size; ++i) {
            const int x = k.covered[i];
            if (!unsure(x) || (except != 0 && touches(except, x))) continue;
            d_.certainty[x] = certainty;
            if (certainty == Certainty::Safe) d_.reason[x] = why;
            // The numbers around x are the ones that count it: every neighbourhood is symmetric.
            around(x, [&](int c) {
                if (numberat_[c] < 0) return;
                Tally& t = tallies_[numberat_[c]];
                --t.undecided;
                t.need -= certainty == Certainty::Mine;
            });
        }
    }

    // One number at a time, then pairs of numbers, until neither decides any more.
    void reason() {
        // Each number's tally, kept as decide settles cells.
        tallies_.clear();
        for (const Number& k : numbers_) tallies_.push_back(tally(k));
        for (bool more = true; more;) {
            more = false;
            for (std::size_t n = 0; n < numbers_.size(); ++n) {
                const Number& a = numbers_[n];
                const Tally t = tallies_[n];
                if (t.undecided == 0 || (t.need != 0 && t.need != t.undecided)) continue;
                decide(a, 0, t.need == 0 ? Certainty::Safe : Certainty::Mine, {Why::Satisfied, {{{a.cell, a.number}}}});
                more = true;
            }
            if (more) continue;
            for (std::size_t n = 0; n < numbers_.size(); ++n) {
                const Number& a = numbers_[n];
                const Tally ta = tallies_[n];
                if (ta.undecided == 0) continue;
                int first = 0;
                for (int i = 0; i < a.size && first == 0; ++i) first = unsure(a.covered[i]) ? a.covered[i] : 0;
                // A number whose neighbourhood holds all of a's undecided cells lies around the first of them.
                around(first, [&](int c) {
                    if (numberat_[c] < 0 || c == a.cell) return;
                    const Number& b = numbers_[numberat_[c]];
                    const Tally tb = tallies_[numberat_[c]];
                    const int rest = tb.undecided - ta.undecided;
                    if (rest <= 0 || (tb.need != ta.need && tb.need - ta.need != rest)) return;
                    for (int i = 0; i < a.size; ++i) {
                        if (unsure(a.covered[i]) && !touches(b.cell, a.covered[i])) return;
                    }
                    decide(b, a.cell, tb.need == ta.need ? Certainty::Safe : Certainty::Mine,
                           {Why::Subset, {{{a.cell, a.number}, {b.cell, b.number}}}});
                    more = true;
                });
            }
        }
    }

    // When the certain mines are all there are, or the undecided cells must all be mines.
    bool decidebycount() {
        int left = s_.totalmines;
        int undecided = 0;
        for (int c = 1; c <= s_.cells(); ++c) {
            if (s_.opened[c]) continue;
            left -= d_.certainty[c] == Certainty::Mine;
            undecided += unsure(c);
        }
        if (undecided == 0 || (left != 0 && left != undecided)) return undecided == 0;
        for (int c = 1; c <= s_.cells(); ++c) {
            if (s_.opened[c] || !unsure(c)) continue;
            d_.certainty[c] = left == 0 ? Certainty::Safe : Certainty::Mine;
            if (left == 0) d_.reason[c] = {Why::Count, {}};
        }
        return true;
    }

    void searchfrontier() {
        // What an earlier deduction proved holds still; the cells it proved safe get their
        // reasons below as though the search had found them.
        const bool recall = memory_ != nullptr && follows(*memory_);
        std::vector<int> foundsafe;
        if (recall) {
            for (int c : memory_->mines) d_.certainty[c] = s_.opened[c] ? d_.certainty[c] : Certainty::Mine;
            for (int c : memory_->safe) {
                if (s_.opened[c] || !unsure(c)) continue;
                d_.certainty[c] = Certainty::Safe;
                bool touched = false;
                around(c, [&](int x) { touched = touched || s_.opened[x]; });
                if (touched) foundsafe.push_back(c);
                else d_.reason[c] = {Why::Count, {}};
            }
        }
        std::vector<int> frontierat(s_.cells() + 1, -1);
        std::vector<int> cellof;
        std::vector<Need> needs;
        for (const Number& k : numbers_) {
            Need n;
            n.need = k.number;
            for (int i = 0; i < k.size; ++i) {
                const int x = k.covered[i];
                if (d_.certainty[x] == Certainty::Mine) --n.need;
                if (!unsure(x)) continue;
                if (frontierat[x] < 0) {
                    frontierat[x] = static_cast<int>(cellof.size());
                    cellof.push_back(x);
                }
                n.cells[n.size++] = frontierat[x];
            }
            if (n.size > 0) needs.push_back(n);
        }
        int left = s_.totalmines;
        int others = 0;
        for (int c = 1; c <= s_.cells(); ++c) {
            if (s_.opened[c]) continue;
            left -= d_.certainty[c] == Certainty::Mine;
            others += unsure(c) && frontierat[c] < 0;
        }
        // The cells off the frontier take the mines the frontier leaves: none to all of them.
        Arrangements frontier(needs, static_cast<int>(cellof.size()));
        frontier.giveupat(giveupat_);
        if (recall) {
            std::vector<std::vector<int>> starts;
            for (const std::vector<int>& layout : memory_->layouts) {
                std::vector<int>& cells = starts.emplace_back();
                cells.reserve(layout.size());
                for (int c : layout) {
                    if (frontierat[c] >= 0) cells.push_back(frontierat[c]);
                }
            }
            frontier.startfrom(std::move(starts));
        }
        // No arrangement at all: the position contradicts itself, and nothing more is certain.
        if (!frontier.settle(left - others, left)) return;
        // The arrangements found, for a memory only: a deduction on its own has nowhere to leave them.
        if (memory_ != nullptr) layouts_ = frontier.layouts(cellof);
        for (int c = 0; c < static_cast<int>(cellof.size()); ++c) {
            if (frontier.certain(c) < 0) continue;
            d_.certainty[cellof[c]] = frontier.certain(c) == 1 ? Certainty::Mine : Certainty::Safe;
            if (frontier.certain(c) == 0) foundsafe.push_back(cellof[c]);
        }
        if (others > 0) {
            // A cell off the frontier may hold a mine when the frontier can leave one over, and
            // may be free when the frontier can take more than the others could not hold.
            const bool mine = frontier.fewestfound() < left || frontier.exists(left - others, left - 1);
            const bool free = frontier.mostfound() > left - others || frontier.exists(left - others + 1, left);
            for (int c = 1; c <= s_.cells(); ++c) {
                if (s_.opened[c] || !unsure(c) || frontierat[c] >= 0 || (mine && free)) continue;
                d_.certainty[c] = mine ? Certainty::Mine : Certainty::Safe;
                if (!mine) d_.reason[c] = {Why::Count, {}};
            }
        }
        if (!foundsafe.empty()) explain(foundsafe);
    }

    // The safe cells the search found get a plainer reason where one or two numbers show them,
    // now that the search's mines are certain too.
    void explain(const std::vector<int>& foundsafe) {
        for (int x : foundsafe) d_.certainty[x] = Certainty::Unsure;
        reason();
        for (int x : foundsafe) {
            if (!unsure(x)) continue;
            d_.certainty[x] = Certainty::Safe;
            d_.reason[x] = {Why::Frontier, {}};
        }
    }

    const GameState& s_;
    Deduction& d_;
    DeductionMemory* memory_;
    std::vector<std::vector<int>> layouts_;
    int across_;
    int down_;
    const OffsetList& offsets_;
    bool near_[5][5] = {};
    std::vector<Number> numbers_;
    std::vector<int> numberat_;
    std::vector<Tally> tallies_;
    std::chrono::steady_clock::time_point giveupat_ = std::chrono::steady_clock::time_point::max();
};

}  // namespace

Deduction deduce(const GameState& s, std::chrono::steady_clock::time_point giveupat, DeductionMemory* memory) {
    Deduction d;
    Engine(s, d, memory).run(giveupat);
    return d;
}

}  // namespace tw
