// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit contract, held against both realisations: the same cases run on the headless
// toolkit and on the Qt windows, driven through each one's own way of taking input.
#include <gtest/gtest.h>

#include <QCursor>
#include <QMenu>
#include <QMenuBar>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/gui/gui_game.h"
#include "toolkit/headless.h"

namespace tw {
namespace {

// Where the player points: an element, or outside the window (index -1).
struct At {
    Elem elem;
    int index = 0;
};
const At kFrame{Elem::FrameL};
const At kFace{Elem::Smile};
const At kOutside{Elem::FrameL, -1};
At cell(int i) { return {Elem::Box, i}; }

// Everything that reached the game, one line per report; `on` runs inside the handler.
struct Log final : Events {
    std::vector<std::string> seen;
    std::function<void(const std::string&)> on;

    void note(const std::string& line) {
        seen.push_back(line);
        if (on) on(line);
    }
    std::vector<std::string> take() { return std::exchange(seen, {}); }

    void Box_MouseDown(int i, int b) override { note("down " + std::to_string(i) + " " + std::to_string(b)); }
    void Box_MouseUp(int i, int b) override { note("up " + std::to_string(i) + " " + std::to_string(b)); }
    void Smile_MouseDown(int b) override { note("face down " + std::to_string(b)); }
    void Smile_MouseUp(int b) override { note("face up " + std::to_string(b)); }
    // Only H: the modifiers of an accelerator reach the window as keys of their own.
    void Form_KeyDown(int k, int) override { k == 72 ? note("key down 72") : void(); }
    void Form_KeyUp(int k, int) override { k == 72 ? note("key up 72") : void(); }
    void Menu_Click(MenuItem item, int) override { note("menu " + std::to_string(static_cast<int>(item))); }
    void Second_Timer() override { note("tick"); }
    void OK_Click() override { note("ok"); }
    void Cancel_Click() override { note("cancel"); }
    void Command1_Click() override { note("help ok"); }
    void Form_Close(Form form) override { note("close " + std::to_string(static_cast<int>(form))); }
};

// A main window with eight cells in a row under the top panel.
void layout(Toolkit& tk) {
    tk.buildForm1();
    for (int i = 1; i <= 8; ++i) {
        tk.createBox(i);
        tk.move(Elem::Box, i, 16 * i - 4, 55);
        tk.show(Elem::Box, i);
        tk.bringToFront(Elem::Box, i);
    }
    tk.showForm(Form::Form1);
}

struct HeadlessDriver {
    HeadlessDriver() { tk.setEvents(&log); }

    void press(At at, int button) {
        if (at.elem == Elem::Box) tk.press(at.index, button);
        if (at.elem == Elem::Smile) tk.pressFace(button);
        if (at.elem == Elem::FrameL && at.index >= 0) tk.pressFrame(button);
    }
    void release(At, int button) { tk.release(0, button); }
    void holdKey(int code, int repeats) {
        for (int n = 0; n <= repeats; ++n) tk.keyDown(code);
    }
    void letGoKey(int code) { tk.keyUp(code); }
    void marksKey() { tk.choose(MenuItem::mnuMarks); }
    void closeRequest(Form form) { tk.closeForm(form); }
    void focusAway() { tk.loseFocus(); }
    void openMenu() { tk.popupMenu(); }
    void pointAt(At at) { tk.pointAt(at.elem, at.index); }
    Pointer shownPointer() { return tk.shownPointer(); }
    void whileMessageBoxOpen(std::function<void()> action) { tk.whileMessageBoxOpen(std::move(action)); }
    void tick() { tk.tick(); }
    bool ticksPrecisely() { return true; }
    void settle() {}

    Log log;
    HeadlessToolkit tk;
};

Qt::MouseButton qtButton(int button) {
    return button == kLeftButton ? Qt::LeftButton : button == kRightButton ? Qt::RightButton : Qt::MiddleButton;
}

// Input goes in where the window system puts it: at the window, not at a widget.
struct QtDriver {
    QtDriver() { tk.setEvents(&log); }

    QWindow* window() { return tk.form1()->windowHandle(); }
    Board& board() { return tk.form1()->board(); }
    QPoint where(At at) {
        if (at.index < 0) return {-40, -40};
        const QPoint inBoard = board().toWidget(board().find(at.elem, at.index)->rect.center()).toPoint();
        return board().mapTo(tk.form1(), inBoard);
    }

