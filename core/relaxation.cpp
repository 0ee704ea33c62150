// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/relaxation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace tw {

namespace {

// Below kTiny a tableau entry or a price counts as none; within kNear a value counts as whole.
constexpr double kTiny = 1e-9;
constexpr double kNear = 1e-6;

}  // namespace

bool provesnone(const std::vector<SumOf>& sums, const std::vector<int>& lower, const std::vector<int>& upper,
                const std::vector<std::int64_t>& weight) {
    std::vector<std::int64_t> coefficient(lower.size());
    std::int64_t target = 0;
    for (std::size_t k = 0; k < sums.size(); ++k) {
        target += weight[k] * sums[k].total;
        for (int j : sums[k].vars) coefficient[j] += weight[k];
    }
    std::int64_t least = 0;
    std::int64_t most = 0;
    for (std::size_t j = 0; j < lower.size(); ++j) {
        const std::int64_t a = coefficient[j] * lower[j];
        const std::int64_t b = coefficient[j] * upper[j];
        least += std::min(a, b);
        most += std::max(a, b);
    }
    return least > target || most < target;
}

namespace {

// The weights y on the rows that price every basic column at its cost: y times the basis is the
// basic costs, solved by elimination. `row` gives each basic variable's row, -1 for the others;
// a variable's column is row i's sign times its sum's variables, artificial n + i's the unit
// column of row i, the only ones that cost anything.
std::vector<double> prices(const std::vector<SumOf>& sums, const std::vector<double>& sign, const std::vector<int>& row,
                           const std::vector<double>& cost, int n) {
    const int m = static_cast<int>(sums.size());
    // a holds the basis transposed, with the basic costs as its last column.
    std::vector<double> a(static_cast<std::size_t>(m) * (m + 1), 0.0);
    const auto at = [&](int r, int c) -> double& { return a[static_cast<std::size_t>(r) * (m + 1) + c]; };
    for (int i = 0; i < m; ++i) {
        for (int j : sums[i].vars) {
            if (row[j] >= 0) at(row[j], i) = sign[i];
        }
        if (row[n + i] >= 0) {
            at(row[n + i], i) = 1;
            at(row[n + i], m) = cost[i];
        }
    }
    for (int c = 0; c < m; ++c) {
        int pivot = c;
        for (int r = c + 1; r < m; ++r) {
            if (std::abs(at(r, c)) > std::abs(at(pivot, c))) pivot = r;
        }
        if (std::abs(at(pivot, c)) < kTiny) return {};
        if (pivot != c) {
            for (int k = c; k <= m; ++k) std::swap(at(c, k), at(pivot, k));
        }
        for (int r = c + 1; r < m; ++r) {
            const double f = at(r, c) / at(c, c);
            if (f == 0) continue;
            for (int k = c; k <= m; ++k) at(r, k) -= f * at(c, k);
        }
    }
    std::vector<double> y(m);
    for (int c = m - 1; c >= 0; --c) {
        double v = at(c, m);
        for (int k = c + 1; k < m; ++k) v -= at(c, k) * y[k];
        y[c] = v / at(c, c);
    }
    return y;
}

// Takes f times the pivot row from a row, all n columns, in vector steps as wide as the processor
// has (chosen once, where the C library can): each column is worked out alone, so every width
// gives the same values.
#if defined(__x86_64__) && defined(__GLIBC__) && defined(__has_attribute)
#if __has_attribute(target_clones)
__attribute__((target_clones("avx2", "default")))
#endif
#endif
void subtract(double* row, const double* pivotrow, double f, int n) {
    for (int j = 0; j < n; ++j) row[j] -= f * pivotrow[j];
}

}  // namespace

