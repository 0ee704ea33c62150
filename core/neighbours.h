// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace tw {

struct Offset {
    int dx;
    int dy;
};

// The five classes of the 5 x 5 square, in rule-digit order 5, 4, 3, 2, 1 (adjacent first).
struct NeighbourClass {
    int digit;
    std::array<Offset, 8> offsets;
    int size;
};

// Offsets in the order the counts are accumulated.
inline constexpr std::array<NeighbourClass, 5> kCountOrder = {{
    {5, {{{-1, 0}, {+1, 0}, {0, -1}, {0, +1}}}, 4},
    {4, {{{-1, -1}, {-1, +1}, {+1, -1}, {+1, +1}}}, 4},
    {3, {{{-2, -1}, {-1, -2}, {-2, +1}, {-1, +2}, {+1, -2}, {+2, -1}, {+2, +1}, {+1, +2}}}, 8},
    {2, {{{-2, 0}, {+2, 0}, {0, -2}, {0, +2}}}, 4},
    {1, {{{-2, -2}, {-2, +2}, {+2, -2}, {+2, +2}}}, 4},
}};

// Offsets in the order the cascade visits them.
inline constexpr std::array<NeighbourClass, 5> kCascadeOrder = {{
    {5, {{{+1, 0}, {0, +1}, {-1, 0}, {0, -1}}}, 4},
    {4, {{{+1, +1}, {-1, +1}, {+1, -1}, {-1, -1}}}, 4},
    {3, {{{+2, +1}, {+1, +2}, {+2, -1}, {+1, -2}, {-2, +1}, {-1, +2}, {-2, -1}, {-1, -2}}}, 8},
    {2, {{{+2, 0}, {0, +2}, {-2, 0}, {0, -2}}}, 4},
    {1, {{{+2, +2}, {-2, +2}, {+2, -2}, {-2, -2}}}, 4},
}};

// The offsets a rule switches on, in the order of the given class table.
struct OffsetList {
    std::array<Offset, 24> offsets;
    int size;
};

constexpr OffsetList activeoffsets(const std::array<NeighbourClass, 5>& order, int mask) {
    OffsetList list{};
    for (const NeighbourClass& cls : order) {
        if ((mask >> (5 - cls.digit) & 1) == 0) continue;
        for (int k = 0; k < cls.size; ++k) list.offsets[list.size++] = cls.offsets[k];
    }
    return list;
}

constexpr std::array<OffsetList, 32> offsetsbymask(const std::array<NeighbourClass, 5>& order) {
    std::array<OffsetList, 32> table{};
    for (int mask = 0; mask < 32; ++mask) table[mask] = activeoffsets(order, mask);
    return table;
}

inline constexpr std::array<OffsetList, 32> kCountOffsets = offsetsbymask(kCountOrder);
inline constexpr std::array<OffsetList, 32> kCascadeOffsets = offsetsbymask(kCascadeOrder);

}  // namespace tw
