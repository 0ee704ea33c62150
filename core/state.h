// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace tw {

// Per-cell arrays hold entries 0..kMaxCells; entry 0 is never a cell.
inline constexpr int kMaxCells = 999;
inline constexpr int kMaxAcross = 37;
inline constexpr int kMaxDown = 27;

// What one deduction leaves the next: what the player saw then, what it proved, and ways of
// laying the mines it found to fit. It holds for a later position in which every cell open then
// is open with the same number, as the player has only learnt more since.
struct DeductionMemory {
    int across = 0;
    int down = 0;
    int totalmines = 0;
    int mask = 0;
    std::vector<std::pair<int, int>> opened;  // each open cell and its number
    std::vector<int> mines;                   // covered cells certainly mines
    std::vector<int> safe;                    // covered cells certainly safe
    std::vector<std::vector<int>> layouts;    // the mined cells of each way found
};

// The whole game state, owned by no window; every handler reads and writes it directly.
struct GameState {
    int across = 0;
    int down = 0;
    int totalmines = 0;

    bool levelbeginner = false;
    bool levelintermediate = false;
    bool levelexpert = false;
    bool levelcustom = false;

    std::array<bool, kMaxCells + 1> mine{};
    std::array<bool, kMaxCells + 1> opened{};
    std::array<std::int8_t, kMaxCells + 1> mark{};
    std::array<std::int8_t, kMaxCells + 1> count{};

    // How many cells of the field have `opened` false; kept wherever `opened` changes.
    int covered = 0;

    bool playing = false;
    bool won = false;
    bool minesplaced = false;

    int minesleft = 0;
    int seconds = 0;

    // rule[0] is the mask 1..31, rule[1..5] its binary digits, leftmost first.
    std::array<std::int16_t, 6> rule{};

    std::string besttimes;

    // What "Custom..." changed, given back when the dialog is closed without OK.
    struct Beforecustom {
        bool levelbeginner, levelintermediate, levelexpert, levelcustom, minesplaced, won;
    } beforecustom{};

    // Nonzero: every start-up seeds the generator with this instead of the clock.
    std::uint64_t fixedseed = 0;

    std::mt19937_64 random;

    // The last hint's deduction: the next one starts from it, and so answers sooner.
    DeductionMemory deduced;

    int cells() const { return across * down; }
};

// Marks a cell can carry.
inline constexpr int kNoMark = 0;
inline constexpr int kFlag = 1;
inline constexpr int kQuestion = 2;

}  // namespace tw
