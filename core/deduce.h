// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <chrono>
#include <cstdint>

#include "core/state.h"

namespace tw {

// What the open numbers and the mine count make certain about a covered cell.
enum class Certainty : std::uint8_t { Unsure, Safe, Mine };

// Why a covered cell is certainly safe, from the plainest reason to the widest.
enum class Why : std::uint8_t {
    None,
    // The number of clues[0] already touches that many certain mines: the rest around it is free.
    Satisfied,
    // Every cell around clues[0] that may still hold a mine lies around clues[1] too, and clues[1]
    // needs no more mines than clues[0] still does: the rest around clues[1] is free.
    Subset,
    // Every way the remaining mines can lie that fits all the numbers and the mine count leaves it
    // free, though no single number or pair of numbers shows it.
    Frontier,
    // No number reaches it: the mine count alone decides, since the certain mines and the mines
    // the numbers need take every mine there is.
    Count,
};

// An open cell and the number it shows.
struct Clue {
    int cell = 0;
    int number = 0;
    bool operator==(const Clue&) const = default;
};

struct Reason {
    Why why = Why::None;
    // Satisfied rests on the first, Subset on both, Frontier and Count on none.
    std::array<Clue, 2> clues{};
    bool operator==(const Reason&) const = default;
};

struct Deduction {
    // For each cell 1..across * down; open cells and entry 0 stay Unsure.
    std::array<Certainty, kMaxCells + 1> certainty{};
    // For each certainly safe cell.
    std::array<Reason, kMaxCells + 1> reason{};
    // False when the time ran out: then only what single numbers, pairs and the count show.
    bool complete = true;
};

// The covered cells that are certainly safe and certainly mines, exactly: a cell is certain when
// every way of laying `totalmines` mines on the covered cells that gives every open cell its
// number agrees on it. Reads only what the player sees: the field's size, the rule digits,
// `totalmines`, `opened` and the `count` of open cells. Flags and question marks are the player's
// opinion and are not read. The open cells must hold no mine (a game in play).
// Past `giveupat`, the search of the whole frontier is given up. With a `memory` of an earlier
// position of the same game, it starts from what that deduction found and answers the same,
// sooner; the memory is then of this position.
Deduction deduce(const GameState& s,
                 std::chrono::steady_clock::time_point giveupat = std::chrono::steady_clock::time_point::max(),
                 DeductionMemory* memory = nullptr);

}  // namespace tw
