// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/levels.h"

namespace tw {

namespace {

void checkonly(Host& h, Level chosen) {
    for (Level level : {Level::Beginner, Level::Intermediate, Level::Expert, Level::Custom}) {
        h.checklevel(level, level == chosen);
    }
}

}  // namespace

void setlevel(GameState& s, Host& h) {
    if (!s.levelbeginner && !s.levelintermediate && !s.levelexpert && !s.levelcustom) s.levelbeginner = true;
    if (s.levelbeginner) {
        s.across = 8;
        s.down = 8;
        s.totalmines = 10;
        checkonly(h, Level::Beginner);
    }
    if (s.levelintermediate) {
        s.across = 16;
        s.down = 16;
        s.totalmines = 40;
        checkonly(h, Level::Intermediate);
    }
    if (s.levelexpert) {
        s.across = 30;
        s.down = 16;
        s.totalmines = 99;
        checkonly(h, Level::Expert);
    }
    if (s.levelcustom) checkonly(h, Level::Custom);
}

void chooselevel(GameState& s, Level level) {
    s.levelbeginner = level == Level::Beginner;
    s.levelintermediate = level == Level::Intermediate;
    s.levelexpert = level == Level::Expert;
    s.levelcustom = level == Level::Custom;
    s.minesplaced = false;
    s.won = false;
}

}  // namespace tw
