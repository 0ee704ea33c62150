// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/host.h"
#include "core/state.h"

namespace tw {

// Opens cell a, whose count is 0, and everything its neighbourhood reaches.
void removebox(GameState& s, Host& h, int a);
void check(GameState& s, Host& h, int b);
// The neighbour in column i and row j (both from 0), which check has found inside the field.
void checkmini(GameState& s, Host& h, int i, int j);

// Marks cell c opened, keeping the count of covered cells.
void setopened(GameState& s, int c);

}  // namespace tw
