// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/state.h"
#include "view/screen.h"

namespace tw {

inline constexpr int kKeyH = 72;

void Form_KeyDown(GameState& s, Screen& screen, int keycode, int shift);
void Form_KeyUp(const GameState& s, Screen& screen, int keycode, int shift);

}  // namespace tw
