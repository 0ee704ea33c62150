// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/hint.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <tuple>

#include "core/deduce.h"
#include "core/grid.h"

namespace tw {

namespace {

HintWhy hintwhy(Why why) {
    switch (why) {
        case Why::Satisfied: return HintWhy::Satisfied;
        case Why::Subset: return HintWhy::Subset;
        case Why::Frontier: return HintWhy::Frontier;
        case Why::Count: return HintWhy::Count;
        case Why::None: break;
    }
    return HintWhy::None;
}

}  // namespace

Hint hintfor(GameState& s, int focus) {
    const int n = s.cells();
    if (!s.playing || n == 0) return {};
    focus = std::clamp(focus, 1, n);
    if (!s.minesplaced) return {focus, HintWhy::First, {}};
    // A key held down must not hold the game: a search past a fifth of a second is given up.
    const Deduction d = deduce(s, std::chrono::steady_clock::now() + std::chrono::milliseconds(200), &s.deduced);
    const Place from = placeof(s.across, focus);
    // Nearest first, then the plainest reason, then the first in reading order.
    std::tuple<int, Why, int> best{n + 1, Why::None, 0};
    for (int i = 1; i <= n; ++i) {
        // A flag keeps Space off the cell: the hint points where the player can open.
        if (s.opened[i] || s.mark[i] == kFlag || d.certainty[i] != Certainty::Safe) continue;
        const Place at = placeof(s.across, i);
        best = std::min(best, {std::max(std::abs(at.x - from.x), std::abs(at.y - from.y)), d.reason[i].why, i});
    }
    const int cell = std::get<2>(best);
    if (cell == 0) return {};
    const Reason& reason = d.reason[cell];
    return {cell, hintwhy(reason.why),
            {{{reason.clues[0].cell, reason.clues[0].number}, {reason.clues[1].cell, reason.clues[1].number}}}};
}

}  // namespace tw
