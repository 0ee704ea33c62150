// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>

namespace tw {

// A window frame's rectangle on the screen, in pixels.
struct FrameRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const FrameRect&) const = default;
};

// The frame centred on `area`.
constexpr FrameRect centredFrame(const FrameRect& area, int width, int height) {
    return {area.left + (area.width - width) / 2, area.top + (area.height - height) / 2, width, height};
}

// Where a frame that changes its size to `width` x `height` goes: centred on `area` while the
// player has never `moved` it, else round the centre of the `old` frame, where the player left it;
// either way moved only as far as it takes to keep it inside `area`, its top-left corner first.
constexpr FrameRect resizedFrame(const FrameRect& area, const FrameRect& old, int width, int height, bool moved) {
    const FrameRect centred = centredFrame(moved ? old : area, width, height);
    return {std::clamp(centred.left, area.left, std::max(area.left, area.left + area.width - width)),
            std::clamp(centred.top, area.top, std::max(area.top, area.top + area.height - height)), width, height};
}

}  // namespace tw
