// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/state.h"
#include "view/screen.h"

namespace tw {

void Smile_MouseDown(GameState& s, Screen& screen);
void Smile_MouseUp(GameState& s, Screen& screen);

}  // namespace tw
