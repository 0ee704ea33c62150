// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <random>

#include "tests/gui/gui_game.h"

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

// The whole program on its real widgets, driven by a seeded stream of random input.
class Soak {
public:
    explicit Soak(std::uint64_t seed) : g_(seed), rng_(seed) {}

    void step() {
        MainWindow* before = g_.tk.form1();
        if (dialogShown() && chance(70)) {
            dialogEvent();
        } else if (helpShown() && chance(70)) {
            helpEvent();
        } else {
            windowEvent();
        }
        if (g_.tk.form1() != before) {
            ++tally.rebuilds;
            settle();
        } else if (!dialogShown() && !helpShown()) {
            activate();
        } else {
            QApplication::processEvents();
        }
    }

    // Builds the largest window and every dialog once, so that the warm-up figure holds what
    // the run needs at its peak.
    void tour() {
        for (const MenuItem level :
             {MenuItem::mnuHard, MenuItem::mnuIntermediate, MenuItem::mnuCustom}) {
            window().action(level, 0)->trigger();
            settle();
        }
        for (const TextBox box : {TextBox::Acr, TextBox::Dwn, TextBox::TM}) {
            g_.tk.form2()->box(box).setText(QStringLiteral("999"));
        }
        QTest::mouseClick(&g_.tk.form2()->okButton(), Qt::LeftButton);
        settle();
        window().action(MenuItem::mnuHowTo, 0)->trigger();
        QTest::mouseClick(&g_.tk.form3()->okButton(), Qt::LeftButton);
        window().action(MenuItem::mnuBeginner, 0)->trigger();
        settle();
    }

    // Gives the main window back, starts a Beginner game and opens its first cell.
    bool stillPlays() {
        if (dialogShown()) QTest::mouseClick(&g_.tk.form2()->cancelButton(), Qt::LeftButton);
        if (helpShown()) QTest::mouseClick(&g_.tk.form3()->okButton(), Qt::LeftButton);
        while (held_ != Qt::NoButton) release(heldButton(), QPoint(0, 0));
        QTest::keyRelease(&window(), Qt::Key_H);
        settle();
        QTest::keyClick(&window(), Qt::Key_B, Qt::ControlModifier);
        settle();
        if (g_.game.state().across != 8 || g_.game.state().minesplaced) return false;
        clickCell(1);
        QApplication::processEvents();
        return g_.game.state().opened[1];
    }

    struct {
        int rebuilds = 0, messageBoxes = 0, wins = 0, lostReleases = 0, closeRequests = 0, wrongCloses = 0;
    } tally;

private:
    MainWindow& window() { return g_.window(); }
    Board& board() { return g_.board(); }
    bool dialogShown() const { return g_.tk.form2() != nullptr && g_.tk.form2()->isVisible(); }
    bool helpShown() const { return g_.tk.form3() != nullptr && g_.tk.form3()->isVisible(); }

