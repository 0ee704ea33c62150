#include "core/rules.h"

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
    for (int x0 = 0; x0 < s.across; ++x0) {
        for (int y0 = 0; y0 < s.down; ++y0) {
            const int c = y0 * s.across + x0 + 1;
            int n = 0;
            for (const NeighbourClass& cls : kCountOrder) {
                if (s.rule[cls.digit] != 1) continue;
                for (int k = 0; k < cls.size; ++k) {
                    const Offset o = cls.offsets[k];
                    const int x = x0 + o.dx;
                    const int y = y0 + o.dy;
                    if (x < 0 || x >= s.across || y < 0 || y >= s.down) continue;
                    if (s.mine[c + o.dy * s.across + o.dx]) ++n;
                }
            }
            s.count[c] = static_cast<std::int8_t>(n);
        }
    }
}

}  // namespace tw
