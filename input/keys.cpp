// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/keys.h"

#include "input/hint.h"

namespace tw {

void Form_KeyDown(GameState& s, Screen& screen, int keycode, int shift) {
    (void)shift;
    if (keycode == kKeyD) {
        Toolkit& tk = screen.toolkit();
        tk.showHint(hintfor(s, tk.focusCell()));
        return;
    }
    if (keycode != kKeyH) return;
    for (int i = 1; i <= s.cells(); ++i) screen.setpointer(i, s.mine[i] ? Pointer::Cross : Pointer::Arrow);
}

void Form_KeyUp(const GameState& s, Screen& screen, int keycode, int shift) {
    (void)shift;
    if (keycode != kKeyH) return;
    for (int i = 1; i <= s.cells(); ++i) screen.setpointer(i, Pointer::Arrow);
}

}  // namespace tw
