// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/host.h"
#include "core/state.h"

namespace tw {

// The start-up sequence, run when the program starts and at every rebuild.
void Form_Load(GameState& s, Host& h);
void setvars(GameState& s);
// Tears the main window down, where there is one, and builds it afresh: the first game and every new one.
void rebuild(GameState& s, Host& h);
void mnuNew_Click(GameState& s, Host& h);

}  // namespace tw
