// SPDX-License-Identifier: GPL-3.0-or-later
// Plays seeded games of every game type at every level with the game's own code, from a first
// click in the middle of the field, opening only the cells the deduction engine proves safe, and
// counts the games won without a guess.
// usage: noguess [GAMES] [--json]
//   GAMES   games of each game type at each level, seeds 1 to GAMES (default 10000)
//   --json  one line of JSON for each game type and level instead of the table

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "bench/headless_bench.h"
#include "toolkit/design.h"

namespace {

using namespace tw;

struct LevelName {
    Level level;
    const char* name;
};
constexpr LevelName kLevels[] = {{Level::Beginner, "Beginner"}, {Level::Intermediate, "Intermediate"},
                                 {Level::Expert, "Expert"}};

struct Tally {
    int won = 0;
    long deductions = 0;
    double seconds = 0;
    double deducing = 0;
    double slowest = 0;
};

// Plays one game; false when the engine called a cell certain that was not.
bool play(Bench& b, Tally& t) {
    GameState& s = b.game.state();
    b.tk.click(firstclick(s));
    while (s.playing) {
        const auto start = std::chrono::steady_clock::now();
        const Deduction d = deduce(s);
        const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        t.deducing += took;
        t.slowest = std::max(t.slowest, took);
        if (took > 0.02) {
            std::fprintf(stderr, "slow %.3f s mask %d across %d\n", took, s.rule[0], s.across);
            std::FILE* f = std::fopen("/tmp/slow.txt", "a");
            std::fprintf(f, "%d %d %d %d\n", s.across, s.down, s.totalmines, s.rule[0]);
            for (int c = 1; c <= s.cells(); ++c) std::fprintf(f, "%d ", s.opened[c] ? s.count[c] : (s.mine[c] ? -2 : -1));
            std::fprintf(f, "\n");
            std::fclose(f);
        }
        ++t.deductions;
        for (int c = 1; c <= s.cells(); ++c) {
            if (d.certainty[c] == Certainty::Mine && !s.mine[c]) return false;
        }
        if (b.opensafe(d) == 0) break;
    }
    t.won += s.won;
    return s.playing || s.won;
}

}  // namespace

int main(int argc, char** argv) {
    int games = 10000;
    bool json = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0) {
            json = true;
        } else {
            games = std::stoi(argv[i]);
        }
    }
    Bench b;
    if (!json) {
        std::printf("| game type | Beginner 8 x 8, 10 mines | Intermediate 16 x 16, 40 | Expert 30 x 16, 99 |\n");
        std::printf("|---|---|---|---|\n");
    }
    for (const GameType& type : kGameTypes) {
        if (!json) std::printf("| %s |", type.caption.text);
        for (const LevelName& level : kLevels) {
            Tally t;
            const auto start = std::chrono::steady_clock::now();
            for (int seed = 1; seed <= games; ++seed) {
                b.newgame(level.level, type.mask, static_cast<std::uint64_t>(seed));
                if (!play(b, t)) {
                    std::fprintf(stderr, "%s, %s, seed %d: a cell called certain was not\n", type.caption.text,
                                 level.name, seed);
                    return 1;
                }
            }
            t.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            const double share = 100.0 * t.won / games;
            if (json) {
                std::printf("{\"mask\": %d, \"type\": \"%s\", \"level\": \"%s\", \"games\": %d, \"won\": %d, "
                            "\"seconds\": %.1f, \"deductions\": %ld, \"mean_deduction_us\": %.1f, "
                            "\"slowest_deduction_us\": %.0f}\n",
                            type.mask, type.caption.text, level.name, games, t.won, t.seconds, t.deductions,
                            1e6 * t.deducing / static_cast<double>(std::max(t.deductions, 1L)), 1e6 * t.slowest);
            } else {
                std::printf(" %.1f %% |", share);
            }
            std::fflush(stdout);
        }
        if (!json) std::printf("\n");
    }
    return 0;
}
