// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arrangements.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <compare>
#include <cstdlib>
#include <limits>
#include <numeric>
#include <span>
#include <utility>

namespace tw {

namespace {

// Puts each item in the list it names, by counting: each list holds its items in the order given.
template <typename Item>
FlatLists<Item> bylist(int lists, const std::vector<std::pair<int, Item>>& entries) {
    FlatLists<Item> flat;
    flat.start.assign(lists + 1, 0);
    for (const auto& entry : entries) ++flat.start[entry.first + 1];
    for (int i = 0; i < lists; ++i) flat.start[i + 1] += flat.start[i];
    flat.items.resize(entries.size());
    std::vector<int> at(flat.start.begin(), flat.start.end() - 1);
    for (const auto& [list, item] : entries) flat.items[at[list]++] = item;
    return flat;
}

// The bits of word w, of a state's totals a bit each, that stand for the totals from to to.
std::uint64_t totalbits(int from, int to, int w) {
    const int lo = std::max(from, 64 * w) - 64 * w;
    const int hi = std::min(to, 64 * w + 63) - 64 * w;
    return (hi == 63 ? ~std::uint64_t{0} : (std::uint64_t{1} << (hi + 1)) - 1) >> lo << lo;
}

// A query's first search gives up after one step a bunch (Arrangements::searchsteps), as the
// other order, a walk or tighter bounds often settle at once what one order searches long for;
// its walks take twice as many steps, and every other round doubles both. Walks, and the
// subgradient steps for the mine count's bounds, end after kWalks rounds.
constexpr int kWalks = 12;
// Steps a bunch of the walk that each query tries before any search; half as many where an
// earlier position's layouts answered the easy questions already.
constexpr long kFirstWalk = 2;
constexpr int kWeighing = 100;
// Past this many states searched in vain, what is known of them is forgotten.
constexpr std::size_t kMostRuledOut = std::size_t{1} << 20;

}  // namespace

Arrangements::Arrangements(const std::vector<Need>& needs, int cells) : bunchof_(cells) {
    // The numbers around each cell, in order.
    std::vector<std::pair<int, int>> cellnumbers;
    cellnumbers.reserve(std::accumulate(needs.begin(), needs.end(), std::size_t{0},
                                        [](std::size_t sum, const Need& n) { return sum + n.size; }));
    for (int k = 0; k < static_cast<int>(needs.size()); ++k) {
        for (int i = 0; i < needs[k].size; ++i) cellnumbers.emplace_back(needs[k].cells[i], k);
    }
    const FlatLists<int> numbers = bylist(cells, cellnumbers);
    // Alike cells sort together, by a hash of their numbers first; a bunch is numbered by its first cell.
    std::vector<std::uint64_t> hash(cells);
    for (int c = 0; c < cells; ++c) {
        for (int k : numbers[c]) hash[c] = (hash[c] ^ static_cast<std::uint64_t>(k + 1)) * 0x9e3779b97f4a7c15ull;
    }
    std::vector<int> sorted(cells);
    for (int c = 0; c < cells; ++c) sorted[c] = c;
    std::sort(sorted.begin(), sorted.end(), [&](int a, int b) {
        if (hash[a] != hash[b]) return hash[a] < hash[b];
        const auto na = numbers[a];
        const auto nb = numbers[b];
        const auto order = std::lexicographical_compare_three_way(na.begin(), na.end(), nb.begin(), nb.end());
        return order < 0 || (order == 0 && a < b);
    });
    std::vector<int> first(cells);
    for (int i = 0; i < cells; ++i) {
        const bool alike = i > 0 && std::ranges::equal(numbers[sorted[i]], numbers[sorted[i - 1]]);
        first[sorted[i]] = alike ? first[sorted[i - 1]] : sorted[i];
    }
    for (int c = 0; c < cells; ++c) {
        if (first[c] == c) {
            Bunch b;
            for (int k : numbers[c]) b.groups[b.groupcount++] = k;
            bunchof_[c] = bunchcount();
            bunches_.push_back(b);
        } else {
            bunchof_[c] = bunchof_[first[c]];
        }
        ++bunches_[bunchof_[c]].size;
    }
    groups_.resize(needs.size());
    for (int b = 0; b < bunchcount(); ++b) {
        for (int i = 0; i < bunches_[b].groupcount; ++i) {
            Group& g = groups_[bunches_[b].groups[i]];
            g.bunches[g.bunchcount++] = b;
        }
    }
    for (std::size_t k = 0; k < needs.size(); ++k) {
        groups_[k].need = needs[k].need;
        groups_[k].open = needs[k].size;
    }
    value_.assign(bunchcount(), -1);
    seen_.resize(bunchcount());
    pairup();
    isdirty_.assign(groups_.size(), false);
    clashes_.assign(groups_.size(), 1);
    free_ = cells;
    cells_ = cells;
    component_.assign(bunchcount(), -1);
    for (int root = 0; root < bunchcount(); ++root) {
        if (component_[root] >= 0) continue;
        start_.push_back(static_cast<int>(order_.size()));
        breadthfirst(root, order_);
        for (std::size_t i = start_.back(); i < order_.size(); ++i) component_[order_[i]] = static_cast<int>(start_.size()) - 1;
    }
    start_.push_back(static_cast<int>(order_.size()));
    // Fixed keys, so that every run searches alike.
    std::uint64_t seed = 0;
    const auto random = [&] {
        std::uint64_t z = (seed += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    };
    for (Bunch& b : bunches_) b.key = {random(), random()};
    for (Group& g : groups_) {
        g.key = {random(), random()};
        for (int h = 0; h < 2; ++h) key_[h] += static_cast<std::uint64_t>(g.need) * g.key[h];
    }
    fewest_ = pack(true);
    most_ = pack(false);
    dual_[1].lower = false;
    for (Dual& d : dual_) {
        d.weight.assign(groups_.size(), 0);
        d.reduced.assign(bunchcount(), kScale);
        d.bound = d.lower ? 0 : cells * kScale;
    }
}

void Arrangements::pairup() {
    // Each group with each later group it shares a bunch with, found through its bunches: a pair
    // first met gets the next number.
    std::vector<int> metby(groups_.size(), -1);
    std::vector<int> pairat(groups_.size());
    std::vector<std::array<int, 2>> pairs;
    std::vector<std::pair<int, int>> shares;  // each bunch with each pair it lies in
    for (int g1 = 0; g1 < static_cast<int>(groups_.size()); ++g1) {
        for (int i = 0; i < groups_[g1].bunchcount; ++i) {
            const int x = groups_[g1].bunches[i];
            const Bunch& bx = bunches_[x];
            for (int h = 0; h < bx.groupcount; ++h) {
                const int g2 = bx.groups[h];
                if (g2 <= g1) continue;
                if (metby[g2] != g1) {
                    metby[g2] = g1;
                    pairat[g2] = static_cast<int>(pairs.size());
                    pairs.push_back({g1, g2});
                    pairopen_.push_back(0);
                }
                pairopen_[pairat[g2]] += bx.size;
                shares.emplace_back(x, pairat[g2]);
            }
        }
    }
    // The pairs of each bunch, the neighbours of each group.
    pairsof_ = bylist(bunchcount(), shares);
    std::vector<std::pair<int, std::pair<int, int>>> neighbours;
    neighbours.reserve(2 * pairs.size());
    for (int p = 0; p < static_cast<int>(pairs.size()); ++p) {
        neighbours.push_back({pairs[p][0], {pairs[p][1], p}});
        neighbours.push_back({pairs[p][1], {pairs[p][0], p}});
    }
    near_ = bylist(static_cast<int>(groups_.size()), neighbours);
}

// Looks for better weights by `steps` more subgradient steps, keeping the best bound met, and
// orders the bunches by how much a mine more or less there costs.
void Arrangements::weigh(Dual& d, int steps) {
    const double sign = d.lower ? 1 : -1;
    d.y.resize(groups_.size());
    std::vector<int> open;
    for (int b = 0; b < bunchcount(); ++b) {
        if (value_[b] < 0) open.push_back(b);
    }
    // One pass over the open bunches bounds the mines by the rounded weights and, with slope, finds
    // the subgradient at the weights y: each group's need less the cells of its bunches y would fill.
    std::vector<double> g(groups_.size());
    std::vector<std::int64_t> rounded = d.weight;
    const auto pass = [&](bool slope) {
        std::int64_t bound = mines_ * kScale;
        for (std::size_t k = 0; k < groups_.size(); ++k) {
            if (slope) g[k] = groups_[k].need;
            bound += rounded[k] * groups_[k].need;
        }
        for (int b : open) {
            const Bunch& bunch = bunches_[b];
            double r = 1;
            std::int64_t reduced = kScale;
            for (int i = 0; i < bunch.groupcount; ++i) {
                r -= d.y[bunch.groups[i]];
                reduced -= rounded[bunch.groups[i]];
            }
            bound += bunch.size * (d.lower ? std::min<std::int64_t>(0, reduced) : std::max<std::int64_t>(0, reduced));
            if (!slope || sign * r >= 0) continue;
            for (int i = 0; i < bunch.groupcount; ++i) g[bunch.groups[i]] -= bunch.size;
        }
        return bound;
    };
    std::vector<std::int64_t> best = d.weight;
    std::int64_t bestbound = pass(steps > 0);
    for (int end = d.steps + steps; d.steps < end; ++d.steps) {
        checktime();
        double norm = 0;
        for (double v : g) norm += v * v;
        if (norm == 0) break;
        const double t = sign / std::sqrt(norm * (d.steps + 1));
        for (std::size_t k = 0; k < groups_.size(); ++k) {
            d.y[k] += t * g[k];
            rounded[k] = std::llround(d.y[k] * kScale);
        }
        const std::int64_t bound = pass(d.steps + 1 < end);
        if (sign * static_cast<double>(bound - bestbound) > 0) {
            bestbound = bound;
            best = rounded;
        }
    }
    d.weight = best;
    d.bound = bestbound;
    for (int b = 0; b < bunchcount(); ++b) {
        d.reduced[b] = kScale;
        for (int i = 0; i < bunches_[b].groupcount; ++i) d.reduced[b] -= best[bunches_[b].groups[i]];
    }
    d.order.resize(bunchcount());
    for (int b = 0; b < bunchcount(); ++b) d.order[b] = b;
    std::sort(d.order.begin(), d.order.end(),
              [&](int a, int b) { return std::abs(d.reduced[a]) > std::abs(d.reduced[b]); });
}

Arrangements::Packing Arrangements::pack(bool fewest) const {
    // For the fewest mines the groups that need the most go first; for the most, those that
    // leave the most cells free.
    const auto weight = [&](const Group& g) { return fewest ? g.need : g.open - g.need; };
    std::vector<int> byweight(groups_.size());
    for (std::size_t k = 0; k < byweight.size(); ++k) byweight[k] = static_cast<int>(k);
    std::stable_sort(byweight.begin(), byweight.end(),
                     [&](int j, int k) { return weight(groups_[j]) > weight(groups_[k]); });
    Packing p;
    p.in.assign(bunchcount(), false);
    p.outside = free_;
    for (int k : byweight) {
        const Group& g = groups_[k];
        bool apart = true;
        for (int i = 0; i < g.bunchcount; ++i) apart = apart && !p.in[g.bunches[i]];
        if (!apart) continue;
        for (int i = 0; i < g.bunchcount; ++i) p.in[g.bunches[i]] = true;
        p.needs += g.need;
        p.outside -= g.open;
    }
    p.initial = fewest ? p.needs : p.needs + p.outside;
    return p;
}

bool Arrangements::settle(int lo, int hi) {
    windowlo_ = lo;
    windowhi_ = hi;
    lo_ = lo;
    hi_ = hi;
    bool fits = false;
    // Where the last mend ended: each mend after the first resumes from there.
    std::vector<int> counts;
    for (std::size_t i = 0; i < starts_.size(); ++i) {
        std::vector<int> start(bunchcount());
        for (int c : starts_[i]) ++start[bunchof_[c]];
        const std::vector<int> before = std::exchange(last_, std::move(start));
        if (walk(-1, 0, 0, bunchcount(), counts, i > 0)) {
            found(counts);
            fits = true;
        } else {
            unmended_.push_back(std::exchange(last_, before));
        }
    }
    if (!fits && !exists(-1, 0, 0, lo, hi)) return false;
    // Without the mine count first: what no arrangement at all allows is settled cheaply.
    const auto possible = [&](int b, bool mine) {
        const int size = bunches_[b].size;
        if (!exists(b, mine ? 1 : 0, mine ? size : size - 1, 0, cells_)) return false;
        return (mine ? seen_[b].mine : seen_[b].free) || exists(b, mine ? 1 : 0, mine ? size : size - 1, lo, hi);
    };
    for (int b : order_) {
        const int size = bunches_[b].size;
        if (value_[b] < 0 && !seen_[b].mine && !possible(b, true)) fix(b, 0);
        if (value_[b] < 0 && !seen_[b].free && !possible(b, false)) fix(b, size);
    }
    return true;
}

bool Arrangements::exists(int lo, int hi) { return exists(-1, 0, 0, lo, hi); }

std::vector<std::vector<int>> Arrangements::layouts(const std::vector<int>& name) const {
    // The cells of each bunch in order: a layout's mines in a bunch go on its first cells.
    std::vector<std::pair<int, int>> named(cells_);
    for (int c = 0; c < cells_; ++c) named[c] = {bunchof_[c], name[c]};
    const FlatLists<int> cellsof = bylist(bunchcount(), named);
    std::vector<std::vector<int>> layouts;
    layouts.reserve(shown_.size());
    for (const std::vector<int>& counts : shown_) {
        std::vector<int>& cells = layouts.emplace_back(std::accumulate(counts.begin(), counts.end(), std::size_t{0}));
        auto out = cells.begin();
        for (int b = 0; b < bunchcount(); ++b) {
            for (int i = 0; i < counts[b]; ++i) *out++ = cellsof[b][i];
        }
    }
    return layouts;
}

int Arrangements::certain(int c) const {
    const int b = bunchof_[c];
    return value_[b] == 0 ? 0 : value_[b] == bunches_[b].size ? 1 : -1;
}

bool Arrangements::countfits() const {
    return mines_ + fewest_.needs <= hi_ && mines_ + most_.needs + most_.outside >= lo_ &&
           dual_[0].bound <= hi_ * kScale && dual_[1].bound >= lo_ * kScale;
}

// Looks for an arrangement with first to last mines in bunch b (none when negative) and lo to hi
// mines in all.
bool Arrangements::exists(int b, int first, int last, int lo, int hi) {
    lo_ = lo;
    hi_ = hi;
    // When the mine count cannot cut an arrangement off, a state without one has none at all.
    countmatters_ = lo > fewest_.initial || hi < most_.initial;
    if (ruledout_.size() > kMostRuledOut) {
        ruledout_.clear();
        totals_.clear();
    }
    std::vector<int> counts;
    // Most bunches that may go either way show it by a short walk from the last arrangement.
    const long firstwalk = (starts_.empty() ? kFirstWalk : kFirstWalk / 2) * bunchcount();
    if (b >= 0 && !last_.empty() && walk(b, first, last, firstwalk, counts)) {
        found(counts);
        return true;
    }
    // A layout of an earlier position that no walk mended but that has b as asked starts the
    // search nearer than the last arrangement does; that stays the next start where none is found.
    const auto asked = [&](const std::vector<int>& layout) {
        return b >= 0 && layout[b] >= first && layout[b] <= last;
    };
    const auto start = std::find_if(unmended_.begin(), unmended_.end(), asked);
    if (start == unmended_.end()) return rounds(b, first, last, counts);
    const std::vector<int> kept = std::exchange(last_, *start);
    if (rounds(b, first, last, counts)) return true;
    last_ = kept;
    return false;
}

// Searches for an arrangement with first to last mines in bunch b (none when negative).
bool Arrangements::rounds(int b, int first, int last, std::vector<int>& counts) {
    const std::vector<int> seq = b < 0 ? order_ : sequence(b);
    // Searches in two orders by turns and walks, each longer than the last, with tighter bounds
    // on the mines while the count may cut arrangements off. The states searched in vain stay
    // known from one search to the next. The order that answered the last question goes first:
    // the questions of one position tend to suit the same one.
    for (int round = 0;; ++round) {
        const int growth = std::min(round / 2, 40);
        tightest_ = (round % 2 == 1) != tightfirst_;
        checktime();
        const long steps = (searchsteps_ * bunchcount() + 1) << growth;
        budget_ = steps;
        aborted_ = false;
        const bool ok = countfits() && (b < 0 ? search(seq, 0) : branch(b, first, last, seq, 0));
        budget_ = -1;
        if (ok || !aborted_) tightfirst_ = tightest_;
        if (ok) {
            found(value_);
            undo(base_);
            return true;
        }
        if (!aborted_) return false;
        // Neither order's first search ended: the fractional relaxation often proves there is no
        // arrangement, or finds one, where the search would take exponentially long. It is the
        // dearest step, so it runs at the second round, the fourth, the eighth and so on, each
        // time from the last rounding, which often leads to another corner; the rounds between
        // start from that rounding.
        if (round > 0 && std::has_single_bit(static_cast<unsigned>(round) + 1)) {
            const Fractions relaxed = relax(b, first, last, counts);
            if (relaxed == Fractions::None) return false;
            if (relaxed == Fractions::Whole) {
                found(counts);
                return true;
            }
            // Rounded fractions are a good start for the walks and the search's order.
            if (relaxed == Fractions::Some) last_ = counts;
        }
        if (round < kWalks && walk(b, first, last, 2 * steps, counts)) {
            found(counts);
            return true;
        }
        for (Dual& d : dual_) {
            if (countmatters_ && round < kWalks) weigh(d, kWeighing << growth);
        }
    }
}

// Looks for an arrangement with the simplex method, from the last one found: may prove there is
// none (Fractions::None), or find one (Fractions::Whole, then in counts).
Fractions Arrangements::relax(int b, int first, int last, std::vector<int>& counts) const {
    std::vector<int> var(bunchcount(), -1);
    std::vector<int> lower;
    std::vector<int> upper;
    std::vector<int> values;
    std::vector<int> bunch;
    for (int x = 0; x < bunchcount(); ++x) {
        if (value_[x] >= 0) continue;
        var[x] = static_cast<int>(lower.size());
        lower.push_back(x == b ? first : 0);
        upper.push_back(x == b ? std::min(last, bunches_[x].size) : bunches_[x].size);
        values.push_back(std::clamp(last_.empty() ? 0 : last_[x], lower.back(), upper.back()));
        bunch.push_back(x);
    }
    std::vector<SumOf> sums;
    for (const Group& g : groups_) {
        if (g.open == 0) {
            if (g.need != 0) return Fractions::None;
            continue;
        }
        SumOf sum;
        sum.total = g.need;
        for (int i = 0; i < g.bunchcount; ++i) {
            if (value_[g.bunches[i]] < 0) sum.vars.push_back(var[g.bunches[i]]);
        }
        sums.push_back(std::move(sum));
    }
    const int vars = static_cast<int>(lower.size());
    if (countmatters_) {
        // The mines to come, and a slack variable for the room the count leaves below its most.
        const int most = hi_ - mines_;
        const int least = std::max(0, lo_ - mines_);
        if (most < least) return Fractions::None;
        SumOf count;
        count.total = most;
        int sum = 0;
        for (int j = 0; j < vars; ++j) {
            count.vars.push_back(j);
            sum += values[j];
        }
        count.vars.push_back(vars);
        lower.push_back(0);
        upper.push_back(most - least);
        values.push_back(std::clamp(most - sum, 0, most - least));
        sums.push_back(std::move(count));
    }
    const Fractions result = fractions(sums, lower, upper, values);
    if (result == Fractions::Whole || result == Fractions::Some) {
        counts = value_;
        for (int j = 0; j < vars; ++j) counts[bunch[j]] = values[j];
    }
    return result;
}

void Arrangements::found(const std::vector<int>& counts) {
    int mines = 0;
    for (int c : counts) mines += c;
    last_ = counts;
    // An arrangement the mine count rules out shows nothing about the cells.
    if (mines < windowlo_ || mines > windowhi_) return;
    bool shows = false;
    for (int c = 0; c < bunchcount(); ++c) {
        const Seen was = seen_[c];
        seen_[c].free = seen_[c].free || counts[c] < bunches_[c].size;
        seen_[c].mine = seen_[c].mine || counts[c] > 0;
        shows = shows || seen_[c].free != was.free || seen_[c].mine != was.mine;
    }
    if (shows) shown_.push_back(counts);
    if (mostfound_ < 0) fewestfound_ = mines;
    fewestfound_ = std::min(fewestfound_, mines);
    mostfound_ = std::max(mostfound_, mines);
}

// Bunch b certainly holds `mines`: it stays so for every later search, with what follows.
void Arrangements::fix(int b, int mines) {
    assign(b, mines);
    propagate();
    queue_.clear();
    for (int k : dirty_) isdirty_[k] = false;
    dirty_.clear();
    base_ = trail_.size();
}

bool Arrangements::assign(int b, int mines) {
    const Bunch& bunch = bunches_[b];
    value_[b] = mines;
    trail_.push_back(b);
    mines_ += mines;
    free_ -= bunch.size;
    for (Packing* p : {&fewest_, &most_}) {
        if (p->in[b]) p->needs -= mines;
        else p->outside -= bunch.size;
    }
    for (int h = 0; h < 2; ++h) key_[h] += bunch.key[h];
    for (Dual& d : dual_) d.bound += d.shift(b, mines, bunch.size);
    for (int p : pairsof_[b]) pairopen_[p] -= bunch.size;
    bool ok = true;
    for (int i = 0; i < bunch.groupcount; ++i) {
        const int k = bunch.groups[i];
        Group& g = groups_[k];
        g.open -= bunch.size;
        g.need -= mines;
        if (mines != 0) {
            for (int h = 0; h < 2; ++h) key_[h] -= static_cast<std::uint64_t>(mines) * g.key[h];
        }
        if (!isdirty_[k]) dirty_.push_back(k);
        isdirty_[k] = true;
        if (g.need < 0 || g.need > g.open) {
            ++clashes_[k];
            ok = false;
        } else if (g.open > 0 && !g.unforced()) {
            queue_.push_back(k);
        }
    }
    return ok && countfits();
}

void Arrangements::undo(std::size_t mark) {
    while (trail_.size() > mark) {
        const int b = trail_.back();
        trail_.pop_back();
        const Bunch& bunch = bunches_[b];
        const int mines = value_[b];
        for (int i = 0; i < bunch.groupcount; ++i) {
            Group& g = groups_[bunch.groups[i]];
            g.open += bunch.size;
            g.need += mines;
            if (mines != 0) {
                for (int h = 0; h < 2; ++h) key_[h] += static_cast<std::uint64_t>(mines) * g.key[h];
            }
        }
        for (int h = 0; h < 2; ++h) key_[h] -= bunch.key[h];
        for (Dual& d : dual_) d.bound -= d.shift(b, mines, bunch.size);
        for (int p : pairsof_[b]) pairopen_[p] += bunch.size;
        for (Packing* p : {&fewest_, &most_}) {
            if (p->in[b]) p->needs += mines;
            else p->outside += bunch.size;
        }
        mines_ -= mines;
        free_ += bunch.size;
        value_[b] = -1;
    }
    queue_.clear();
    for (int k : dirty_) isdirty_[k] = false;
    dirty_.clear();
}

// A group that needs no more mines, or a mine on each open cell, settles its bunches; so may
// two groups that overlap; a mine count reached from either side settles the bunches outside
// the packing that bounds it.
bool Arrangements::propagate() {
    for (;;) {
        if (!queue_.empty()) {
            const Group& g = groups_[queue_.back()];
            queue_.pop_back();
            if (g.open == 0 || g.unforced()) continue;
            for (int i = 0; i < g.bunchcount; ++i) {
                const int b = g.bunches[i];
                if (value_[b] < 0 && !assign(b, g.need == 0 ? 0 : bunches_[b].size)) return false;
            }
            continue;
        }
        if (!dirty_.empty()) {
            const int k = dirty_.back();
            dirty_.pop_back();
            isdirty_[k] = false;
            if (!overlaps(k)) return false;
            continue;
        }
        // A bunch whose every mine, or every free cell, costs more than the bounds leave room for.
        bool more = false;
        for (const Dual& d : dual_) {
            const std::int64_t room = d.lower ? hi_ * kScale - d.bound : d.bound - lo_ * kScale;
            for (int b : d.order) {
                if (std::abs(d.reduced[b]) <= room) break;
                if (value_[b] >= 0) continue;
                more = true;
                if (!assign(b, (d.reduced[b] > 0) == d.lower ? 0 : bunches_[b].size)) return false;
            }
        }
        if (more) continue;
        const bool full = mines_ + most_.needs + most_.outside == lo_ && most_.outside > 0;
        const bool empty = mines_ + fewest_.needs == hi_ && fewest_.outside > 0;
        if (!full && !empty) return true;
        const Packing& packing = empty ? fewest_ : most_;
        for (int b = 0; b < bunchcount(); ++b) {
            if (value_[b] < 0 && !packing.in[b] && !assign(b, empty ? 0 : bunches_[b].size)) return false;
        }
    }
}

// Group a and each group it shares open cells with: the shared cells hold at least what either
// needs beyond its other open cells and at most what either needs, which may leave either
// group's other open cells no choice.
bool Arrangements::overlaps(int a) {
    const Group& ga = groups_[a];
    if (ga.open == 0) return true;
    // What settles, each bunch as itself for a mine on every cell or ~itself for none.
    std::vector<int>& settled = settled_;
    settled.clear();
    // The open cells of g outside its pair with `other` hold no mine, or a mine each.
    const auto outside = [&](const Group& g, int other, bool none) {
        for (int i = 0; i < g.bunchcount; ++i) {
            const int x = g.bunches[i];
            const Bunch& bx = bunches_[x];
            const auto end = bx.groups.begin() + bx.groupcount;
            if (value_[x] < 0 && std::find(bx.groups.begin(), end, other) == end) settled.push_back(none ? ~x : x);
        }
    };
    const int need = ga.need;
    const int open = ga.open;
    // The lists are read through spans, which the loop cannot change (it writes only to settled),
    // so that their starts are not loaded again at every pair.
    const std::span<const std::pair<int, int>> near = near_[a];
    const std::span<const int> pairopen(pairopen_);
    const std::span<const Group> groups(groups_);
    const bool unforced = ga.unforced();
    for (const auto& [c, pair] : near) {
        const int both = pairopen[pair];
        if (both == 0) continue;
        const Group& gc = groups[c];
        // Two groups that each still need a mine and leave a cell free decide something about each
        // other only when their shared cells are at least one's need and the other's free cells.
        if (unforced && gc.unforced() && both < need + (gc.open - gc.need) && both < gc.need + (open - need)) {
            continue;
        }
        const int rest = open - both;
        const int restc = gc.open - both;
        const int least = std::max({0, need - rest, gc.need - restc});
        const int most = std::min({both, need, gc.need});
        if (least > most) {
            ++clashes_[a];
            ++clashes_[c];
            return false;
        }
        if (rest > 0 && (need == least || need - most == rest)) outside(ga, c, need == least);
        if (restc > 0 && (gc.need == least || gc.need - most == restc)) outside(gc, a, gc.need == least);
    }
    for (int s : settled) {
        const int x = s < 0 ? ~s : s;
        const int mines = s < 0 ? 0 : bunches_[x].size;
        if (value_[x] >= 0 ? value_[x] != mines : !assign(x, mines)) return false;
    }
    return true;
}

bool Arrangements::search(const std::vector<int>& seq, std::size_t pos) {
    while (pos < seq.size() && value_[seq[pos]] >= 0) ++pos;
    if (pos == seq.size()) return true;
    int b = seq[pos];
    // Breadth first from the query's bunch, or a bunch of the group whose choice is least for its
    // clashes: score / clashes, compared by cross-multiplying to stay in whole numbers.
    if (tightest_) {
        std::int64_t best = -1;
        std::int64_t bestclashes = 1;
        for (std::size_t k = 0; k < groups_.size(); ++k) {
            const Group& g = groups_[k];
            if (g.open == 0) continue;
            const std::int64_t score = std::min(g.need, g.open - g.need) * 64 + g.open;
            if (best >= 0 && score * bestclashes >= best * clashes_[k]) continue;
            for (int i = 0; i < g.bunchcount; ++i) {
                if (value_[g.bunches[i]] < 0) {
                    best = score;
                    bestclashes = clashes_[k];
                    b = g.bunches[i];
                    break;
                }
            }
        }
    }
    return branch(b, 0, bunches_[b].size, seq, pos);
}

// Tries first to last mines in bunch b, as far as its groups allow, then searches on.
bool Arrangements::branch(int b, int first, int last, const std::vector<int>& seq, std::size_t pos) {
    // Propagation may have settled b already.
    if (value_[b] >= 0) return value_[b] >= first && value_[b] <= last && search(seq, pos);
    // What is left depends only on which bunches are assigned and the needs of the groups: a
    // state that reached no total of mines to come in a window reaches none there again. The
    // 128-bit key is a sum of random numbers; two states share one with odds of 2^-128.
    const Key key{key_[0], key_[1]};
    const int from = countmatters_ ? std::max(0, lo_ - mines_) : 0;
    const int to = countmatters_ ? std::min(free_, hi_ - mines_) : free_;
    if (ruledout(key, from, to)) return false;
    checktime();
    if (budget_ >= 0 && budget_-- == 0) aborted_ = true;
    if (aborted_) return false;
    const bool whole = first == 0 && last == bunches_[b].size;
    const Bunch& bunch = bunches_[b];
    for (int i = 0; i < bunch.groupcount; ++i) {
        const Group& g = groups_[bunch.groups[i]];
        first = std::max(first, g.need - (g.open - bunch.size));
        last = std::min(last, g.need);
    }
    // The mines the bounds leave room for.
    for (const Dual& d : dual_) {
        const std::int64_t room = d.lower ? hi_ * kScale - d.bound : d.bound - lo_ * kScale;
        const std::int64_t r = d.reduced[b];
        if (r == 0) continue;
        const int most = static_cast<int>(std::min<std::int64_t>(bunch.size, room / std::abs(r)));
        if ((r > 0) == d.lower) {
            last = std::min(last, most);
        } else {
            first = std::max(first, bunch.size - most);
        }
    }
    // The count of the last arrangement found first, so that the search finds one close to
    // it, then the counts further and further from it.
    const int start = last_.empty() ? first : std::clamp(last_[b], first, last);
    for (int i = 0; i <= 2 * (last - first); ++i) {
        const int mines = start + (i % 2 == 0 ? i / 2 : -(i + 1) / 2);
        if (mines < first || mines > last) continue;
        const std::size_t mark = trail_.size();
        if (assign(b, mines) && propagate() && search(seq, pos)) return true;
        undo(mark);
        if (aborted_) return false;
    }
    if (whole) ruleout(key, from, to);
    return false;
}

bool Arrangements::ruledout(const Key& key, int from, int to) const {
    const auto at = ruledout_.find(key);
    if (at == ruledout_.end()) return false;
    for (int w = from / 64; from <= to && w <= to / 64; ++w) {
        const std::uint64_t bits = totalbits(from, to, w);
        if ((totals_[at->second + w] & bits) != bits) return false;
    }
    return true;
}

void Arrangements::ruleout(const Key& key, int from, int to) {
    const auto [at, added] = ruledout_.try_emplace(key, totals_.size());
    if (added) totals_.resize(totals_.size() + cells_ / 64 + 1);
    for (int w = from / 64; from <= to && w <= to / 64; ++w) totals_[at->second + w] |= totalbits(from, to, w);
}

// The clock is read once in a thousand steps: a step is far cheaper than reading it.
void Arrangements::checktime() const {
    if (sincecheck_++ % 1024 == 0 && std::chrono::steady_clock::now() > giveupat_) throw GaveUp{};
}

// Sets a walk up from last_, bunch b within first to last, and gives the mines it starts with:
// from nothing, or, to resume, from where counts and walk_ stand (see walk).
int Arrangements::startwalk(int b, int first, int last, std::vector<int>& counts, bool resume) {
    std::vector<int>& excess = walk_.excess;
    std::vector<int>& up = walk_.up;
    std::vector<int>& down = walk_.down;
    std::vector<int>& wrong = walk_.wrong;
    std::vector<int>& at = walk_.at;
    int total = 0;
    if (resume) {
        // Only the bunches where the start differs from where the last walk ended change.
        for (int c = 0; c < bunchcount(); ++c) {
            if (value_[c] >= 0) continue;
            const int change = last_[c] - counts[c];
            total += last_[c];
            if (change == 0) continue;
            counts[c] = last_[c];
            up[c] -= change;
            down[c] += change;
            for (int i = 0; i < bunches_[c].groupcount; ++i) {
                const int k = bunches_[c].groups[i];
                excess[k] += change;
                walk_.sides(k);
            }
        }
        for (int k : wrong) at[k] = -1;
        wrong.clear();
        // In the order of the groups, as a walk from the start alone lists them.
        for (int k = 0; k < static_cast<int>(groups_.size()); ++k) {
            if (excess[k] == 0) continue;
            at[k] = static_cast<int>(wrong.size());
            wrong.push_back(k);
        }
        return total;
    }
    counts = last_;
    counts.resize(bunchcount());
    excess.resize(groups_.size());
    for (std::size_t k = 0; k < groups_.size(); ++k) excess[k] = -groups_[k].need;
    up.resize(bunchcount());
    down.resize(bunchcount());
    for (int c = 0; c < bunchcount(); ++c) {
        if (value_[c] >= 0) {
            counts[c] = value_[c];
            up[c] = down[c] = 0;
            continue;
        }
        // Bunch b may gain and lose only within first to last.
        int least = 0;
        int most = bunches_[c].size;
        if (c == b) {
            least = std::max(0, first);
            most = std::min(bunches_[c].size, last);
            counts[c] = std::clamp(counts[c], first, last);
        }
        up[c] = most - counts[c];
        down[c] = counts[c] - least;
        total += counts[c];
        if (counts[c] == 0) continue;
        for (int i = 0; i < bunches_[c].groupcount; ++i) excess[bunches_[c].groups[i]] += counts[c];
    }
    wrong.clear();
    at.assign(groups_.size(), -1);
    walk_.under.resize(groups_.size());
    walk_.over.resize(groups_.size());
    for (int k = 0; k < static_cast<int>(groups_.size()); ++k) walk_.recheck(k);
    return total;
}

// A walk of at most `steps` steps from the last arrangement found, or from no mines, towards one
// with first to last mines in bunch b (when there is one): each step adds or takes one mine in
// one bunch to mend a group with too many or too few, mostly the change that leaves the fewest
// wrong, sometimes any. Fills counts when it arrives. To resume, counts and walk_ hold
// where the last walk of the whole frontier ended, nothing settled since; only what last_ changes
// from there is redone.
bool Arrangements::walk(int b, int first, int last, long steps, std::vector<int>& counts, bool resume) {
    int total = startwalk(b, first, last, counts, resume);
    std::vector<int>& excess = walk_.excess;
    std::vector<int>& up = walk_.up;
    std::vector<int>& down = walk_.down;
    std::vector<int>& wrong = walk_.wrong;
    std::vector<char>& under = walk_.under;
    std::vector<char>& over = walk_.over;
    const auto countoff = [&](int t) { return std::max({0, lo_ - mines_ - t, t - (hi_ - mines_)}); };
    // Fixed seeds, so that every run walks alike.
    std::uint64_t random = 0x2545f4914f6cdd1dull + static_cast<std::uint64_t>(b + 1) * 0x9e3779b97f4a7c15ull +
                           static_cast<std::uint64_t>(steps);
    const auto below = [&](int n) {
        random ^= random << 13;
        random ^= random >> 7;
        random ^= random << 17;
        return static_cast<int>(random % static_cast<std::uint64_t>(n));
    };
    for (long step = 0; step < steps; ++step) {
        checktime();
        if (wrong.empty() && countoff(total) == 0) return true;
        // The group to mend, or the count when every group is right.
        const int k = wrong.empty() ? -1 : wrong[below(static_cast<int>(wrong.size()))];
        const int d = k >= 0 ? (excess[k] > 0 ? -1 : 1) : (total > hi_ - mines_ ? -1 : 1);
        const bool any = below(10) < 3;
        const std::vector<int>& room = d > 0 ? up : down;
        int best = -1;
        int bestgain = std::numeric_limits<int>::max();
        int ties = 0;
        const int countgain = countoff(total + d) - countoff(total);
        // The least gain wins, a tie by lot.
        const auto consider = [&](int x, int gain) {
            if (gain < bestgain) {
                best = x;
                bestgain = gain;
                ties = 1;
            } else if (gain == bestgain && below(++ties) == 0) {
                best = x;
            }
        };
        if (k >= 0) {
            // A step of d in a bunch of group k mends each of its groups whose excess has the other
            // sign and wrongs each other one.
            const Group& g = groups_[k];
            const char* mends = d > 0 ? under.data() : over.data();
            for (int i = 0; i < g.bunchcount; ++i) {
                const int x = g.bunches[i];
                if (room[x] <= 0) continue;
                int mended = 0;
                for (int h = 0; !any && h < bunches_[x].groupcount; ++h) {
                    mended += mends[bunches_[x].groups[h]];
                }
                consider(x, any ? 0 : countgain + bunches_[x].groupcount - 2 * mended);
            }
        } else {
            // Only the count is wrong, so every group is right and each of x's goes wrong by one.
            for (int x = 0; x < bunchcount(); ++x) {
                if (room[x] > 0) consider(x, any ? 0 : countgain + bunches_[x].groupcount);
            }
        }
        if (best < 0) continue;
        counts[best] += d;
        up[best] -= d;
        down[best] += d;
        total += d;
        for (int h = 0; h < bunches_[best].groupcount; ++h) {
            excess[bunches_[best].groups[h]] += d;
            walk_.recheck(bunches_[best].groups[h]);
        }
    }
    return false;
}

// Components never wait for each other: the one holding b goes first, breadth first from b,
// so that what b's count rules out shows soon.
std::vector<int> Arrangements::sequence(int b) const {
    std::vector<int> seq;
    seq.reserve(order_.size());
    breadthfirst(b, seq);
    const int c = component_[b];
    seq.insert(seq.end(), order_.begin(), order_.begin() + start_[c]);
    seq.insert(seq.end(), order_.begin() + start_[c + 1], order_.end());
    return seq;
}

// Appends b's component to seq, breadth first from b.
void Arrangements::breadthfirst(int b, std::vector<int>& seq) const {
    std::vector<char> seen(bunchcount());
    std::vector<char> reached(groups_.size());
    const std::size_t first = seq.size();
    seq.push_back(b);
    seen[b] = true;
    for (std::size_t next = first; next < seq.size(); ++next) {
        const Bunch& bunch = bunches_[seq[next]];
        for (int i = 0; i < bunch.groupcount; ++i) {
            const int k = bunch.groups[i];
            if (reached[k]) continue;
            reached[k] = true;
            for (int j = 0; j < groups_[k].bunchcount; ++j) {
                const int c = groups_[k].bunches[j];
                if (!seen[c]) {
                    seen[c] = true;
                    seq.push_back(c);
                }
            }
        }
    }
}

}  // namespace tw
