// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus/help.h"

#include "toolkit/toolkit.h"

namespace tw {

void mnuHowTo_Click(Screen& screen) {
    Toolkit& tk = screen.toolkit();
    tk.enableForm(Form::Form1, false);
    tk.showForm(Form::Form3);
}

void Command1_Click(Screen& screen) {
    Toolkit& tk = screen.toolkit();
    tk.hideForm(Form::Form3);
    tk.enableForm(Form::Form1, true);
    tk.showForm(Form::Form1);
}

}  // namespace tw
