// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas.h"

#include <vector>

namespace tw::drawing {

// A picture whose pixels outside the drawing are transparent.
struct IconImage {
    Canvas pixels;
    std::vector<bool> opaque;

    bool is_opaque(int x, int y) const {
        return opaque[static_cast<std::size_t>(y * pixels.width() + x)];
    }
};

// The window icon: a spiked mine lit from the top left, size x size pixels; 16 and 32 are drawn
// by hand, other sizes are computed in the same style.
IconImage mine_icon(int size);

}  // namespace tw::drawing
