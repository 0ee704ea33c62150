// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace tw {

// Sums of whole-number variables, each between its own bounds: the cells of a number's bunches
// and the mines it still needs.
struct SumOf {
    std::vector<int> vars;
    int total = 0;
};

enum class Fractions {
    // The sums cannot all hold even with fractions: proved by weights on the sums that no values
    // between the bounds balance, checked in whole numbers.
    None,
    // Whole values found that make every sum hold.
    Whole,
    // Fractions fit: `values` holds them rounded.
    Some,
    // Neither: the method gave up.
    Unknown,
};

// Whether the weights prove that no values between the bounds make every sum hold: every choice
// weighs the sums' left sides strictly less, or strictly more, than their totals.
bool provesnone(const std::vector<SumOf>& sums, const std::vector<int>& lower, const std::vector<int>& upper,
                const std::vector<std::int64_t>& weight);

// Looks for values between the bounds that make every sum hold, starting from `values` (each
// between its bounds), by the simplex method's first phase. On Whole, `values` holds them.
Fractions fractions(const std::vector<SumOf>& sums, const std::vector<int>& lower, const std::vector<int>& upper,
                    std::vector<int>& values);

}  // namespace tw