    bool chance(int percent) { return pick(100) < percent; }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    // Lets torn-down windows go, as the event loop would, and activates the new one.
    void settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        held_ = Qt::NoButton;
        activate();
    }

    // The accelerators only reach the active window.
    void activate() {
        if (window().isVisible() && !window().isActiveWindow()) window().activateWindow();
        QApplication::processEvents();
    }

    Qt::MouseButton randomButton() {
        const int roll = pick(10);
        return roll < 6 ? Qt::LeftButton : roll < 9 ? Qt::RightButton : Qt::MiddleButton;
    }
    // Anywhere on the board, its rim and the face included.
    QPoint randomPoint() { return {pick(board().size().width()), pick(board().size().height())}; }

    void mouse(QEvent::Type type, Qt::MouseButton button, QPoint at) {
        QMouseEvent event(type, at, board().mapToGlobal(at), button, held_, Qt::NoModifier);
        QCoreApplication::sendEvent(&board(), &event);
    }
    void press(Qt::MouseButton button, QPoint at) {
        held_ |= button;
        mouse(QEvent::MouseButtonPress, button, at);
    }
    void release(Qt::MouseButton button, QPoint at) {
        held_ &= ~Qt::MouseButtons(button);
        mouse(QEvent::MouseButtonRelease, button, at);
    }
    // A whole click the way the window system delivers it.
    void clickCell(int cell) {
        const QPointF at = board().toWidget(board().find(Elem::Box, cell)->rect.center());
        QTest::mouseClick(&board(), Qt::LeftButton, {}, at.toPoint());
    }

    // Opens a covered cell without a mine, so that games are won as well as lost.
    void safeMove() {
        const GameState& s = g_.game.state();
        if (!s.minesplaced || !s.playing || s.won || s.cells() < 1) {
            clickCell(1 + pick(std::max(s.cells(), 1)));
            return;
        }
        const int start = 1 + pick(s.cells());
        for (int k = 0; k < s.cells(); ++k) {
            const int cell = 1 + (start - 1 + k) % s.cells();
            if (!s.mine[cell] && !s.opened[cell]) {
                clickCell(cell);
                if (s.won) ++tally.wins;
                return;
            }
        }
    }

    void key(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, bool autoRepeat) {
        QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
        QCoreApplication::sendEvent(&window(), &event);
    }

    void windowEvent() {
        // F2, then the Ctrl accelerators.
        static constexpr std::array kAccelerators{Qt::Key_F2, Qt::Key_B, Qt::Key_I, Qt::Key_E, Qt::Key_C, Qt::Key_M};
        using enum MenuItem;
        static constexpr std::array kMenuItems{
            std::pair{mnuNew, 0}, std::pair{mnuBeginner, 0}, std::pair{mnuIntermediate, 0}, std::pair{mnuHard, 0},
            std::pair{mnuCustom, 0}, std::pair{mnuMarks, 0}, std::pair{mnuGT, 1}, std::pair{mnuGT, 3},
            std::pair{mnuGT, 9}, std::pair{mnuGT, 27}, std::pair{mnuGT, 31}, std::pair{mnuHowTo, 0}};
        const int roll = pick(100);
        if (roll < 30) {
            press(randomButton(), randomPoint());
        } else if (roll < 58) {
            const Qt::MouseButton button =
                held_ != Qt::NoButton && chance(80) ? heldButton() : randomButton();
            release(button, randomPoint());
        } else if (roll < 62) {
            mouse(QEvent::MouseMove, Qt::NoButton, randomPoint());
        } else if (roll < 72) {
            safeMove();
        } else if (roll < 78) {
            key(QEvent::KeyPress, Qt::Key_H, Qt::NoModifier, chance(50));
        } else if (roll < 82) {
            // A held key's repeats come as release and press pairs; only the last release is real.
            const bool repeat = chance(50);
            key(QEvent::KeyRelease, Qt::Key_H, Qt::NoModifier, repeat);
            if (repeat) key(QEvent::KeyPress, Qt::Key_H, Qt::NoModifier, true);
        } else if (roll < 84) {
            key(QEvent::KeyPress, Qt::Key_A + pick(26), Qt::NoModifier, false);
        } else if (roll < 88) {
            const int k = pick(kAccelerators.size());
            QTest::keyClick(&window(), kAccelerators[k], k == 0 ? Qt::NoModifier : Qt::ControlModifier);
        } else if (roll < 91) {
            const auto& [item, index] = kMenuItems[pick(kMenuItems.size())];
            if (QAction* action = window().action(item, index)) action->trigger();
        } else if (roll < 94) {
            // A press whose release cannot reach it: the window is disabled or rebuilt first.
            static constexpr std::array kBetween{MenuItem::mnuNew, MenuItem::mnuCustom, MenuItem::mnuHowTo};
            const Qt::MouseButton button = randomButton();
            press(button, randomPoint());
            window().action(kBetween[pick(kBetween.size())], 0)->trigger();
            release(button, randomPoint());
            ++tally.lostReleases;
        } else {
            gui::deliverTick(window().second());
        }
    }

    // The lowest of the held buttons: left, then right, then middle.
    Qt::MouseButton heldButton() { return static_cast<Qt::MouseButton>(held_.toInt() & -held_.toInt()); }

    QString randomText() {
        static const QString kChars = QStringLiteral("0123456789012345 -+.eE&HhOoxz\t");
        switch (pick(4)) {
            case 0: return QString::number(pick(45) - 2);
            case 1: return QString::number(pick(1200));
            case 2: return QString();
            default: {
                QString text;
                for (int n = pick(12); n > 0; --n) text += kChars[pick(kChars.size())];
                return text;
            }
        }
    }

    void dialogEvent() {
        CustomDialog& dialog = *g_.tk.form2();
        const int roll = pick(10);
        if (roll < 6) {
            QLineEdit& box = dialog.box(static_cast<TextBox>(pick(3)));
            box.selectAll();
            QTest::keyClicks(&box, randomText());
        } else if (roll < 8) {
            QTest::mouseClick(&dialog.okButton(), Qt::LeftButton);
        } else if (roll < 9) {
            QTest::mouseClick(&dialog.cancelButton(), Qt::LeftButton);
        } else if (chance(50)) {
            dialog.close();
        } else {
            requestMainClose();
        }
    }

    void helpEvent() {
        HelpWindow& help = *g_.tk.form3();
        const int roll = pick(10);
        if (roll < 6) {
            QTest::mouseClick(&help.okButton(), Qt::LeftButton);
        } else if (roll < 8) {
            help.close();
        } else {
            requestMainClose();
        }
    }

    // The close control of the main window while a dialog or message box holds it back: the
    // program must go on.
    void requestMainClose() {
        // Menu items triggered here reach a disabled window too, so a dialog may be open over an
        // enabled one.
        if (window().isEnabled() && QApplication::activeModalWidget() == nullptr) return;
        window().windowHandle()->close();
        ++tally.closeRequests;
        if (!window().isVisible()) ++tally.wrongCloses;
    }

    gui::GuiGame g_;
    std::mt19937_64 rng_;
    // A message box is answered as soon as it opens.
    gui::MessageBoxAnswerer answerer_{[this](QMessageBox&) {
        ++tally.messageBoxes;
        if (chance(30)) requestMainClose();
    }};
    Qt::MouseButtons held_ = Qt::NoButton;
};

