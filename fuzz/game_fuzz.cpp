// SPDX-License-Identifier: GPL-3.0-or-later
// Plays arbitrary sequences of presses, releases, keys, menu commands, dialog entries and
// timer ticks on the headless toolkit, checking after every event what the rules imply.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "app/game.h"
#include "tests/random_play.h"
#include "toolkit/headless.h"

namespace {

using namespace tw;

struct Input {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    bool more() const { return at < size; }
    int next() { return at < size ? data[at++] : 0; }
};

// The seed is set before the first field is laid, so that an input replays the same games.
struct Session {
    explicit Session(std::uint64_t seed)
        : folder(std::filesystem::temp_directory_path() / ("tilewarden-fuzz-" + std::to_string(::getpid()))),
          game(tk, folder) {
        tk.setPictureLogging(false);
        game.state().fixedseed = seed;
        game.start();
    }
    HeadlessToolkit tk;
    std::filesystem::path folder;
    Game game;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in{data, size};
    Session session(static_cast<std::uint64_t>(in.next()) + 1);
    HeadlessToolkit& tk = session.tk;
    GameState& s = session.game.state();
    int events = 0;
    while (in.more() && events++ < 400) {
        const bool ended = !s.playing && s.minesplaced;
        const int builds = tk.builds();
        auto before = s.opened;
        play::playevent(tk, in);
        const char* broken = play::brokenrule(s, tk);
        if (broken == nullptr && ended && tk.builds() == builds && before != s.opened) {
            broken = "a finished game opens no cell";
        }
        if (broken != nullptr) {
            std::fprintf(stderr, "invariant broken: %s\n", broken);
            std::abort();
        }
    }
    return 0;
}
