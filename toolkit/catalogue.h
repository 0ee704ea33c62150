// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

#include "toolkit/toolkit.h"

namespace tw {

struct PictureSize {
    int width;
    int height;
};

// The 26 x 26 normal face that the main window's design carries on Smile at every build.
inline constexpr int kBuiltInFace = 100;
// The window icon, numbered in the icon numbering.
inline constexpr int kWindowIcon = 101;

// Every bitmap number the game can show, the built-in face first.
inline constexpr std::array<int, 57> kPictureNumbers = {
    100, 101, 102, 103, 104, 105,
    200, 201, 202, 203, 204, 205, 206, 207, 208, 209, 210,
    300, 301, 302, 303, 304, 305, 306, 307, 308, 309, 310, 311, 312,
    313, 314, 315, 316, 317, 318, 319, 320, 321, 322, 323, 324,
    400, 401, 402, 403, 404, 405, 406,
    500, 501, 502, 503, 504, 505, 506, 507,
};

// Width and height of picture `n`, or nothing when no such picture exists.
constexpr std::optional<PictureSize> pictureSize(int n) {
    if (n == kBuiltInFace) return PictureSize{26, 26};
    if (n >= 101 && n <= 105) return PictureSize{25, 25};
    if (n >= 200 && n <= 210) return PictureSize{11, 21};
    if (n >= 300 && n <= 324) return PictureSize{16, 16};
    if (n >= 400 && n <= 406) return PictureSize{16, 16};
    switch (n) {
        case 500: return PictureSize{41, 25};
        case 501: case 502: return PictureSize{12, 55};
        case 503: return PictureSize{1, 55};
        case 504: case 505: return PictureSize{12, 12};
        case 506: return PictureSize{1, 12};
        case 507: return PictureSize{12, 1};
        default: return std::nullopt;
    }
}

// Stretched elements scale their picture to their own size; the others take the picture's size.
constexpr bool isStretched(Elem elem) {
    return elem == Elem::FrameM || elem == Elem::FrameB || elem == Elem::FrameW;
}

}  // namespace tw
