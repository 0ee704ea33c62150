// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/startup.h"

#include <chrono>

#include "core/levels.h"

namespace tw {

void Form_Load(GameState& s, Host& h) {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    s.random.seed(s.fixedseed != 0 ? s.fixedseed : static_cast<std::uint64_t>(now));
    s.seconds = 0;
    s.playing = true;
    setlevel(s, h);
    setvars(s);
    h.imageload();
    h.scoreload();
}

void setvars(GameState& s) { s.minesleft = s.totalmines; }

void rebuild(GameState& s, Host& h) {
    h.destroywindow();
    Form_Load(s, h);
    h.showwindow();
}

void mnuNew_Click(GameState& s, Host& h) {
    s.minesplaced = false;
    s.won = false;
    s.playing = true;
    s.seconds = 0;
    h.stoptimer();
    rebuild(s, h);
}

}  // namespace tw
