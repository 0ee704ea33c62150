// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "core/grid.h"
#include "core/state.h"
#include "resources/catalogue.h"
#include "toolkit/design.h"

namespace tw::oracle {

// The rule written out directly: the digit that switches on each offset of the 5 x 5 square
// (5 adjacent, 4 diagonal, 3 knight's move, 2 two steps straight, 1 two steps diagonal).
constexpr int kClassDigit[5][5] = {
    {1, 3, 2, 3, 1},
    {3, 4, 5, 4, 3},
    {2, 5, 0, 5, 2},
    {3, 4, 5, 4, 3},
    {1, 3, 2, 3, 1},
};

// The cells of the field in c's neighbourhood under the game type's mask, read bit by bit, leftmost first.
inline std::vector<int> neighbourhood(const GameState& s, int c) {
    const auto [x, y] = placeof(s.across, c);
    std::vector<int> cells;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const int digit = kClassDigit[dy + 2][dx + 2];
            if (digit == 0 || ((s.rule[0] >> (5 - digit)) & 1) == 0) continue;
            if (x + dx < 0 || x + dx >= s.across || y + dy < 0 || y + dy >= s.down) continue;
            cells.push_back(cellat(s.across, x + dx, y + dy));
        }
    }
    return cells;
}

inline int minesaround(const GameState& s, int c) {
    int n = 0;
    for (int d : neighbourhood(s, c)) n += s.mine[d];
    return n;
}

// What opening the safe cell `start` opens: every cell joined to it through zero counts, and
// the numbered cells bordering them.
inline std::set<int> reachable(const GameState& s, int start) {
    std::set<int> open = {start};
    std::vector<int> todo = {start};
    while (!todo.empty()) {
        const int c = todo.back();
        todo.pop_back();
        if (minesaround(s, c) != 0) continue;
        for (int n : neighbourhood(s, c)) {
            if (open.insert(n).second) todo.push_back(n);
        }
    }
    return open;
}

// What the mines counter (first) or the seconds counter reads from its three digit pictures.
template <typename Shown>
std::string readcounter(Shown& shown, const GameState& s, bool mines) {
    std::string text;
    for (int k = 0; k < 3; ++k) {
        const int p = shown.picture(Elem::Box, counterPlace(s.cells(), mines, k));
        text += p == pictures::kMinus ? '-' : static_cast<char>('0' + p - pictures::digit(0));
    }
    return text;
}

// A count written out directly: three digits, or a minus and the last two digits of a negative count.
inline std::string counterform(int value) {
    char text[8];
    std::snprintf(text, sizeof text, value < 0 ? "-%02d" : "%03d", value < 0 ? -value % 100 : value);
    return text;
}

}  // namespace tw::oracle
