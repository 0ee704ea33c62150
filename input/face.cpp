// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/face.h"

#include "core/startup.h"
#include "resources/catalogue.h"

namespace tw {

void Smile_MouseDown(GameState& s, Screen& screen) {
    screen.setface(pictures::kFacePressed);
    s.minesplaced = false;
    s.won = false;
}

void Smile_MouseUp(GameState& s, Screen& screen) {
    screen.setface(pictures::kSmiling);
    s.playing = true;
    // Another button may have played the old field while this one was held on the face.
    s.minesplaced = false;
    s.won = false;
    rebuild(s, screen);
}

}  // namespace tw
