// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/neighbours.h"
#include "core/state.h"

namespace tw {

// The mask that the rule digits rule[1..5] spell.
constexpr int digitmask(const GameState& s) {
    return s.rule[1] * 16 + s.rule[2] * 8 + s.rule[3] * 4 + s.rule[4] * 2 + s.rule[5];
}

// Stores `mask` (1..31) in rule[0] and its five binary digits, leftmost first, in rule[1..5].
void setrule(GameState& s, int mask);

// Fills `count` for every cell with the mines the rule's neighbourhood holds.
void minecheck(GameState& s);

}  // namespace tw
