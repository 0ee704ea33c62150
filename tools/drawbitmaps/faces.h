// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas.h"

namespace tw::drawing {

enum class Mood { smiling, surprised, dead, cool };

// The 25 x 25 face button (bitmaps 101 and 103 to 105).
Canvas face(Mood mood);
// The smiling face on the held-down button (bitmap 102).
Canvas pressed_face();
// The 26 x 26 face the window shows when it is built (bitmap 100).
Canvas built_in_face();

}  // namespace tw::drawing
