// SPDX-License-Identifier: GPL-3.0-or-later
// Plays seeded games of every game type of the menu at every level with the game's own code:
// times deduce() halfway through games, then counts the games won from a first click in the
// middle of the field by opening only the cells the deduction proves safe.
// usage: noguess [GAMES]
//   GAMES  games of each game type at each level, seeds 1 to GAMES (default 10000); the timing
//          takes at most 200 of them

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "bench/headless_bench.h"
#include "toolkit/design.h"

namespace {

using namespace tw;

constexpr Level kLevels[] = {Level::Beginner, Level::Intermediate, Level::Expert};
constexpr const char* kLevelNames[] = {"Beginner", "Intermediate", "Expert"};

using Clock = std::chrono::steady_clock;
double since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// A cell the deduction calls certain wrongly stops the run, as no figure would mean anything.
const Deduction& checked(const GameState& s, const Deduction& d) {
    for (int c = 1; c <= s.cells(); ++c) {
        if (d.certainty[c] == (s.mine[c] ? Certainty::Safe : Certainty::Mine)) {
            std::fprintf(stderr, "mask %d, %d x %d: cell %d called certain wrongly\n", s.rule[0], s.across, s.down, c);
            std::exit(1);
        }
    }
    return d;
}

// A game halfway: after the first click, random safe cells clicked (the bench sees the mines)
// until half the safe cells are open. False when the game ended first.
bool halfway(Bench& b, std::mt19937& random) {
    GameState& s = b.game.state();
    b.tk.click(firstclick(s));
    while (s.playing && s.covered > (s.cells() + s.totalmines) / 2) {
        const int c = 1 + static_cast<int>(random() % s.cells());
        if (!s.mine[c] && !s.opened[c]) b.tk.click(c);
    }
    return s.playing;
}

bool wonwithoutguess(Bench& b) {
    GameState& s = b.game.state();
    b.tk.click(firstclick(s));
    while (s.playing && b.opensafe(checked(s, deduce(s))) > 0) {
    }
    return s.won;
}

}  // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int timed = std::min(games, 200);
    Bench b;
    std::string header = "| game type |";
    for (int l = 0; l < 3; ++l) {
        b.newgame(kLevels[l], kGameTypes[0].mask, 1);
        const GameState& s = b.game.state();
        // Appended piece by piece: GCC 12 warns falsely of overlapping copies in a chain of +.
        header.append(" ").append(kLevelNames[l]).append(" ").append(std::to_string(s.across));
        header.append(" x ").append(std::to_string(s.down)).append(", ").append(std::to_string(s.totalmines));
        header.append(" mines |");
    }
    std::printf("deduce() halfway through %d games of each, mean / 99th percentile / slowest, µs:\n\n%s\n"
                "|---|---|---|---|\n",
                timed, header.c_str());
    for (const GameType& type : kGameTypes) {
        std::printf("| %s |", type.caption.text);
        for (Level level : kLevels) {
            std::mt19937 random(1);
            std::vector<double> took;
            for (int seed = 1; seed <= timed; ++seed) {
                b.newgame(level, type.mask, static_cast<std::uint64_t>(seed));
                if (!halfway(b, random)) continue;
                const auto start = Clock::now();
                const Deduction d = deduce(b.game.state());
                took.push_back(1e6 * since(start));
                checked(b.game.state(), d);
            }
            std::sort(took.begin(), took.end());
            double sum = 0;
            for (double t : took) sum += t;
            const std::size_t n = took.size();
            std::printf(" %.0f / %.0f / %.0f |", sum / static_cast<double>(n), took[n * 99 / 100], took.back());
            std::fflush(stdout);
        }
        std::printf("\n");
    }

    std::printf("\nGames won without a guess from a first click in the middle, of %d each:\n\n%s\n|---|---|---|---|\n",
                games, header.c_str());
    const auto start = Clock::now();
    for (const GameType& type : kGameTypes) {
        std::printf("| %s |", type.caption.text);
        for (Level level : kLevels) {
            int won = 0;
            for (int seed = 1; seed <= games; ++seed) {
                b.newgame(level, type.mask, static_cast<std::uint64_t>(seed));
                won += wonwithoutguess(b);
            }
            std::printf(" %.1f %% |", 100.0 * won / games);
            std::fflush(stdout);
        }
        std::printf("\n");
    }
    std::printf("\n%.0f s\n", since(start));
    return 0;
}
