// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <iterator>
#include <string>

#include "core/state.h"
#include "resources/catalogue.h"
#include "tests/oracle.h"
#include "toolkit/design.h"
#include "toolkit/windows.h"

// Random play for any realisation's hands: the headless toolkit in the game fuzzer, the real
// windows in the soak. `Bytes` gives the next byte of the stream (0 once it is used up).
namespace tw::play {

template <typename Bytes>
std::string entrytext(Bytes& in) {
    static const char* const pieces[] = {"0", "1", "5", "8", "12", "27", "37", "40", "999", "-3", "0.5", "1e3",
                                         "&H1F", "&O17", " ", "x", ".", "e", "-", "1e999", ""};
    std::string text;
    const int length = in.next() % 4;
    for (int k = 0; k < length; ++k) text += pieces[in.next() % std::size(pieces)];
    return text;
}

// One press, release, key, menu command, dialog entry or timer tick.
template <typename Hands, typename Bytes>
void playevent(Hands& hands, Bytes& in) {
    const int op = in.next() % 14;
    const int box = hands.formExists(Form::Form1) ? in.next() * 4 % (hands.boxCount() + 1) : 0;
    const int button = std::array{kLeftButton, kRightButton, kMiddleButton}[in.next() % 3];
    // A window of the table other than the main one.
    const auto dialog = [&in] { return kWindows[1 + in.next() % (kWindows.size() - 1)].form; };
    switch (op) {
        case 0: hands.press(box, button); break;
        case 1: hands.release(box, button); break;
        case 2:
        case 3: hands.click(box, button); break;
        case 4: hands.pressFace(button); break;
        case 5: hands.releaseFace(button); break;
        case 6: hands.keyDown(in.next() % 2 ? 72 : in.next(), in.next() % 8); break;
        case 7: hands.keyUp(in.next() % 2 ? 72 : in.next(), in.next() % 8); break;
        case 8: {
            const MenuItem item = kMenu[in.next() % kMenu.size()].item;
            if (item == MenuItem::mnuExit) break;
            hands.choose(item, item == MenuItem::mnuGT ? kGameTypes[in.next() % kGameTypes.size()].mask : 0);
            break;
        }
        case 9: hands.tick(); break;
        case 10: hands.typeText(static_cast<TextBox>(in.next() % 3), entrytext(in)); break;
        case 11: hands.pressOK(); break;
        case 12: (in.next() % 2 ? hands.pressCancel() : hands.closeForm(dialog())); break;
        case 13: (in.next() % 2 ? hands.pressHelpOK() : hands.closeForm(dialog())); break;
    }
}

// What the rules imply for the state and for what the window shows; the first that does not
// hold, or nullptr.
template <typename Shown>
const char* brokenrule(const GameState& s, Shown& shown) {
    if (!shown.formExists(Form::Form1)) return nullptr;
    const int n = s.cells();
    if (n < 5 || n > kMaxCells) return "field size";
    if (shown.boxCount() != n + 1 + kCounterPlaces) return "one element per cell and six digit places";
    if (s.totalmines < 1 || s.totalmines >= n) return "mine count leaves a free cell";
    int gametypes = 0;
    for (const GameType& type : kGameTypes) gametypes += shown.isChecked(MenuItem::mnuGT, type.mask);
    if (gametypes != 1) return "exactly one game type checked";
    int levels = 0;
    for (MenuItem m : {MenuItem::mnuBeginner, MenuItem::mnuIntermediate, MenuItem::mnuHard, MenuItem::mnuCustom}) {
        levels += shown.isChecked(m, 0);
    }
    if (levels > 1) return "at most one level checked";

    int flagsheld = 0;
    int covered = 0;
    int mines = 0;
    for (int c = 1; c <= n; ++c) {
        mines += s.mine[c];
        covered += !s.opened[c];
        if (s.mark[c] == kFlag && !(s.opened[c] && s.count[c] == 0)) ++flagsheld;
        if (s.minesplaced && s.count[c] != oracle::minesaround(s, c)) return "count is the mines of the neighbourhood";
        const int picture = shown.picture(Elem::Box, c);
        const bool heldquestion = s.mark[c] == kQuestion && picture == pictures::kQuestionPressed;
        if (s.opened[c] && !s.mine[c] && (s.playing || s.won) && !heldquestion &&
            picture != pictures::openedCell(s.count[c])) {
            return "an opened safe cell shows its number";
        }
        const int marked[] = {pictures::kCovered, pictures::kFlag, pictures::kQuestion};
        if (!s.opened[c] && s.playing && picture != marked[s.mark[c]] && !heldquestion) {
            return "a covered cell shows its mark";
        }
    }
    if (covered != s.covered) return "the covered count follows the field";
    if (s.minesplaced && mines != s.totalmines) return "the field holds its mines once placed";
    if (s.minesleft != s.totalmines - flagsheld) return "mines left are the mines minus the flags held";
    if (s.won && (s.playing || s.covered != s.totalmines)) return "a won game has only mines covered";
    if (s.seconds < 0 || s.seconds > 999) return "seconds stay in 0..999";

    const bool secondsshown = shown.timerEnabled() || s.seconds > 1;
    if (secondsshown && oracle::readcounter(shown, s, false) != oracle::counterform(s.seconds)) return "seconds shown";
    if (oracle::readcounter(shown, s, true) != oracle::counterform(s.minesleft)) return "mines left shown";
    return nullptr;
}

}  // namespace tw::play
