#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include <filesystem>

#include "app/game.h"
#include "toolkit/qt/board.h"
#include "toolkit/qt/qttoolkit.h"

namespace {

// The largest field the Custom Field dialog admits, as a fresh game on the real widgets.
struct LargestField {
    LargestField() : folder(std::filesystem::temp_directory_path() / "tilewarden-qt-bench"), game(toolkit, folder) {
        tw::GameState& s = game.state();
        s.levelbeginner = s.levelintermediate = s.levelexpert = false;
        s.levelcustom = true;
        s.across = tw::kMaxAcross;
        s.down = tw::kMaxDown;
        s.totalmines = 99;
        game.start();
        settle();
    }
    ~LargestField() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    // Lets the torn-down window go and the new one reach the screen.
    static void settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
    void newGameByTheFace() {
        game.Smile_MouseDown(tw::kLeftButton);
        game.Smile_MouseUp(tw::kLeftButton);
    }

    tw::QtToolkit toolkit;
    std::filesystem::path folder;
    tw::Game game;
};

void NewGameThenGrab(benchmark::State& state) {
    LargestField field;
    for (auto _ : state) {
        field.newGameByTheFace();
        QPixmap shown = field.toolkit.form1()->board().grab();
        benchmark::DoNotOptimize(shown);
        LargestField::settle();
    }
    state.counters["cells"] = tw::kMaxAcross * tw::kMaxDown;
}
BENCHMARK(NewGameThenGrab)->Unit(benchmark::kMillisecond);

void NewGameThroughTheEventLoop(benchmark::State& state) {
    LargestField field;
    for (auto _ : state) {
        field.newGameByTheFace();
        LargestField::settle();
    }
}
BENCHMARK(NewGameThroughTheEventLoop)->Unit(benchmark::kMillisecond);

void RepaintTheWholeBoard(benchmark::State& state) {
    LargestField field;
    tw::Board& board = field.toolkit.form1()->board();
    for (auto _ : state) {
        QPixmap shown = board.grab();
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(RepaintTheWholeBoard)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
