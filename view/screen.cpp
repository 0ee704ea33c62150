// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/screen.h"

#include <cstdlib>

#include "core/grid.h"
#include "resources/catalogue.h"
#include "toolkit/design.h"

namespace tw {

using namespace pictures;

std::array<int, 3> threedigits(int v) {
    const int shown = v + 1000;
    return {shown / 100 % 10, shown / 10 % 10, shown % 10};
}

void Screen::boxload(int i, int res) { tk_.setPicture(Elem::Box, i, res); }

void Screen::showmines() {
    const int n = s_.cells();
    if (s_.minesleft >= 0) {
        const auto d = threedigits(s_.minesleft);
        for (int k = 0; k < 3; ++k) boxload(n + 1 + k, digit(d[k]));
    } else {
        // The hundreds of a negative count are never shown: the minus sign takes their place.
        const auto d = threedigits(std::abs(s_.minesleft) % 1000);
        boxload(n + 2, digit(d[1]));
        boxload(n + 3, digit(d[2]));
        boxload(n + 1, kMinus);
    }
}

void Screen::showseconds() {
    const int n = s_.cells();
    const auto d = threedigits(s_.seconds);
    for (int k = 0; k < 3; ++k) boxload(n + 4 + k, digit(d[k]));
}

void Screen::setface(int picture) { tk_.setPicture(Elem::Smile, 0, picture); }

void Screen::stoptimer() { tk_.setTimerEnabled(false); }

void Screen::starttimer() { tk_.setTimerEnabled(true); }

bool Screen::timerrunning() const { return tk_.timerEnabled(); }

void Screen::setpointer(int i, Pointer pointer) { tk_.setPointer(Elem::Box, i, pointer); }

void Screen::messagebox(std::string_view text, std::string_view title, bool information) {
    tk_.messageBox(text, title, information);
}

void Screen::checklevel(Level level, bool checked) {
    static constexpr std::array<MenuItem, 4> items = {MenuItem::mnuBeginner, MenuItem::mnuIntermediate,
                                                      MenuItem::mnuHard, MenuItem::mnuCustom};
    tk_.setChecked(items[static_cast<int>(level)], 0, checked);
}

void Screen::destroywindow() {
    tk_.destroyForm1();
    tk_.buildForm1();
}

void Screen::showwindow() { tk_.showForm(Form::Form1); }

void Screen::imageload() {
    const int a = s_.across;
    const int d = s_.down;
    const int n = a * d;

    tk_.setPicture(Elem::FrameN, 0, kCounterBack);
    tk_.setPicture(Elem::FrameN, 1, kCounterBack);
    tk_.setPicture(Elem::FrameL, 0, kPanelLeft);
    tk_.setPicture(Elem::FrameR, 0, kPanelRight);
    tk_.setPicture(Elem::FrameM, 0, kPanelColumn);
    tk_.setPicture(Elem::FrameCL, 0, kCornerLeft);
    tk_.setPicture(Elem::FrameCR, 0, kCornerRight);
    tk_.setPicture(Elem::FrameB, 0, kBottomColumn);
    tk_.setPicture(Elem::FrameW, 0, kWallRow);
    tk_.setPicture(Elem::FrameW, 1, kWallRow);

    tk_.setIcon(kWindowIcon);

    tk_.move(Elem::FrameR, 0, 16 * a + 12, 0);
    tk_.move(Elem::FrameM, 0, 12, 0);
    tk_.resize(Elem::FrameM, 0, 16 * a, 55);
    tk_.move(Elem::FrameW, 0, 0, 55);
    tk_.resize(Elem::FrameW, 0, 12, 16 * d);
    tk_.move(Elem::FrameW, 1, 16 * a + 12, 55);
    tk_.resize(Elem::FrameW, 1, 12, 16 * d);
    tk_.move(Elem::FrameN, 0, 16, 15);
    tk_.move(Elem::FrameN, 1, 16 * a - 35, 15);
    tk_.move(Elem::FrameCL, 0, 0, 16 * d + 55);
    tk_.move(Elem::FrameCR, 0, 16 * a + 12, 16 * d + 55);
    tk_.move(Elem::FrameB, 0, 12, 16 * d + 55);
    tk_.resize(Elem::FrameB, 0, 16 * a, 12);

    const int facewidth = tk_.width(Elem::Smile, 0);
    tk_.move(Elem::Smile, 0, (16 * a + 24 - facewidth) / 2, 15);

    tk_.setClientSize(kCellSize * a + kAroundFieldWidth, kCellSize * d + kAroundFieldHeight);

    tk_.bringToFront(Elem::Smile, 0);

    for (int x = 0; x < a; ++x) {
        for (int y = 0; y < d; ++y) {
            const int i = cellat(a, x, y);
            tk_.createBox(i);
            tk_.show(Elem::Box, i);
            tk_.bringToFront(Elem::Box, i);
            tk_.move(Elem::Box, i, 16 * x + 12, 16 * y + 55);
            boxload(i, kCovered);
            s_.mine[i] = false;
            s_.opened[i] = false;
            s_.mark[i] = kNoMark;
        }
    }
    s_.covered = n;

    const auto mines = threedigits(s_.minesleft);
    for (int k = 1; k <= 6; ++k) {
        const int i = n + k;
        tk_.createBox(i);
        tk_.show(Elem::Box, i);
        tk_.bringToFront(Elem::Box, i);
        if (k <= 3) {
            tk_.move(Elem::Box, i, 13 * k + 5, 17);
            boxload(i, digit(mines[k - 1]));
        } else {
            tk_.move(Elem::Box, i, 16 * a - 85 + 13 * k, 17);
            boxload(i, digit(0));
        }
    }

    for (int mask : {1, 3, 9, 27, 31}) tk_.setChecked(MenuItem::mnuGT, mask, false);
    tk_.setChecked(MenuItem::mnuGT, s_.rule[0], true);
}

void Second_Timer(GameState& s, Screen& screen) {
    ++s.seconds;
    if (s.seconds >= 1000) s.seconds = 999;
    screen.showseconds();
}

}  // namespace tw
