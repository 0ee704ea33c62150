// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/state.h"
#include "view/screen.h"

namespace tw {

void Box_MouseDown(GameState& s, Screen& screen, int i, int button);
void Box_MouseUp(GameState& s, Screen& screen, int i, int button);

}  // namespace tw
