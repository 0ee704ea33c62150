// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <system_error>

#include "app/game.h"
#include "core/rules.h"
#include "tests/oracle.h"

namespace tw {

// A whole seeded game on a toolkit, with its best-times file in a folder of its own.
template <typename Toolkit>
struct GameOn {
    explicit GameOn(std::uint64_t seed)
        : folder(std::filesystem::temp_directory_path() /
                 ("tilewarden-test-" + std::to_string(::getpid()) + "-" +
                  std::to_string(reinterpret_cast<std::uintptr_t>(this)))),
          game(tk, folder) {
        s().fixedseed = seed;
        game.start();
    }
    ~GameOn() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    GameOn(const GameOn&) = delete;
    GameOn& operator=(const GameOn&) = delete;

    GameState& s() { return game.state(); }

    // Lays the mines on exactly these cells and counts, as the first release would.
    void laymines(std::initializer_list<int> cells) {
        for (int c : cells) s().mine[c] = true;
        minecheck(s());
        s().minesplaced = true;
    }

    Toolkit tk;
    std::filesystem::path folder;
    Game game;
};

}  // namespace tw