    void press(At at, int button) { QTest::mousePress(window(), qtButton(button), {}, where(at)); }
    void release(At at, int button) { QTest::mouseRelease(window(), qtButton(button), {}, where(at)); }
    void holdKey(int code, int repeats) {
        QTest::simulateEvent(window(), true, code, {}, QStringLiteral("h"), false);
        for (int n = 0; n < repeats; ++n) {
            QTest::simulateEvent(window(), false, code, {}, QStringLiteral("h"), true);
            QTest::simulateEvent(window(), true, code, {}, QStringLiteral("h"), true);
        }
    }
    void letGoKey(int code) { QTest::simulateEvent(window(), false, code, {}, QStringLiteral("h"), false); }
    void marksKey() { QTest::keyClick(window(), Qt::Key_M, Qt::ControlModifier); }
    // The way the desktop's close control reaches a window.
    void closeRequest(Form form) {
        (form == Form::Form1 ? static_cast<QWidget*>(tk.form1()) : tk.form3())->windowHandle()->close();
    }
    void focusAway() {
        other.show();
        other.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&other));
    }
    // Away from the cells, so that no release lands on one of its items.
    void openMenu() {
        QMenu* game = tk.form1()->menuBar().actions()[0]->menu();
        game->popup(tk.form1()->geometry().bottomRight() * 2);
    }
    void pointAt(At at) {
        QCursor::setPos(tk.form1()->mapToGlobal(where(at)));
        QApplication::processEvents();
    }
    Pointer shownPointer() {
        return board().cursor().shape() == Qt::CrossCursor ? Pointer::Cross : Pointer::Arrow;
    }
    void whileMessageBoxOpen(std::function<void()> action) {
        answerer.seen = [action = std::move(action)](QMessageBox&) { action(); };
    }
    void tick() { gui::deliverTick(tk.form1()->second()); }
    bool ticksPrecisely() {
        const QTimer& second = tk.form1()->second();
        return second.interval() == kSecondPeriodMs && second.timerType() == Qt::PreciseTimer;
    }
    // Closes an open menu, gives the focus back and lets torn-down windows go.
    void settle() {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        other.hide();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        if (tk.form1() != nullptr && tk.form1()->isVisible() && tk.form1()->isEnabled()) {
            tk.form1()->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(tk.form1()));
        }
    }

    Log log;
    QtToolkit tk;
    QWidget other;
    gui::MessageBoxAnswerer answerer;
};

template <typename Driver>
struct Contract : ::testing::Test {
    Contract() {
        layout(d.tk);
        d.settle();
    }
    void click(At at, int button = kLeftButton) {
        d.press(at, button);
        d.release(at, button);
    }
    void rebuild() {
        d.tk.destroyForm1();
        layout(d.tk);
        d.settle();
    }
    Driver d;
};

using Realisations = ::testing::Types<HeadlessDriver, QtDriver>;
TYPED_TEST_SUITE(Contract, Realisations);

using Seen = std::vector<std::string>;

TYPED_TEST(Contract, EachReleaseGoesToItsOwnButtonsPressWhereverItHappens) {
    auto& d = this->d;
    d.press(cell(3), kLeftButton);
    d.release(kOutside, kLeftButton);
    EXPECT_EQ((Seen{"down 3 1", "up 3 1"}), d.log.take()) << "a release outside the window";

    d.press(kFrame, kLeftButton);
    d.press(cell(5), kRightButton);
    d.release(cell(5), kLeftButton);
    d.release(cell(6), kRightButton);
    EXPECT_EQ((Seen{"down 5 2", "up 5 2"}), d.log.take()) << "a press on the frame takes its release";

    d.press(cell(2), kLeftButton);
    d.press(kFace, kMiddleButton);
    d.release(kFrame, kMiddleButton);
    d.release(kFace, kLeftButton);
    EXPECT_EQ((Seen{"down 2 1", "face down 4", "face up 4", "up 2 1"}), d.log.take());
}

