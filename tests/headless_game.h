// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "core/levels.h"
#include "core/startup.h"
#include "tests/game_on.h"
#include "toolkit/headless.h"

namespace tw::testing {

// A whole game on the headless toolkit.
struct HeadlessGame : GameOn<HeadlessToolkit> {
    explicit HeadlessGame(std::uint64_t seed = 12345) : GameOn(seed) {}

    // A fresh custom field of the given size with the given game type, mines not yet placed.
    void newfield(int across, int down, int totalmines, int mask = 3) {
        chooselevel(s(), Level::Custom);
        s().across = across;
        s().down = down;
        s().totalmines = totalmines;
        setrule(s(), mask);
        mnuNew_Click(s(), game.screen());
    }

    int minecount() { return static_cast<int>(std::count(&s().mine[1], &s().mine[1] + s().cells(), true)); }
    int cellpicture(int i) const { return tk.picture(Elem::Box, i); }
    // The three digit pictures of the mines counter (first) or the seconds counter.
    std::string counter(bool mines) { return oracle::readcounter(tk, s(), mines); }
};

}  // namespace tw::testing
