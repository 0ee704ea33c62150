// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/rules.h"

#include "core/grid.h"

namespace tw {

void setrule(GameState& s, int mask) {
    s.rule[0] = static_cast<std::int16_t>(mask);
    s.rule[1] = static_cast<std::int16_t>(mask / 16);
    s.rule[2] = static_cast<std::int16_t>((mask % 16) / 8);
    s.rule[3] = static_cast<std::int16_t>((mask % 8) / 4);
    s.rule[4] = static_cast<std::int16_t>((mask % 4) / 2);
    s.rule[5] = static_cast<std::int16_t>(mask % 2);
}

void minecheck(GameState& s) {
    const OffsetList& active = kCountOffsets[digitmask(s) & 31];
    std::array<int, 24> step{};
    for (int k = 0; k < active.size; ++k) step[k] = active.offsets[k].dy * s.across + active.offsets[k].dx;
    for (int x0 = 0; x0 < s.across; ++x0) {
        for (int y0 = 0; y0 < s.down; ++y0) {
            const int c = cellat(s.across, x0, y0);
            // Two cells away from every edge all offsets lie inside the field.
            const bool inner = x0 >= 2 && x0 < s.across - 2 && y0 >= 2 && y0 < s.down - 2;
            int n = 0;
            for (int k = 0; k < active.size; ++k) {
                const int x = x0 + active.offsets[k].dx;
                const int y = y0 + active.offsets[k].dy;
                if (inner || (x >= 0 && x < s.across && y >= 0 && y < s.down)) n += s.mine[c + step[k]];
            }
            s.count[c] = static_cast<std::int8_t>(n);
        }
    }
}

}  // namespace tw
