// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "resources/catalogue.h"
#include "toolkit/toolkit.h"

namespace tw {

struct DesignElement {
    Elem elem;
    int index;
    int picture;
    int left;
    int top;
    int width;
    int height;
    bool visible;
};

// The main window as designed, back to front, laid out for an 8 x 8 field; every build
// starts from these and the layout then moves what depends on the field size.
inline constexpr std::array<DesignElement, 12> kForm1Design = {{
    {Elem::FrameL, 0, pictures::kPanelLeft, 0, 0, 12, 55, true},
    {Elem::FrameM, 0, pictures::kPanelColumn, 12, 0, 128, 55, true},
    {Elem::FrameR, 0, pictures::kPanelRight, 140, 0, 12, 55, true},
    {Elem::FrameN, 0, pictures::kCounterBack, 16, 15, 41, 25, true},
    {Elem::FrameN, 1, pictures::kCounterBack, 93, 15, 41, 25, true},
    {Elem::Smile, 0, pictures::kBuiltInFace, 63, 15, 26, 26, true},
    {Elem::FrameW, 0, pictures::kWallRow, 0, 55, 12, 128, true},
    {Elem::FrameW, 1, pictures::kWallRow, 140, 55, 12, 128, true},
    {Elem::FrameCL, 0, pictures::kCornerLeft, 0, 183, 12, 12, true},
    {Elem::FrameB, 0, pictures::kBottomColumn, 12, 183, 128, 12, true},
    {Elem::FrameCR, 0, pictures::kCornerRight, 140, 183, 12, 12, true},
    {Elem::Box, 0, pictures::openedCell(0), 0, 0, 16, 16, false},
}};

// The field's cells sit between two walls, under the panel and over the bottom edge, so the
// client area is 16 x across + 24 wide and 16 x down + 67 high.
inline constexpr int kCellSize = 16;
inline constexpr int kAroundFieldWidth = 2 * 12;
inline constexpr int kAroundFieldHeight = 55 + 12;

inline constexpr int kDesignClientWidth = 152;
inline constexpr int kDesignClientHeight = 195;

}  // namespace tw
