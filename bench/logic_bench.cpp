// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "bench/headless_bench.h"
#include "core/mines.h"
#include "core/outcome.h"
#include "core/rules.h"
#include "core/startup.h"
#include "core/state.h"
#include "input/cells.h"
#include "toolkit/design.h"
#include "toolkit/headless.h"

namespace {

using namespace tw;

void BM_mineset(benchmark::State& state) {
    GameState s;
    s.across = static_cast<int>(state.range(0));
    s.down = static_cast<int>(state.range(1));
    s.totalmines = static_cast<int>(state.range(2));
    for (auto _ : state) {
        s.mine.fill(false);
        mineset(s, 1);
        benchmark::DoNotOptimize(s.mine);
    }
}
BENCHMARK(BM_mineset)->Args({30, 16, 99})->Args({37, 27, 998})->ArgNames({"across", "down", "mines"});

void BM_minecheck(benchmark::State& state) {
    GameState s;
    s.across = static_cast<int>(state.range(0));
    s.down = static_cast<int>(state.range(1));
    s.totalmines = s.cells() / 5;
    setrule(s, static_cast<int>(state.range(2)));
    s.fixedseed = 3;
    s.random.seed(3);
    mineset(s, 1);
    for (auto _ : state) {
        minecheck(s);
        benchmark::DoNotOptimize(s.count);
    }
}
BENCHMARK(BM_minecheck)->Args({30, 16, 3})->Args({30, 16, 31})->Args({37, 27, 3})->Args({37, 27, 31})
    ->ArgNames({"across", "down", "mask"});

void everygametype(benchmark::internal::Benchmark* b) {
    for (const GameType& type : kGameTypes) b->Arg(type.mask);
    b->ArgName("mask");
}

// The first click on a 37 x 27 field with one mine: placing, counting, the cascade over the
// whole field with its pictures, and the win.
void BM_fullcascade(benchmark::State& state) {
    Bench b;
    const int mask = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        b.newfield(37, 27, 1, mask);
        state.ResumeTiming();
        Box_MouseUp(b.game.state(), b.game.screen(), 1, kLeftButton);
    }
    if (!b.game.state().won) state.SkipWithError("the cascade did not open the field");
}
BENCHMARK(BM_fullcascade)->Apply(everygametype);

// The same opening with the mine already laid in the far corner and every cell counted, so the
// figure is the cascade, its pictures and the win alone.
void BM_cascadeonly(benchmark::State& state) {
    Bench b;
    const int mask = static_cast<int>(state.range(0));
    const int last = kMaxAcross * kMaxDown;
    for (auto _ : state) {
        state.PauseTiming();
        b.newfield(kMaxAcross, kMaxDown, 1, mask);
        GameState& s = b.game.state();
        s.mine[last] = true;
        minecheck(s);
        s.minesplaced = true;
        state.ResumeTiming();
        Box_MouseUp(s, b.game.screen(), 1, kLeftButton);
    }
    if (!b.game.state().won) state.SkipWithError("the cascade did not open the field");
}
BENCHMARK(BM_cascadeonly)->Apply(everygametype);

void BM_losssweep(benchmark::State& state) {
    Bench b;
    for (auto _ : state) {
        state.PauseTiming();
        b.newfield(37, 27, 200, 3);
        GameState& s = b.game.state();
        for (int c = 1; c <= 200; ++c) s.mine[c * 4] = true;
        minecheck(s);
        s.minesplaced = true;
        state.ResumeTiming();
        Box_MouseUp(s, b.game.screen(), 4, kLeftButton);
    }
}
BENCHMARK(BM_losssweep);

void BM_imageload(benchmark::State& state) {
    Bench b;
    b.newfield(37, 27, 100, 3);
    for (auto _ : state) {
        b.tk.destroyForm1();
        b.tk.buildForm1();
        b.game.screen().imageload();
    }
}
BENCHMARK(BM_imageload);

}  // namespace

BENCHMARK_MAIN();
