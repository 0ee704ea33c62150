// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "app/game.h"
#include "core/deduce.h"
#include "core/grid.h"
#include "core/levels.h"
#include "core/rules.h"
#include "core/startup.h"
#include "core/state.h"
#include "toolkit/headless.h"

namespace tw {

// A headless game whose best-times file lives in a scratch folder.
struct Bench {
    Bench() : folder(std::filesystem::temp_directory_path() / "tilewarden-bench"), game(tk, folder) {
        tk.setPictureLogging(false);
        game.state().fixedseed = 7;
        game.start();
    }
    void newfield(int across, int down, int totalmines, int mask) {
        GameState& s = game.state();
        s.levelbeginner = s.levelintermediate = s.levelexpert = false;
        s.levelcustom = true;
        s.across = across;
        s.down = down;
        s.totalmines = totalmines;
        setrule(s, mask);
        mnuNew_Click(s, game.screen());
    }
    // A new game of the level and game type whose mines the generator lays from `seed`.
    void newgame(Level level, int mask, std::uint64_t seed) {
        GameState& s = game.state();
        chooselevel(s, level);
        setrule(s, mask);
        s.fixedseed = seed;
        mnuNew_Click(s, game.screen());
    }
    // Clicks every cell the deduction proves safe; how many it clicked.
    int opensafe(const Deduction& d) {
        const GameState& s = game.state();
        int clicked = 0;
        for (int c = 1; c <= s.cells() && s.playing; ++c) {
            if (d.certainty[c] != Certainty::Safe || s.opened[c]) continue;
            tk.click(c);
            ++clicked;
        }
        return clicked;
    }
    HeadlessToolkit tk;
    std::filesystem::path folder;
    Game game;
};

// Where the no-guess games click first: the middle of the field, column across / 2 and row
// down / 2 counted from 0 (Beginner column 5, row 5; Expert column 16, row 9, counted from 1).
inline int firstclick(const GameState& s) { return cellat(s.across, s.across / 2, s.down / 2); }

}  // namespace tw
