// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/cells.h"

#include "core/cascade.h"
#include "core/mines.h"
#include "core/outcome.h"
#include "core/rules.h"
#include "resources/catalogue.h"
#include "toolkit/design.h"

namespace tw {

void Box_MouseDown(GameState& s, Screen& screen, int i, int button) {
    (void)button;
    if (s.playing) screen.setface(pictures::kSurprised);
    if (i >= 1 && i <= s.cells() && s.mark[i] == kQuestion) screen.boxload(i, pictures::kQuestionPressed);
}

namespace {

void openat(GameState& s, Screen& screen, int i) {
    if (s.mine[i]) {
        loseat(s, screen, i);
    } else {
        screen.boxload(i, pictures::openedCell(s.count[i]));
        if (s.count[i] == 0) removebox(s, screen, i);
    }
    setopened(s, i);
    if (s.playing) wincheck(s, screen);
}

void stepmark(GameState& s, Screen& screen, int i) {
    switch (s.mark[i]) {
        case kNoMark:
            screen.boxload(i, pictures::kFlag);
            s.mark[i] = kFlag;
            --s.minesleft;
            screen.showmines();
            break;
        case kFlag:
            if (screen.toolkit().isChecked(MenuItem::mnuMarks, 0)) {
                screen.boxload(i, pictures::kQuestion);
                s.mark[i] = kQuestion;
            } else {
                screen.boxload(i, pictures::kCovered);
                s.mark[i] = kNoMark;
            }
            ++s.minesleft;
            screen.showmines();
            break;
        default:
            screen.boxload(i, pictures::kCovered);
            s.mark[i] = kNoMark;
            break;
    }
}

}  // namespace

void Box_MouseUp(GameState& s, Screen& screen, int i, int button) {
    const int n = s.cells();
    if (!s.minesplaced) {
        mineset(s, i);
        minecheck(s);
        s.minesplaced = true;
    }
    if (!s.won) screen.setface(pictures::kSmiling);
    if (!s.playing || i > n || i < 1) return;
    if (!screen.timerrunning() && button == kLeftButton) {
        screen.starttimer();
        s.seconds = 1;
        screen.boxload(counterPlace(n, false, 2), pictures::digit(1));
    }
    if (s.opened[i]) return;
    if (button == kLeftButton && s.mark[i] != kFlag) {
        openat(s, screen, i);
    } else if (button == kRightButton) {
        stepmark(s, screen, i);
    }
}

}  // namespace tw
