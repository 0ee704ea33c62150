// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cascade.h"

#include "core/grid.h"
#include "core/outcome.h"
#include "core/rules.h"
#include "resources/catalogue.h"

namespace tw {

void setopened(GameState& s, int c) {
    if (!s.opened[c]) {
        s.opened[c] = true;
        --s.covered;
    }
}

void removebox(GameState& s, Host& h, int a) {
    if (s.opened[a]) return;
    if (s.mark[a] == kFlag) {
        ++s.minesleft;
        h.showmines();
    }
    h.boxload(a, pictures::openedCell(s.count[a]));
    setopened(s, a);
    if (!s.mine[a]) check(s, h, a);
    if (s.playing) wincheck(s, h);
}

void check(GameState& s, Host& h, int b) {
    const auto [x, y] = placeof(s.across, b);
    const OffsetList& active = kCascadeOffsets[digitmask(s) & 31];
    // Two cells away from every edge all offsets lie inside the field.
    const bool inner = x >= 2 && x < s.across - 2 && y >= 2 && y < s.down - 2;
    for (int k = 0; k < active.size; ++k) {
        const Offset o = active.offsets[k];
        const int i = x + o.dx;
        const int j = y + o.dy;
        // An open neighbour has nothing left to do in checkmini, so it is not visited at all.
        if ((inner || (i >= 0 && i < s.across && j >= 0 && j < s.down)) && !s.opened[cellat(s.across, i, j)]) {
            checkmini(s, h, i, j);
        }
    }
}

void checkmini(GameState& s, Host& h, int i, int j) {
    const int c = cellat(s.across, i, j);
    if (s.count[c] == 0 && !s.opened[c]) removebox(s, h, c);
    if (s.count[c] != 0 && !s.opened[c]) {
        setopened(s, c);
        h.boxload(c, pictures::openedCell(s.count[c]));
    }
}

}  // namespace tw
