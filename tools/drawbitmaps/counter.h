// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas.h"

namespace tw::drawing {

// Seven-segment digit 0..9, or the minus sign for 10 (bitmaps 200 to 210).
Canvas counter_digit(int digit);
// The sunken black background behind three digits (bitmap 500).
Canvas counter_background();

}  // namespace tw::drawing
