// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/state.h"
#include "view/screen.h"

namespace tw {

void mnuCustom_Click(GameState& s, Screen& screen);
// The dialog's own start-up: the boxes show the current size and mine count.
void Form2_Load(const GameState& s, Toolkit& tk);
void OK_Click(GameState& s, Screen& screen);
// Cancel and the dialog's close control: the level and the game in progress stay as they were.
void Cancel_Click(GameState& s, Screen& screen);

}  // namespace tw