TYPED_TEST(Contract, APressWhoseReleaseIsLostIsForgotten) {
    auto& d = this->d;
    const std::vector<std::pair<const char*, std::function<void()>>> losses = {
        {"disabled", [&] { d.tk.enableForm(Form::Form1, false); }},
        {"hidden", [&] { d.tk.hideForm(Form::Form1); }},
        {"rebuilt", [&] { this->rebuild(); }},
        {"focus lost", [&] { d.focusAway(); }},
        {"menu opened", [&] { d.openMenu(); }},
    };
    for (const auto& [how, lose] : losses) {
        SCOPED_TRACE(how);
        d.press(cell(4), kLeftButton);
        d.press(cell(6), kRightButton);
        lose();
        d.release(cell(4), kLeftButton);
        d.release(cell(6), kRightButton);
        d.tk.enableForm(Form::Form1, true);
        d.tk.showForm(Form::Form1);
        d.settle();
        this->click(kFace);
        this->click(cell(7), kRightButton);
        d.release(kFace, kMiddleButton);
        EXPECT_EQ((Seen{"down 4 1", "down 6 2", "face down 1", "face up 1", "down 7 2", "up 7 2"}),
                  d.log.take());
    }
}

TYPED_TEST(Contract, AMessageBoxTakesAllInputUntilClosedAndTheHeldButtonsWithIt) {
    auto& d = this->d;
    d.tk.setTimerEnabled(true);
    d.whileMessageBoxOpen([&] {
        this->click(cell(1));
        d.release(cell(8), kRightButton);
        d.holdKey(72, 0);
        d.closeRequest(Form::Form1);
        d.tick();
    });
    d.log.on = [&](const std::string& line) {
        if (line == "up 8 1") d.tk.messageBox("You won", "Congratulations!", false);
    };
    d.press(cell(8), kLeftButton);
    d.press(cell(8), kRightButton);
    d.release(cell(8), kLeftButton);
    d.log.on = nullptr;
    this->click(kFace);
    EXPECT_EQ((Seen{"down 8 1", "down 8 2", "up 8 1", "tick", "face down 1", "face up 1"}), d.log.take());
}

TYPED_TEST(Contract, ACloseRequestReachesTheGameOnlyFromAWindowThatTakesInput) {
    auto& d = this->d;
    d.tk.showForm(Form::Form3);
    d.tk.enableForm(Form::Form1, false);
    d.closeRequest(Form::Form1);
    this->click(cell(2));
    d.holdKey(72, 0);
    d.marksKey();
    d.closeRequest(Form::Form3);
    EXPECT_EQ((Seen{"close 2"}), d.log.take()) << "a disabled window takes nothing";

    d.tk.hideForm(Form::Form3);
    d.tk.enableForm(Form::Form1, true);
    d.settle();
    d.closeRequest(Form::Form1);
    d.marksKey();
    EXPECT_EQ((Seen{"close 0", "menu 5"}), d.log.take());
    EXPECT_TRUE(d.tk.formExists(Form::Form1)) << "closing is the game's decision";
}

TYPED_TEST(Contract, AHeldKeyRepeatsItsKeyDownAndReleasesOnce) {
    auto& d = this->d;
    d.holdKey(72, 3);
    d.letGoKey(72);
    EXPECT_EQ((Seen{"key down 72", "key down 72", "key down 72", "key down 72", "key up 72"}), d.log.take());
}

TYPED_TEST(Contract, ThePointerFollowsItsElementAtOnceWhenTheWindowTakesInputAgain) {
    auto& d = this->d;
    d.pointAt(cell(5));
    d.tk.setPointer(Elem::Box, 5, Pointer::Cross);
    EXPECT_EQ(Pointer::Cross, d.shownPointer());
    d.tk.setPointer(Elem::Box, 5, Pointer::Arrow);
    EXPECT_EQ(Pointer::Arrow, d.shownPointer());

    d.tk.showForm(Form::Form3);
    d.tk.enableForm(Form::Form1, false);
    d.pointAt(kOutside);
    d.pointAt(cell(6));
    d.tk.hideForm(Form::Form3);
    d.tk.enableForm(Form::Form1, true);
    d.tk.showForm(Form::Form1);
    d.tk.setPointer(Elem::Box, 6, Pointer::Cross);
    EXPECT_EQ(Pointer::Cross, d.shownPointer()) << "the pointer rested on the cell meanwhile";
}

TYPED_TEST(Contract, TheTimerTicksOnlyWhileEnabledAndStopsWithItsWindow) {
    auto& d = this->d;
    EXPECT_TRUE(d.ticksPrecisely());
    d.tick();
    d.tk.setTimerEnabled(true);
    d.tick();
    d.tk.setTimerEnabled(false);
    d.tick();
    d.tk.setTimerEnabled(true);
    this->rebuild();
    EXPECT_FALSE(d.tk.timerEnabled());
    d.tick();
    EXPECT_EQ((Seen{"tick"}), d.log.take());
}

}  // namespace
}  // namespace tw
