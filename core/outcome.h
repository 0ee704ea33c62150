// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "core/host.h"
#include "core/state.h"

namespace tw {

inline constexpr std::string_view kTreasureAddress = "https://example.org/tilewarden/clue2/qhvbrmtkdzwps";

// Ends the game as won when only the mines are left covered.
void wincheck(GameState& s, Host& h);

// The loss sequence for the released mine cell c.
void loseat(GameState& s, Host& h, int c);

}  // namespace tw
