// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <vector>

#include "core/grid.h"
#include "core/neighbours.h"
#include "toolkit/design.h"
#include "toolkit/toolkit.h"

namespace tw {

// The field a client area of this size holds, in cells.
struct Field {
    int across;
    int down;
    constexpr int cells() const { return across * down; }
};

constexpr Field fieldOfClient(int width, int height) {
    return {std::max(0, (width - kAroundFieldWidth) / kCellSize),
            std::max(0, (height - kAroundFieldHeight) / kCellSize)};
}

// Whether the field takes the key itself rather than reporting it.
constexpr bool isFieldKey(int key) {
    return (key >= kKeySpace && key <= kKeyDown) || key == kKeyF || key == kKeyN || key == kKeyR || key == kKeyS;
}

// The mouse button whose click the key gives the focus cell, or 0.
constexpr int clickButton(int key) { return key == kKeySpace ? kLeftButton : key == kKeyF ? kRightButton : 0; }

// Whether the key shows the focus cell: the moves, not the keys that only tell or show.
constexpr bool marksFocus(int key) { return clickButton(key) == 0 && key != kKeyS && key != kKeyR && key != kKeyN; }

// Whether the key moves the focus cell, where the field's edges let it.
constexpr bool movesFocus(int key) { return key >= kKeyPageUp && key <= kKeyDown; }

// Where the key moves the focus cell (numbered from 1, row by row); other keys leave it.
constexpr int movedFocus(int cell, int key, Field field) {
    if (field.cells() == 0) return 1;
    const Place at = placeof(field.across, std::clamp(cell, 1, field.cells()));
    int row = at.y;
    int column = at.x;
    switch (key) {
        case kKeyLeft: column = std::max(0, column - 1); break;
        case kKeyRight: column = std::min(field.across - 1, column + 1); break;
        case kKeyUp: row = std::max(0, row - 1); break;
        case kKeyDown: row = std::min(field.down - 1, row + 1); break;
        case kKeyHome: column = 0; break;
        case kKeyEnd: column = field.across - 1; break;
        case kKeyPageUp: row = 0; break;
        case kKeyPageDown: row = field.down - 1; break;
        default: break;
    }
    return cellat(field.across, column, row);
}

// The cell N shows the neighbourhood of: the focus cell where it shows or the pointer rests on
// no cell (`pointed` 0), else the cell under the pointer.
constexpr int neighbourhoodCentre(int focus, bool focusShown, int pointed) {
    return focusShown || pointed == 0 ? focus : pointed;
}

// The cells of the field whose mines the number of `cell` counts under the rule `mask`, in
// reading order.
inline std::vector<int> neighbourhood(int cell, int mask, Field field) {
    std::vector<int> cells;
    if (cell < 1 || cell > field.cells() || mask < 0 || mask >= static_cast<int>(kCountOffsets.size())) return cells;
    const Place at = placeof(field.across, cell);
    const OffsetList& list = kCountOffsets[mask];
    for (int k = 0; k < list.size; ++k) {
        const int x = at.x + list.offsets[k].dx;
        const int y = at.y + list.offsets[k].dy;
        if (x >= 0 && x < field.across && y >= 0 && y < field.down) cells.push_back(cellat(field.across, x, y));
    }
    std::sort(cells.begin(), cells.end());
    return cells;
}

}  // namespace tw
