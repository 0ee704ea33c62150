// SPDX-License-Identifier: GPL-3.0-or-later
// Plays arbitrary sequences of presses, releases, keys, menu commands, dialog entries and
// timer ticks on the headless toolkit, checking after every event what the rules imply.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "tests/game_on.h"
#include "tests/random_play.h"
#include "toolkit/headless.h"

namespace {

struct Input {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    int next() { return at < size ? data[at++] : 0; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in{data, size};
    // The seed comes first, so that an input replays the same games.
    tw::GameOn<tw::HeadlessToolkit> session(static_cast<std::uint64_t>(in.next()) + 1);
    session.tk.setPictureLogging(false);
    const tw::GameState& s = session.s();
    for (int events = 0; in.at < size && events < 400; ++events) {
        const bool ended = !s.playing && s.minesplaced;
        const int builds = session.tk.builds();
        const auto before = s.opened;
        tw::play::playevent(session.tk, in);
        const char* broken = tw::play::brokenrule(s, session.tk);
        if (broken == nullptr && ended && session.tk.builds() == builds && before != s.opened) {
            broken = "a finished game opens no cell";
        }
        if (broken != nullptr) {
            std::fprintf(stderr, "invariant broken: %s\n", broken);
            std::abort();
        }
    }
    return 0;
}
