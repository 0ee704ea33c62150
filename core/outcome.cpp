// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/outcome.h"

#include <string>

#include "resources/catalogue.h"

namespace tw {

void wincheck(GameState& s, Host& h) {
    if (s.covered != s.totalmines) return;
    s.won = true;
    s.playing = false;
    h.stoptimer();
    h.setface(pictures::kCool);
    h.messagebox("You have solved this level! Congratulations!", "Congratulations!", false);
    const bool adjacentonly = s.rule[1] == 0 && s.rule[2] == 0 && s.rule[3] == 0 && s.rule[4] == 0 && s.rule[5] == 1;
    if (adjacentonly && s.levelexpert) {
        const std::string text = "You have found the Treasure Hunt's Clue 1! Go to " + std::string(kTreasureAddress) +
                                 " for the second clue!";
        h.messagebox(text, "Tilewarden", true);
    }
}

void loseat(GameState& s, Host& h, int c) {
    s.playing = false;
    for (int i = 1; i <= s.cells(); ++i) {
        if (s.mark[i] == kFlag && !s.mine[i]) h.boxload(i, pictures::kWrongFlag);
        if (s.mark[i] == kNoMark && s.mine[i]) h.boxload(i, pictures::kMine);
    }
    h.boxload(c, pictures::kFatalMine);
    h.setface(pictures::kDead);
    h.stoptimer();
}

}  // namespace tw
