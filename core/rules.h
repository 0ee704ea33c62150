#pragma once

#include <array>

#include "core/state.h"

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

// Stores `mask` (1..31) in rule[0] and its five binary digits, leftmost first, in rule[1..5].
void setrule(GameState& s, int mask);

// Fills `count` for every cell with the mines the rule's neighbourhood holds.
void minecheck(GameState& s);

}  // namespace tw
