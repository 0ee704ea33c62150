// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/state.h"
#include "toolkit/toolkit.h"

namespace tw {

// The certainly safe covered cell nearest to `focus` (the plainest reason first among the
// nearest), as the player can know it from what they see; none once the game is over. Before the
// first cell is opened, the focus cell itself: the first never holds a mine. Each hint's
// deduction starts from what the last one of the game found.
Hint hintfor(GameState& s, int focus);

}  // namespace tw
