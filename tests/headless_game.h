// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>

#include "app/game.h"
#include "core/rules.h"
#include "core/startup.h"
#include "tests/oracle.h"
#include "toolkit/headless.h"

namespace tw::testing {

// A whole game on the headless toolkit, with its best-times file in a folder of its own.
struct HeadlessGame {
    HeadlessGame()
        : folder(std::filesystem::temp_directory_path() /
                 ("tilewarden-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                  std::to_string(reinterpret_cast<std::uintptr_t>(this)))),
          game(tk, folder) {
        s().fixedseed = 12345;
        game.start();
    }
    ~HeadlessGame() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    GameState& s() { return game.state(); }

    // A fresh custom field of the given size with the given game type, mines not yet placed.
    void newfield(int across, int down, int totalmines, int mask = 3) {
        s().levelbeginner = s().levelintermediate = s().levelexpert = false;
        s().levelcustom = true;
        s().across = across;
        s().down = down;
        s().totalmines = totalmines;
        setrule(s(), mask);
        mnuNew_Click(s(), game.screen());
    }

    // Lays the mines on exactly these cells and counts, as the first release would.
    void laymines(std::initializer_list<int> cells) {
        for (int c : cells) s().mine[c] = true;
        minecheck(s());
        s().minesplaced = true;
    }

    int minecount() {
        int n = 0;
        for (int c = 1; c <= s().cells(); ++c) n += s().mine[c];
        return n;
    }
    int cellpicture(int i) const { return tk.picture(Elem::Box, i); }
    // The three digit pictures of the mines counter (first) or the seconds counter.
    std::string counter(bool mines) {
        return oracle::readcounter([&](int i) { return tk.picture(Elem::Box, i); }, s().cells() + (mines ? 1 : 4));
    }

    HeadlessToolkit tk;
    std::filesystem::path folder;
    Game game;
};

}  // namespace tw::testing
