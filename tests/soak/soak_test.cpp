// SPDX-License-Identifier: GPL-3.0-or-later

#include <unistd.h>

#include <array>
#include <fstream>
#include <random>

#include "tests/gui/gui_game.h"
#include "tests/random_play.h"

namespace tw::soak {
namespace {

constexpr std::uint64_t kDefaultSeed = 20261206;
constexpr long kDefaultEvents = 100000;
constexpr long kWarmUpEvents = 1000;
// Growth allowed between the warm-up figure and the end: room for allocator slack, not a leak.
constexpr long kRssMarginBytes = 6L * 1024 * 1024;

long environmentNumber(const char* name, long fallback) {
    bool ok = false;
    const long value = qEnvironmentVariable(name).toLong(&ok);
    return ok ? value : fallback;
}

long residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// The sanitizer's quarantine keeps freed memory resident by design; there leaks are its job.
constexpr bool kSanitized = TW_SANITIZED;

// The whole program on its real widgets, driven by a seeded stream of random input: the game
// fuzzer's events, and presses whose release cannot come, close requests while the window is
// held back, moves that win, the pointer and the mouse anywhere on the window.
class Soak {
public:
    explicit Soak(std::uint64_t seed) : g_(seed), rng_(seed) {
        hands_.whileMessageBoxOpen([this] {
            if (chance(30)) requestMainClose();
        });
    }

    // Every `kCheckEvery` events the rules are checked against the state and the window.
    static constexpr int kCheckEvery = 64;

    void step(long n) {
        const int roll = pick(100);
        if (roll < 8) {
            safeMove();
        } else if (roll < 11) {
            loseARelease();
        } else if (roll < 13) {
            requestMainClose();
        } else if (roll < 23) {
            mouseAnywhere();
        } else if (roll < 26) {
            hands_.pointAt(Elem::Box, pick(hands_.boxCount()));
        } else if (roll < 29) {
            hands_.keyRepeat(72);
        } else {
            play::playevent(hands_, *this);
        }
        hands_.settle();
        if (n % kCheckEvery == 0) {
            const char* broken = play::brokenrule(g_.game.state(), hands_);
            ASSERT_FALSE(broken) << broken << " after event " << n;
        }
    }

    // Builds the largest window and every dialog once, so that the warm-up figure holds what
    // the run needs at its peak.
    void tour() {
        for (const MenuItem level : {MenuItem::mnuHard, MenuItem::mnuIntermediate, MenuItem::mnuCustom}) {
            hands_.choose(level);
            hands_.settle();
        }
        for (const TextBox box : {TextBox::Acr, TextBox::Dwn, TextBox::TM}) hands_.typeText(box, "999");
        hands_.pressOK();
        hands_.settle();
        for (const WindowRow& row : kWindows) {
            if (!row.openedBy) continue;
            hands_.choose(*row.openedBy);
            hands_.closeForm(row.form);
        }
        hands_.choose(MenuItem::mnuBeginner);
        hands_.settle();
    }

    // Gives the main window back, starts a Beginner game and opens its first cell.
    bool stillPlays() {
        for (const WindowRow& row : kWindows) {
            if (row.openedBy) hands_.closeForm(row.form);
        }
        for (const int button : {kLeftButton, kRightButton, kMiddleButton}) hands_.release(-1, button);
        hands_.keyUp(72);
        hands_.settle();
        hands_.choose(MenuItem::mnuBeginner);
        hands_.settle();
        if (g_.game.state().across != 8 || g_.game.state().minesplaced) return false;
        hands_.click(1);
        return g_.game.state().opened[1];
    }

    // The random stream as bytes, for the game fuzzer's events.
    int next() { return pick(256); }

    int wrongCloses = 0;

private:
    bool chance(int percent) { return pick(100) < percent; }
    int pick(int n) { return std::uniform_int_distribution<int>(0, std::max(n, 1) - 1)(rng_); }
    int randomButton() { return std::array{kLeftButton, kRightButton, kMiddleButton}[pick(3)]; }

    // Opens a covered cell without a mine, so that games are won as well as lost.
    void safeMove() {
        const GameState& s = g_.game.state();
        const int start = 1 + pick(s.cells());
        for (int k = 0; k < s.cells(); ++k) {
            const int cell = 1 + (start - 1 + k) % s.cells();
            if (!s.minesplaced || (!s.mine[cell] && !s.opened[cell])) {
                hands_.click(cell);
                return;
            }
        }
    }

    // A press whose release cannot reach it: the window is disabled or rebuilt first.
    void loseARelease() {
        static constexpr std::array kBetween{MenuItem::mnuNew, MenuItem::mnuCustom, MenuItem::mnuHowTo};
        const int button = randomButton();
        const int box = pick(hands_.boxCount() + 1);
        hands_.press(box, button);
        hands_.choose(kBetween[pick(kBetween.size())]);
        hands_.release(box, button);
    }

    // A press or a release on any pixel of the window, rim and menu bar included.
    void mouseAnywhere() {
        MainWindow& window = g_.window();
        const QPoint at(pick(window.width()), pick(window.height()));
        const Qt::MouseButton button = std::array{Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}[pick(3)];
        chance(50) ? QTest::mousePress(window.windowHandle(), button, {}, at)
                   : QTest::mouseRelease(window.windowHandle(), button, {}, at);
    }

    // The close control of the main window while a dialog or message box holds it back: the
    // program must go on.
    void requestMainClose() {
        if (g_.window().isEnabled() && QApplication::activeModalWidget() == nullptr) return;
        hands_.closeForm(Form::Form1);
        if (!g_.window().isVisible()) ++wrongCloses;
    }

    gui::GuiGame g_;
    gui::QtHands& hands_ = g_.hands;
    std::mt19937_64 rng_;
};

TEST(Soak, TheWindowOutlastsAStreamOfRandomInput) {
    const auto seed = static_cast<std::uint64_t>(environmentNumber("TILEWARDEN_SOAK_SEED", kDefaultSeed));
    const long events = environmentNumber("TILEWARDEN_SOAK_EVENTS", kDefaultEvents);
    SCOPED_TRACE("replay with TILEWARDEN_SOAK_SEED=" + std::to_string(seed));

    Soak soak(seed);
    soak.tour();
    long warmedUp = 0;
    for (long n = 1; n <= events; ++n) {
        soak.step(n);
        if (::testing::Test::HasFatalFailure()) return;
        if (n == kWarmUpEvents) warmedUp = residentBytes();
    }
    const long finished = residentBytes();
    ASSERT_TRUE(soak.stillPlays()) << "the window no longer answers a click";

    EXPECT_EQ(0, soak.wrongCloses) << "a close request ended the program while it was held back";
    if (!kSanitized && events > kWarmUpEvents) {
        EXPECT_LE(finished, warmedUp + kRssMarginBytes)
            << "resident memory grew from " << warmedUp << " bytes after " << kWarmUpEvents << " events";
    }
}

}  // namespace
}  // namespace tw::soak
