// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tw {

// Cells are numbered 1 to across * down row by row from the top left; columns and rows
// count from 0.
struct Place {
    int x;
    int y;
};

constexpr int cellat(int across, int x, int y) { return y * across + x + 1; }

constexpr Place placeof(int across, int cell) { return {(cell - 1) % across, (cell - 1) / across}; }

}  // namespace tw
