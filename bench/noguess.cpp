// SPDX-License-Identifier: GPL-3.0-or-later
// Plays seeded games of every game type of the menu at every level with the game's own code:
// times deduce() on every position of games played by deduction, then counts the games won from a
// first click in the middle of the field by opening only the cells the deduction proves safe.
// usage: noguess [GAMES [TIMED]]
//   GAMES  games of each game type at each level, seeds 1 to GAMES (default 10000)
//   TIMED  games of each whose every position is timed (default 200)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <time.h>

#include "bench/headless_bench.h"
#include "toolkit/design.h"

namespace {

using namespace tw;

constexpr Level kLevels[] = {Level::Beginner, Level::Intermediate, Level::Expert};
constexpr const char* kLevelNames[] = {"Beginner", "Intermediate", "Expert"};

using Clock = std::chrono::steady_clock;
double since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// The thread's own processor time, in seconds: other work on the machine does not count.
double cputime() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// Deductions that may take longer than the hint waits are given up as the hint gives them up.
constexpr auto kHintWait = std::chrono::milliseconds(200);

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

// A game played to its end: the cells the deduction proves safe are opened, and where it proves
// none a random safe cell (the bench sees the mines). Each position is deduced twice, on its own
// and as D deduces it, starting from the deduction before: the times go to `alone` and `after`.
// `givenup` counts the deductions that ran out of time.
void timegame(Bench& b, std::mt19937& random, std::vector<double>& alone, std::vector<double>& after, int& givenup) {
    GameState& s = b.game.state();
    b.tk.click(firstclick(s));
    DeductionMemory memory;
    while (s.playing) {
        double start = cputime();
        const Deduction cold = deduce(s, Clock::now() + kHintWait);
        alone.push_back(1e6 * (cputime() - start));
        start = cputime();
        const Deduction d = deduce(s, Clock::now() + kHintWait, &memory);
        after.push_back(1e6 * (cputime() - start));
        givenup += !cold.complete + !d.complete;
        if (cold.complete && d.complete && (cold.certainty != d.certainty || cold.reason != d.reason)) {
            std::fprintf(stderr, "mask %d, %d x %d: the deduction from memory differs\n", s.rule[0], s.across, s.down);
            std::exit(1);
        }
        if (b.opensafe(checked(s, d)) > 0) continue;
        for (int c = 1 + static_cast<int>(random() % s.cells());; c = c % s.cells() + 1) {
            if (s.mine[c] || s.opened[c]) continue;
            b.tk.click(c);
            break;
        }
    }
}

// positions / mean / 99th percentile / slowest
std::string figures(std::vector<double> took) {
    if (took.empty()) return " 0 / - / - / - |";
    std::sort(took.begin(), took.end());
    double sum = 0;
    for (double t : took) sum += t;
    const std::size_t n = took.size();
    char text[80];
    std::snprintf(text, sizeof text, " %zu / %.0f / %.0f / %.0f |", n, sum / static_cast<double>(n), took[n * 99 / 100],
                  took.back());
    return text;
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
    const int timed = argc > 2 ? std::atoi(argv[2]) : std::min(games, 200);
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
    int givenup = 0;
    std::string alonetable;
    std::string aftertable;
    for (const GameType& type : kGameTypes) {
        alonetable.append("| ").append(type.caption.text).append(" |");
        aftertable.append("| ").append(type.caption.text).append(" |");
        for (Level level : kLevels) {
            std::mt19937 random(1);
            std::vector<double> alone;
            std::vector<double> after;
            for (int seed = 1; seed <= timed; ++seed) {
                b.newgame(level, type.mask, static_cast<std::uint64_t>(seed));
                timegame(b, random, alone, after, givenup);
            }
            alonetable += figures(alone);
            aftertable += figures(after);
        }
        alonetable += "\n";
        aftertable += "\n";
    }
    std::printf("deduce() on every position of %d games of each played by deduction, positions / mean / 99th "
                "percentile / slowest, µs of processor time; each position after the one before, as D deduces "
                "them:\n\n%s\n|---|---|---|---|\n%s\nEach position on its own:\n\n%s\n|---|---|---|---|\n%s",
                timed, header.c_str(), aftertable.c_str(), header.c_str(), alonetable.c_str());
    std::printf("\nGiven up after %lld ms: %d\n", static_cast<long long>(kHintWait.count()), givenup);

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
