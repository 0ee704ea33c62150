// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "core/grid.h"
#include "core/state.h"
#include "resources/catalogue.h"
#include "toolkit/toolkit.h"

namespace tw::oracle {

// The rule written out directly: the digit that switches on the class of offset (dx, dy).
inline int classdigit(int dx, int dy) {
    const int ax = std::abs(dx);
    const int ay = std::abs(dy);
    if (ax + ay == 1) return 5;
    if (ax == 1 && ay == 1) return 4;
    if (ax + ay == 3) return 3;
    if (ax + ay == 2) return 2;
    if (ax == 2 && ay == 2) return 1;
    return 0;
}

// The cells of the field in c's neighbourhood under the game type's mask, read bit by bit, leftmost first.
inline std::vector<int> neighbourhood(const GameState& s, int c) {
    const auto [x, y] = placeof(s.across, c);
    std::vector<int> cells;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const int digit = classdigit(dx, dy);
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
        const int p = shown.picture(Elem::Box, s.cells() + (mines ? 1 : 4) + k);
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
