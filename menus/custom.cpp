// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus/custom.h"

#include <cmath>
#include <string>

#include "core/levels.h"
#include "core/startup.h"
#include "menus/numbertext.h"
#include "toolkit/toolkit.h"

namespace tw {

void mnuCustom_Click(GameState& s, Screen& screen) {
    s.beforecustom = {s.levelbeginner, s.levelintermediate, s.levelexpert, s.levelcustom, s.minesplaced, s.won};
    chooselevel(s, Level::Custom);
    Toolkit& tk = screen.toolkit();
    tk.enableForm(Form::Form1, false);
    const bool first = !tk.formExists(Form::Form2);
    tk.showForm(Form::Form2);
    if (first) Form2_Load(s, tk);
}

void Form2_Load(const GameState& s, Toolkit& tk) {
    tk.setText(TextBox::Acr, std::to_string(s.across));
    tk.setText(TextBox::Dwn, std::to_string(s.down));
    tk.setText(TextBox::TM, std::to_string(s.totalmines));
}

namespace {

// The values typed, as numbers.
struct Typed {
    double across;
    double down;
    double totalmines;
};

// Tells the values taken at a limit, or replaced, rather than as typed (a fraction cut off is not told).
void tellTaken(Toolkit& tk, const GameState& s, const Typed& typed) {
    if (typed.across >= s.across + 1) tk.tellTaken(TextBox::Acr, s.across, Taken::Largest);
    if (typed.across < 5) tk.tellTaken(TextBox::Acr, s.across, Taken::Replaced);
    if (typed.down >= s.down + 1) tk.tellTaken(TextBox::Dwn, s.down, Taken::Largest);
    if (typed.down < 1) tk.tellTaken(TextBox::Dwn, s.down, Taken::Smallest);
    if (typed.totalmines >= s.totalmines + 1) tk.tellTaken(TextBox::TM, s.totalmines, Taken::Largest);
    if (typed.totalmines < 1) tk.tellTaken(TextBox::TM, s.totalmines, Taken::Smallest);
}

}  // namespace

void OK_Click(GameState& s, Screen& screen) {
    Toolkit& tk = screen.toolkit();
    double across = numbertext(tk.text(TextBox::Acr));
    double down = numbertext(tk.text(TextBox::Dwn));
    double totalmines = numbertext(tk.text(TextBox::TM));
    const Typed typed{across, down, totalmines};
    if (across > kMaxAcross) across = kMaxAcross;
    if (across < 5) across = 8;
    if (down > kMaxDown) down = kMaxDown;
    if (down < 1) down = 1;
    if (totalmines > across * down) totalmines = across * down;
    if (totalmines < 1) totalmines = 1;
    // Whole cells only, and one cell always stays free for the first click.
    s.across = static_cast<int>(std::trunc(across));
    s.down = static_cast<int>(std::trunc(down));
    s.totalmines = static_cast<int>(std::trunc(totalmines));
    if (s.totalmines > s.across * s.down - 1) s.totalmines = s.across * s.down - 1;
    tellTaken(tk, s, typed);
    tk.hideForm(Form::Form2);
    tk.enableForm(Form::Form1, true);
    rebuild(s, screen);
}

void Cancel_Click(GameState& s, Screen& screen) {
    const auto& b = s.beforecustom;
    s.levelbeginner = b.levelbeginner;
    s.levelintermediate = b.levelintermediate;
    s.levelexpert = b.levelexpert;
    s.levelcustom = b.levelcustom;
    s.minesplaced = b.minesplaced;
    s.won = b.won;
    Toolkit& tk = screen.toolkit();
    tk.hideForm(Form::Form2);
    tk.enableForm(Form::Form1, true);
}

}  // namespace tw