// A dense tableau of the sums' variables, with one artificial variable a row that takes up what
// its sum misses at the start; the pivots drive the artificials of the rows that miss something
// to zero, while those of the rows that hold stay at zero. An artificial that leaves never comes
// back, so the tableau keeps no column for them. When the missing total stays above zero, the
// prices of the rows at the end are weights that prove it, checked in whole numbers.
Fractions fractions(const std::vector<SumOf>& sums, const std::vector<int>& lower, const std::vector<int>& upper,
                    std::vector<int>& values) {
    const int m = static_cast<int>(sums.size());
    const int n = static_cast<int>(lower.size());
    const int width = n + m;
    std::vector<double> t(static_cast<std::size_t>(m) * n, 0.0);
    const auto at = [&](int i, int j) -> double& { return t[static_cast<std::size_t>(i) * n + j]; };
    std::vector<double> lo(width, 0.0);
    std::vector<double> hi(width, 0.0);
    std::vector<double> value(width, 0.0);
    for (int j = 0; j < n; ++j) {
        lo[j] = lower[j];
        hi[j] = upper[j];
        value[j] = values[j];
    }
    std::vector<double> sign(m);
    std::vector<int> basic(m);
    std::vector<int> row(width, -1);
    // The objective row: each variable's reduced cost, with the artificials of missing rows costing one.
    std::vector<double> reduced(n, 0.0);
    std::vector<double> cost(m, 0.0);
    double missing = 0;
    for (int i = 0; i < m; ++i) {
        double miss = sums[i].total;
        for (int j : sums[i].vars) miss -= values[j];
        sign[i] = miss < 0 ? -1 : 1;
        for (int j : sums[i].vars) at(i, j) = sign[i];
        basic[i] = n + i;
        row[n + i] = i;
        value[n + i] = std::abs(miss);
        missing += std::abs(miss);
        if (miss == 0) continue;
        cost[i] = 1;
        hi[n + i] = std::numeric_limits<double>::infinity();
        for (int j : sums[i].vars) reduced[j] -= sign[i];
    }
    if (missing == 0) return Fractions::Whole;
    const int most = 8 * width;
    std::vector<int> nonzero;
    for (int step = 0; step < most; ++step) {
        // Dantzig's rule: the nonbasic variable whose move lowers the total fastest; Bland's
        // (the first that lowers it) after many steps, so that the method cannot cycle.
        const bool bland = step > 4 * width;
        int enter = -1;
        double best = kTiny;
        int direction = 0;
        for (int j = 0; j < n; ++j) {
            if (row[j] >= 0 || lo[j] == hi[j]) continue;
            const double r = reduced[j];
            const double gain = r < -kTiny && value[j] < hi[j] - kTiny ? -r : r > kTiny && value[j] > lo[j] + kTiny ? r : 0;
            if (gain > best) {
                best = gain;
                enter = j;
                direction = r < 0 ? 1 : -1;
                if (bland) break;
            }
        }
        if (enter < 0) break;
        // How far the entering variable may move before it, or a basic variable, meets a bound.
        double limit = hi[enter] - lo[enter];
        int leave = -1;
        for (int i = 0; i < m; ++i) {
            const double rate = -direction * at(i, enter);
            if (std::abs(rate) < kTiny) continue;
            const int v = basic[i];
            const double room = rate > 0 ? hi[v] - value[v] : value[v] - lo[v];
            const double theta = std::max(0.0, room) / std::abs(rate);
            if (theta < limit) {
                limit = theta;
                leave = i;
            }
        }
        if (std::isinf(limit)) break;
        value[enter] += direction * limit;
        for (int i = 0; i < m; ++i) value[basic[i]] -= direction * limit * at(i, enter);
        if (leave < 0) continue;  // the entering variable went from one bound to the other
        const int out = basic[leave];
        // The leaving variable sits at the bound it met; an artificial that left never comes back.
        value[out] = -direction * at(leave, enter) > 0 ? hi[out] : lo[out];
        if (out >= n) value[out] = hi[out] = 0;
        const double pivot = at(leave, enter);
        double* pivotrow = &at(leave, 0);
        // The rows are sparse: only the pivot row's nonzero columns change the others.
        nonzero.clear();
        for (int j = 0; j < n; ++j) {
            if (pivotrow[j] == 0) continue;
            pivotrow[j] /= pivot;
            nonzero.push_back(j);
        }
        // Where more than a quarter of it is nonzero, whole rows go in vector steps: taking f
        // times a zero changes nothing.
        const bool dense = 4 * nonzero.size() > static_cast<std::size_t>(n);
        for (int i = 0; i < m; ++i) {
            const double f = at(i, enter);
            if (i == leave || f == 0) continue;
            double* r = &at(i, 0);
            if (dense) {
                subtract(r, pivotrow, f, n);
            } else {
                for (int j : nonzero) r[j] -= f * pivotrow[j];
            }
        }
        const double f = reduced[enter];
        for (int j : nonzero) reduced[j] -= f * pivotrow[j];
        basic[leave] = enter;
        row[out] = -1;
        row[enter] = leave;
    }
    missing = 0;
    for (int i = 0; i < m; ++i) {
        if (basic[i] >= n) missing += value[basic[i]];
    }
    if (missing < kNear) {
        std::vector<int> whole(n);
        bool fractional = false;
        for (int j = 0; j < n; ++j) {
            whole[j] = std::clamp(static_cast<int>(std::lround(value[j])), lower[j], upper[j]);
            fractional = fractional || std::abs(value[j] - whole[j]) > kNear;
        }
        if (fractional) {
            values = whole;
            return Fractions::Some;
        }
        // Checked again in whole numbers, as rounding may have hidden a miss.
        for (const SumOf& s : sums) {
            int sum = 0;
            for (int j : s.vars) sum += whole[j];
            if (sum != s.total) return Fractions::Unknown;
        }
        values = whole;
        return Fractions::Whole;
    }
    // The row prices, as weights on the sums as they were given.
    std::vector<double> price = prices(sums, sign, row, cost, n);
    double largest = 0;
    for (int k = 0; k < static_cast<int>(price.size()); ++k) {
        price[k] *= sign[k];
        largest = std::max(largest, std::abs(price[k]));
    }
    if (largest == 0) return Fractions::Unknown;
    for (double scale : {1 << 10, 1 << 20, 1 << 28}) {
        std::vector<std::int64_t> weight(m);
        for (int k = 0; k < m; ++k) weight[k] = std::llround(price[k] / largest * scale);
        if (provesnone(sums, lower, upper, weight)) return Fractions::None;
    }
    return Fractions::Unknown;
}

}  // namespace tw
