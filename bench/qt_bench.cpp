// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QPixmap>
#include <QTimer>
#include <QTimerEvent>

#include <cstdio>
#include <filesystem>
#include <initializer_list>

#include "app/game.h"
#include "core/rules.h"
#include "core/state.h"
#include "toolkit/qt/board.h"
#include "toolkit/qt/qttoolkit.h"

namespace {

using namespace tw;

// Counts the paint events that reach widgets, so a figure that should include a paint can
// prove that one happened.
class PaintCounter final : public QObject {
public:
    PaintCounter() { QCoreApplication::instance()->installEventFilter(this); }
    ~PaintCounter() override { QCoreApplication::instance()->removeEventFilter(this); }
    PaintCounter(const PaintCounter&) = delete;
    PaintCounter& operator=(const PaintCounter&) = delete;

    long paints() const { return paints_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) ++paints_;
        return false;
    }

private:
    long paints_ = 0;
};

struct Size {
    int across;
    int down;
    int mines;
};

constexpr Size kBeginner{8, 8, 10};
constexpr Size kExpert{30, 16, 99};
constexpr Size kLargest{kMaxAcross, kMaxDown, 99};

Size sizeOf(const benchmark::State& state) {
    return {static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), static_cast<int>(state.range(2))};
}

// The game on its real widgets, with a field of the given size and its window on screen.
struct Window {
    explicit Window(Size size) : folder(std::filesystem::temp_directory_path() / "tilewarden-qt-bench"), game(toolkit, folder) {
        GameState& s = game.state();
        s.fixedseed = 11;
        s.levelbeginner = s.levelintermediate = s.levelexpert = false;
        s.levelcustom = true;
        s.across = size.across;
        s.down = size.down;
        s.totalmines = size.mines;
        game.start();
        settle();
    }
    ~Window() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Deletes the torn-down window and lets the new one reach the screen: showing it posts an
    // expose, whose handling paints the whole window into its backing store and flushes it.
    static void settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
    void newGameByTheFace() {
        game.events().Smile_MouseDown(kLeftButton);
        game.events().Smile_MouseUp(kLeftButton);
    }
    // Lays the mines on exactly these cells and counts, as the first release would.
    void laymines(std::initializer_list<int> cells) {
        GameState& s = game.state();
        for (const int c : cells) s.mine[c] = true;
        minecheck(s);
        s.minesplaced = true;
    }
    Board& board() { return toolkit.form1()->board(); }

    QtToolkit toolkit;
    std::filesystem::path folder;
    Game game;
};

// Face press and release: the old window torn down, the new one built and shown, and the event
// loop run until the new window has been painted.
void NewGame(benchmark::State& state) {
    Window window(sizeOf(state));
    PaintCounter counter;
    long unpainted = 0;
    for (auto _ : state) {
        const long before = counter.paints();
        window.newGameByTheFace();
        Window::settle();
        if (counter.paints() == before) ++unpainted;
    }
    if (unpainted > 0) state.SkipWithError("a new window was not painted");
    state.counters["paints"] = benchmark::Counter(static_cast<double>(counter.paints()), benchmark::Counter::kAvgIterations);
}
BENCHMARK(NewGame)
    ->Args({kBeginner.across, kBeginner.down, kBeginner.mines})
    ->Args({kExpert.across, kExpert.down, kExpert.mines})
    ->Args({kLargest.across, kLargest.down, kLargest.mines})
    ->ArgNames({"across", "down", "mines"})
    ->Unit(benchmark::kMicrosecond);

// A release that cascades over the largest field, and the repaint of everything it opened: the
// cells ask for updates, and the event loop run afterwards paints the region they add up to. The
// three mines wall in the top-left cell, so the field is not won and no message box opens.
void CascadeAndRepaint(benchmark::State& state) {
    Window window(kLargest);
    GameState& s = window.game.state();
    s.totalmines = 3;
    PaintCounter counter;
    const int last = kMaxAcross * kMaxDown;
    long unpainted = 0;
    long unopened = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window.newGameByTheFace();
        Window::settle();
        window.laymines({2, kMaxAcross + 1, kMaxAcross + 2});
        const long before = counter.paints();
        state.ResumeTiming();
        window.game.events().Box_MouseDown(last, kLeftButton);
        window.game.events().Box_MouseUp(last, kLeftButton);
        QApplication::processEvents();
        state.PauseTiming();
        if (counter.paints() == before) ++unpainted;
        if (s.covered != 4) ++unopened;
        state.ResumeTiming();
    }
    if (unpainted > 0) state.SkipWithError("the cascade was not painted");
    if (unopened > 0) state.SkipWithError("the cascade did not open the field");
    state.counters["opened"] = last - 4;
}
BENCHMARK(CascadeAndRepaint)->Unit(benchmark::kMicrosecond);

// One tick of the seconds timer, delivered the way the timer delivers it, and its repaint.
void TimerTick(benchmark::State& state) {
    Window window(kLargest);
    GameState& s = window.game.state();
    s.totalmines = 3;
    window.newGameByTheFace();
    Window::settle();
    window.laymines({2, kMaxAcross + 1, kMaxAcross + 2});
    window.game.events().Box_MouseUp(1, kLeftButton);
    Window::settle();
    QTimer& second = window.toolkit.form1()->second();
    if (!second.isActive()) {
        state.SkipWithError("the timer did not start");
        return;
    }
    PaintCounter counter;
    long unpainted = 0;
    for (auto _ : state) {
        // Keeps the counter below its cap of 999, where a tick would change no digit.
        if (s.seconds >= 990) s.seconds = 1;
        const long before = counter.paints();
        QTimerEvent tick(second.timerId());
        QCoreApplication::sendEvent(&second, &tick);
        QApplication::processEvents();
        if (counter.paints() == before) ++unpainted;
    }
    if (unpainted > 0) state.SkipWithError("a tick was not painted");
}
BENCHMARK(TimerTick)->Unit(benchmark::kMicrosecond);

// The whole board of the largest field drawn into a pixmap, with no event loop involved.
void RepaintTheWholeBoard(benchmark::State& state) {
    Window window(kLargest);
    Board& board = window.board();
    for (auto _ : state) {
        QPixmap shown = board.grab();
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(RepaintTheWholeBoard)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The offscreen platform warns at every raise(); the figures are all this program prints.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
