// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "view/screen.h"

namespace tw {

void mnuHowTo_Click(Screen& screen);
// The help window's OK, and its close control.
void Command1_Click(Screen& screen);

}  // namespace tw