TEST(Soak, TheWindowOutlastsAStreamOfRandomInput) {
    const auto seed =
        static_cast<std::uint64_t>(environmentNumber("TILEWARDEN_SOAK_SEED", kDefaultSeed));
    const long events = environmentNumber("TILEWARDEN_SOAK_EVENTS", kDefaultEvents);
    std::printf("soak: seed %llu, %ld events (replay with TILEWARDEN_SOAK_SEED=%llu)\n",
                static_cast<unsigned long long>(seed), events,
                static_cast<unsigned long long>(seed));
    SCOPED_TRACE("seed " + std::to_string(seed));

    Soak soak(seed);
    soak.tour();
    long warmedUp = 0;
    for (long n = 1; n <= events; ++n) {
        soak.step();
        if (n == kWarmUpEvents) warmedUp = residentBytes();
        if (events >= 10 && n % (events / 10) == 0) {
            std::printf("soak: %ld events, resident %.1f MiB\n", n, residentBytes() / 1048576.0);
        }
    }
    const long finished = residentBytes();
    ASSERT_TRUE(soak.stillPlays()) << "the window no longer answers a click";

    std::printf("soak: %d window builds, %d wins, %d message boxes answered, %d lost releases, "
                "%d close requests held back\n",
                soak.tally.rebuilds, soak.tally.wins, soak.tally.messageBoxes, soak.tally.lostReleases, soak.tally.closeRequests);
    EXPECT_EQ(0, soak.tally.wrongCloses) << "a close request ended the program while it was held back";
    std::printf("soak: resident %.1f MiB after %ld events, %.1f MiB at the end\n",
                warmedUp / 1048576.0, kWarmUpEvents, finished / 1048576.0);
    if (!kSanitized && events > kWarmUpEvents) {
        EXPECT_LE(finished, warmedUp + kRssMarginBytes) << "resident memory grew during the run";
    }
}

}  // namespace
}  // namespace tw::soak
