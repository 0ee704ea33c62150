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

// Where a frame that changes its size to `width` x `height` goes: its centre stays where it was,
// moved only as far as it takes to keep the frame inside `area`, so a window the player never
// moved stays centred and one the player put somewhere stays there.
constexpr FrameRect resizedFrame(const FrameRect& area, const FrameRect& old, int width, int height) {
    const int left = old.left + (old.width - width) / 2;
    const int top = old.top + (old.height - height) / 2;
    return {std::clamp(left, area.left, std::max(area.left, area.left + area.width - width)),
            std::clamp(top, area.top, std::max(area.top, area.top + area.height - height)), width, height};
}

}  // namespace tw
