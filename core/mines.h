// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/state.h"

namespace tw {

// Lays at random the mines the field still lacks to hold `totalmines`, never on cell q.
void mineset(GameState& s, int q);

// A uniform number in [0, 1) from the game's generator.
double uniform01(GameState& s);

}  // namespace tw
