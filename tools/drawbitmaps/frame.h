// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas.h"

namespace tw::drawing {

inline constexpr int wall_width = 12;
inline constexpr int top_panel_height = 55;
inline constexpr int bottom_edge_height = 12;

// The whole frame of a window for a field of across x down cells, with the field left plain
// silver. The frame pieces are cut from it, so they join exactly as this drawing shows.
Canvas frame_model(int across, int down);

// Bitmaps 501 to 507.
struct FramePieces {
    Canvas top_left;
    Canvas top_right;
    Canvas top_column;
    Canvas bottom_left;
    Canvas bottom_right;
    Canvas bottom_column;
    Canvas wall_row;
};

FramePieces frame_pieces();

// Lays the pieces out as the window does, stretching the columns and the wall row.
Canvas assemble_frame(const FramePieces& pieces, int across, int down);

}  // namespace tw::drawing
