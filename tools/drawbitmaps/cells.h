// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas.h"

namespace tw::drawing {

inline constexpr int cell_size = 16;

// Opened cell with its neighbour count 0..24 (bitmaps 300 to 324).
Canvas opened_cell(int count);

// Bitmaps 400 to 406: covered, flagged, mine, fatal mine, wrong flag, question mark, pressed
// question mark.
Canvas covered_cell();
Canvas flagged_cell();
Canvas mine_cell();
Canvas fatal_mine_cell();
Canvas wrong_flag_cell();
Canvas question_cell();
Canvas pressed_question_cell();

}  // namespace tw::drawing
