// SPDX-License-Identifier: GPL-3.0-or-later

#include <unistd.h>

#include <array>
#include <fstream>
#include <random>

#include "tests/gui/gui_game.h"
#include "tests/random_play.h"

namespace tw::soak {
namespace {

constexpr long kWarmUpEvents = 1000;
// Growth allowed between the warm-up figure and the end: room for allocator slack, not a leak.
constexpr long kRssMarginBytes = 6L * 1024 * 1024;
// The sanitizer's quarantine keeps freed memory resident by design; there leaks are its job.
constexpr bool kSanitized = TW_SANITIZED;

long environmentNumber(const char* name, long fallback) {
    bool ok = false;
    const long value = qEnvironmentVariable(name).toLong(&ok);
    return ok ? value : fallback;
}

long residentBytes() {
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// The whole program on its real widgets, driven by a seeded stream of random input: the game
// fuzzer's events, and presses whose release cannot come, close requests while the window is
// held back, moves that win, the pointer and the mouse anywhere on the window.
struct Soak {
    explicit Soak(std::uint64_t seed) : g(seed), rng(seed) {
        hands.whileMessageBoxOpen([this] {
            if (pick(100) < 30) requestMainClose();
        });
    }

    void step() {
        const int roll = pick(100);
        if (roll < 8) {
            safeMove();
        } else if (roll < 11) {
            // A press whose release cannot reach it: the window is disabled or rebuilt first.
            const int button = randomButton();
            const int box = pick(hands.boxCount() + 1);
            hands.press(box, button);
            hands.choose(std::array{MenuItem::mnuNew, MenuItem::mnuCustom, MenuItem::mnuHowTo}[pick(3)]);
            hands.release(box, button);
        } else if (roll < 13) {
            requestMainClose();
        } else if (roll < 23) {
            // A press or a release on any pixel of the window, rim and menu bar included.
            const QPoint at(pick(g.window().width()), pick(g.window().height()));
            const Qt::MouseButton button = std::array{Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}[pick(3)];
            pick(2) ? QTest::mousePress(g.window().windowHandle(), button, {}, at)
                    : QTest::mouseRelease(g.window().windowHandle(), button, {}, at);
        } else if (roll < 26) {
            hands.pointAt(Elem::Box, pick(hands.boxCount()));
        } else if (roll < 29) {
            hands.keyRepeat(72);
        } else {
            play::playevent(hands, *this);
        }
        hands.settle();
    }

    // Builds the largest window and every dialog once, so that the warm-up figure holds what
    // the run needs at its peak.
    void tour() {
        for (const MenuItem level : {MenuItem::mnuHard, MenuItem::mnuIntermediate, MenuItem::mnuCustom}) {
            hands.choose(level);
            hands.settle();
        }
        for (const TextBox box : {TextBox::Acr, TextBox::Dwn, TextBox::TM}) hands.typeText(box, "999");
        hands.pressOK();
        hands.settle();
        closeDialogs(true);
    }

    // Opens (on the tour) or closes every dialog, then starts a Beginner game.
    void closeDialogs(bool open) {
        for (const WindowRow& row : kWindows) {
            if (!row.openedBy) continue;
            if (open) hands.choose(*row.openedBy);
            hands.closeForm(row.form);
        }
        hands.choose(MenuItem::mnuBeginner);
        hands.settle();
    }

    // Gives the main window back, starts a Beginner game and opens its first cell.
    bool stillPlays() {
        for (const int button : {kLeftButton, kRightButton, kMiddleButton}) hands.release(-1, button);
        hands.keyUp(72);
        closeDialogs(false);
        if (g.s().across != 8 || g.s().minesplaced) return false;
        hands.click(1);
        return g.s().opened[1];
    }

    // The random stream as bytes, for the game fuzzer's events.
    int next() { return pick(256); }
    int pick(int n) { return std::uniform_int_distribution<int>(0, std::max(n, 1) - 1)(rng); }
    int randomButton() { return std::array{kLeftButton, kRightButton, kMiddleButton}[pick(3)]; }

    // Opens a covered cell without a mine, so that games are won as well as lost.
    void safeMove() {
        const GameState& s = g.s();
        const int start = pick(s.cells());
        for (int k = 0; k < s.cells(); ++k) {
            const int cell = 1 + (start + k) % s.cells();
            if (!s.minesplaced || (!s.mine[cell] && !s.opened[cell])) return hands.click(cell);
        }
    }

    // The close control of the main window while a dialog or message box holds it back: the
    // program must go on.
    void requestMainClose() {
        if (g.window().isEnabled() && QApplication::activeModalWidget() == nullptr) return;
        hands.closeForm(Form::Form1);
        wrongCloses += !g.window().isVisible();
    }

    gui::GuiGame g;
    gui::QtHands& hands = g.hands;
    std::mt19937_64 rng;
    int wrongCloses = 0;
};

// Every 64 events the rules are checked against the state and the window.
TEST(Soak, TheWindowOutlastsAStreamOfRandomInput) {
    const auto seed = static_cast<std::uint64_t>(environmentNumber("TILEWARDEN_SOAK_SEED", 20261206));
    const long events = environmentNumber("TILEWARDEN_SOAK_EVENTS", 100000);
    SCOPED_TRACE("replay with TILEWARDEN_SOAK_SEED=" + std::to_string(seed));
    Soak soak(seed);
    soak.tour();
    long warmedUp = 0;
    for (long n = 1; n <= events; ++n) {
        soak.step();
        const char* broken = n % 64 == 0 ? play::brokenrule(soak.g.s(), soak.hands) : nullptr;
        ASSERT_FALSE(broken) << broken << " after event " << n;
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
