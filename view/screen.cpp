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
        for (int k = 0; k < 3; ++k) boxload(counterPlace(n, true, k), digit(d[k]));
    } else {
        // The hundreds of a negative count are never shown: the minus sign takes their place.
        const auto d = threedigits(std::abs(s_.minesleft) % 1000);
        boxload(counterPlace(n, true, 1), digit(d[1]));
        boxload(counterPlace(n, true, 2), digit(d[2]));
        boxload(counterPlace(n, true, 0), kMinus);
    }
}

void Screen::showseconds() {
    const int n = s_.cells();
    const auto d = threedigits(s_.seconds);
    for (int k = 0; k < 3; ++k) boxload(counterPlace(n, false, k), digit(d[k]));
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

    for (const DesignElement& piece : kForm1Design) {
        if (piece.elem == Elem::Smile || piece.elem == Elem::Box) continue;
        tk_.setPicture(piece.elem, piece.index, piece.picture);
        const Rect at = framePlace(piece.elem, piece.index, a, d);
        tk_.move(piece.elem, piece.index, at.left, at.top);
        if (isStretched(piece.elem)) tk_.resize(piece.elem, piece.index, at.width, at.height);
    }
    tk_.setIcon(kWindowIcon);
    tk_.move(Elem::Smile, 0, faceLeft(a, tk_.width(Elem::Smile, 0)), kCounterTop);

    tk_.setClientSize(kCellSize * a + kAroundFieldWidth, kCellSize * d + kAroundFieldHeight);

    tk_.bringToFront(Elem::Smile, 0);

    // A new field: the build lays every cell covered and forgets the old game's mines and marks.
    for (int x = 0; x < a; ++x) {
        for (int y = 0; y < d; ++y) {
            const int i = cellat(a, x, y);
            tk_.createBox(i);
            tk_.show(Elem::Box, i);
            tk_.bringToFront(Elem::Box, i);
            const Rect at = cellPlace(x, y);
            tk_.move(Elem::Box, i, at.left, at.top);
            boxload(i, kCovered);
            s_.mine[i] = false;
            s_.opened[i] = false;
            s_.mark[i] = kNoMark;
        }
    }
    s_.covered = n;

    const auto mines = threedigits(s_.minesleft);
    for (bool minescounter : {true, false}) {
        for (int k = 0; k < 3; ++k) {
            const int i = counterPlace(n, minescounter, k);
            tk_.createBox(i);
            tk_.show(Elem::Box, i);
            tk_.bringToFront(Elem::Box, i);
            const Rect at = digitPlace(a, minescounter, k);
            tk_.move(Elem::Box, i, at.left, at.top);
            boxload(i, digit(minescounter ? mines[k] : 0));
        }
    }

    for (const GameType& type : kGameTypes) tk_.setChecked(MenuItem::mnuGT, type.mask, false);
    tk_.setChecked(MenuItem::mnuGT, s_.rule[0], true);
}

void Second_Timer(GameState& s, Screen& screen) {
    ++s.seconds;
    if (s.seconds >= 1000) s.seconds = 999;
    screen.showseconds();
}

}  // namespace tw
