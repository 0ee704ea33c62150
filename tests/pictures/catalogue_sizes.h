// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

struct ExpectedBitmap {
    int number;
    int width;
    int height;
};

// The numbers and sizes of the game's bitmaps, as the window and the cells expect them.
inline std::vector<ExpectedBitmap> expected_bitmaps() {
    std::vector<ExpectedBitmap> out{{100, 26, 26}};
    for (int n = 101; n <= 105; ++n) out.push_back({n, 25, 25});
    for (int n = 200; n <= 210; ++n) out.push_back({n, 11, 21});
    for (int n = 300; n <= 324; ++n) out.push_back({n, 16, 16});
    for (int n = 400; n <= 406; ++n) out.push_back({n, 16, 16});
    out.insert(out.end(), {{500, 41, 25}, {501, 12, 55}, {502, 12, 55}, {503, 1, 55},
                           {504, 12, 12}, {505, 12, 12}, {506, 1, 12}, {507, 12, 1}});
    return out;
}
