// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mines.h"

#include <algorithm>

namespace tw {

double uniform01(GameState& s) {
    // 53 random bits scaled by 2^-53: exactly representable, never 1.
    return static_cast<double>(s.random() >> 11) * 0x1.0p-53;
}

void mineset(GameState& s, int q) {
    const int n = s.cells();
    // Lays the mines the field still lacks: none lie there in a fresh game, but a face press
    // whose release was lost leaves the old field, with all its mines, waiting for a first release.
    int free = 0;
    int present = 0;
    for (int i = 1; i <= n; ++i) {
        present += s.mine[i];
        free += !s.mine[i] && i != q;
    }
    // A count the field cannot hold would make the draw loop endless.
    const int mines = std::clamp(s.totalmines - present, 0, free);
    for (int laid = 0; laid < mines; ++laid) {
        for (;;) {
            const int pos = static_cast<int>(uniform01(s) * n) + 1;
            if (!s.mine[pos] && pos != q) {
                s.mine[pos] = true;
                break;
            }
        }
    }
}

}  // namespace tw
