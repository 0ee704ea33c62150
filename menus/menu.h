// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/state.h"
#include "view/screen.h"

namespace tw {

void mnuGT_Click(GameState& s, Screen& screen, int index);
void mnuMarks_Click(Screen& screen);
void mnuExit_Click(Screen& screen);
void mnuBeginner_Click(GameState& s, Screen& screen);
void mnuIntermediate_Click(GameState& s, Screen& screen);
void mnuHard_Click(GameState& s, Screen& screen);

}  // namespace tw
