// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus/menu.h"

#include "core/levels.h"
#include "core/rules.h"
#include "core/startup.h"
#include "toolkit/toolkit.h"

namespace tw {

void mnuGT_Click(GameState& s, Screen& screen, int index) {
    if (index < 1 || index > 31) return;
    // The rebuild checks the chosen type in the menu.
    setrule(s, index);
    s.minesplaced = false;
    s.won = false;
    rebuild(s, screen);
}

void mnuMarks_Click(Screen& screen) {
    Toolkit& tk = screen.toolkit();
    tk.setChecked(MenuItem::mnuMarks, 0, !tk.isChecked(MenuItem::mnuMarks, 0));
}

void mnuExit_Click(Screen& screen) { screen.toolkit().quit(); }

void mnuBeginner_Click(GameState& s, Screen& screen) {
    chooselevel(s, Level::Beginner);
    rebuild(s, screen);
}

void mnuIntermediate_Click(GameState& s, Screen& screen) {
    chooselevel(s, Level::Intermediate);
    rebuild(s, screen);
}

void mnuHard_Click(GameState& s, Screen& screen) {
    chooselevel(s, Level::Expert);
    rebuild(s, screen);
}

}  // namespace tw
