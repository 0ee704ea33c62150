// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/face.h"

#include "core/startup.h"

namespace tw {

void Smile_MouseDown(GameState& s, Screen& screen) {
    screen.setface(102);
    s.minesplaced = false;
    s.won = false;
}

void Smile_MouseUp(GameState& s, Screen& screen) {
    screen.setface(101);
    s.playing = true;
    rebuild(s, screen);
}

}  // namespace tw
