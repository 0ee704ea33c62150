// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/host.h"
#include "core/state.h"

namespace tw {

// Applies the chosen level: field size, mine count and the level check mark.
void setlevel(GameState& s, Host& h);

// Makes `level` the chosen one and clears what a new game must place again.
void chooselevel(GameState& s, Level level);

}  // namespace tw
