// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit contract, held against both realisations: the same cases run on the headless
// toolkit and on the Qt windows, driven through each one's own way of taking input.
#include <QScreen>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "tests/gui/qt_hands.h"
#include "toolkit/design.h"
#include "toolkit/headless.h"

namespace tw {

void PrintTo(const FrameRect& f, std::ostream* out) { *out << f.width << " x " << f.height << " at " << f.left << ", " << f.top; }

namespace {

// Each realisation with the hands that give it input: the headless toolkit takes input itself.
template <typename Toolkit, typename Hands>
struct Driver {
    Driver() { tk.setEvents(&log); }
    gui::EventLog log;
    Toolkit tk;
    Hands hands{tk};
};
using HeadlessDriver = Driver<HeadlessToolkit, HeadlessToolkit&>;
using QtDriver = Driver<QtToolkit, gui::QtHands>;

// A main window with eight cells in a row under the top panel, built afresh.
template <typename D>
void rebuild(D& d) {
    if (d.tk.formExists(Form::Form1)) d.tk.destroyForm1();
    d.tk.buildForm1();
    for (int i = 1; i <= 8; ++i) {
        d.tk.createBox(i);
        d.tk.move(Elem::Box, i, 16 * i - 4, 55);
        d.tk.show(Elem::Box, i);
        d.tk.bringToFront(Elem::Box, i);
    }
    d.tk.showForm(Form::Form1);
    d.hands.settle();
}

// The main window as the desktop shows it, without giving it anything first.
HeadlessToolkit::Window shown(HeadlessDriver& d) { return d.tk.window(Form::Form1); }
HeadlessToolkit::Window shown(QtDriver& d) {
    MainWindow& w = *d.tk.form1();
    const bool active = QTest::qWaitForWindowActive(&w, 1000);
    const QRect frame = w.frameGeometry();
    return {d.tk.formExists(Form::Form1), w.isVisible(), w.isEnabled(), w.isMinimized(), active, false,
            {frame.left(), frame.top(), frame.width(), frame.height()}};
}

// The right edge of the screen's area for windows.
int screenRight(HeadlessDriver&) { return HeadlessToolkit::kScreen.left + HeadlessToolkit::kScreen.width; }
int screenRight(QtDriver& d) { return d.tk.form1()->screen()->availableGeometry().right() + 1; }

// The middle of a window's frame on the screen.
std::pair<int, int> centre(const FrameRect& frame) { return {frame.left + frame.width / 2, frame.top + frame.height / 2}; }
std::pair<int, int> dialogCentre(HeadlessDriver& d) { return centre(d.tk.window(Form::Form2).frame); }
std::pair<int, int> dialogCentre(QtDriver& d) {
    const QPoint middle = d.tk.form2()->frameGeometry().center();
    return {middle.x(), middle.y()};
}

const std::vector<int>& shownNeighbourhood(HeadlessDriver& d) { return d.tk.shownNeighbourhood(); }
const std::vector<int>& shownNeighbourhood(QtDriver& d) { return d.tk.form1()->board().shownNeighbourhood(); }

template <typename D>
struct Contract : ::testing::Test {
    Contract() { rebuild(d); }
    D d;
};
using Realisations = ::testing::Types<HeadlessDriver, QtDriver>;
TYPED_TEST_SUITE(Contract, Realisations);

// A case of the contract, written once for both realisations over the driver `d` and its hands `h`.
#define CONTRACT_CASE(name)                                                   \
    template <typename D, typename H> void name(D& d, H& h);                  \
    TYPED_TEST(Contract, name) { name(this->d, this->d.hands); }               \
    template <typename D, typename H> void name(D& d, H& h)

using Seen = std::vector<std::string>;

CONTRACT_CASE(EachReleaseGoesToItsOwnButtonsPressWhereverItHappens) {
    h.press(3, kLeftButton);
    h.release(-1, kLeftButton);
    EXPECT_EQ((Seen{"down 3 1", "up 3 1"}), d.log.take()) << "a release outside the window";

    h.pressFrame(kLeftButton);
    h.press(5, kRightButton);
    h.release(5, kLeftButton);
    h.release(6, kRightButton);
    EXPECT_EQ((Seen{"down 5 2", "up 5 2"}), d.log.take()) << "a press on the frame takes its release";

    h.press(2, kLeftButton);
    h.pressFace(kMiddleButton);
    h.release(0, kMiddleButton);
    h.releaseFace(kLeftButton);
    EXPECT_EQ((Seen{"down 2 1", "face down 4", "face up 4", "up 2 1"}), d.log.take());

    h.press(4, kLeftButton);
    h.loseFocus();
    h.release(-1, kLeftButton);
    EXPECT_EQ((Seen{"down 4 1", "up 4 1"}), d.log.take()) << "the window system still sends a release after a focus loss";
}

CONTRACT_CASE(APressWhoseReleaseIsLostIsForgotten) {
    const std::vector<std::pair<const char*, std::function<void()>>> losses = {
        {"disabled", [&] { d.tk.enableForm(Form::Form1, false); }},
        {"hidden", [&] { d.tk.hideForm(Form::Form1); }},
        {"rebuilt", [&] { rebuild(d); }},
        {"menu opened", [&] { h.popupMenu(); }},
    };
    for (const auto& [how, lose] : losses) {
        SCOPED_TRACE(how);
        h.press(4, kLeftButton);
        h.press(6, kRightButton);
        lose();
        h.release(4, kLeftButton);
        d.tk.enableForm(Form::Form1, true);
        d.tk.showForm(Form::Form1);
        h.settle();
        // The right button is still held when the window takes input again.
        h.release(6, kRightButton);
        h.clickFace();
        h.click(7, kRightButton);
        h.releaseFace(kMiddleButton);
        EXPECT_EQ((Seen{"down 4 1", "down 6 2", "face down 1", "face up 1", "down 7 2", "up 7 2"}),
                  d.log.take());
    }
}

CONTRACT_CASE(AMessageBoxTakesAllInputUntilClosedAndTheHeldButtonsWithIt) {
    d.tk.setTimerEnabled(true);
    h.whileMessageBoxOpen([&] {
        h.click(1);
        h.release(8, kRightButton);
        h.keyDown(72);
        h.closeForm(Form::Form1);
        h.tick();
    });
    d.log.on = [&](const std::string& line) {
        if (line == "up 8 1") d.tk.messageBox("You won", "Congratulations!", false);
    };
    h.press(8, kLeftButton);
    h.press(8, kRightButton);
    h.release(8, kLeftButton);
    d.log.on = nullptr;
    h.clickFace();
    EXPECT_EQ((Seen{"down 8 1", "down 8 2", "up 8 1", "tick", "face down 1", "face up 1"}), d.log.take());
}

CONTRACT_CASE(ACloseRequestReachesTheGameOnlyFromAWindowThatTakesInput) {
    d.tk.showForm(Form::Form3);
    d.tk.enableForm(Form::Form1, false);
    h.closeForm(Form::Form1);
    h.click(2);
    h.keyDown(72);
    h.choose(MenuItem::mnuMarks);
    h.closeForm(Form::Form3);
    EXPECT_EQ((Seen{"close 2"}), d.log.take()) << "a disabled window takes nothing";

    d.tk.hideForm(Form::Form3);
    d.tk.enableForm(Form::Form1, true);
    h.settle();
    h.closeForm(Form::Form1);
    h.choose(MenuItem::mnuMarks);
    EXPECT_EQ((Seen{"close 0", "menu 5"}), d.log.take());
    EXPECT_TRUE(d.tk.formExists(Form::Form1)) << "closing is the game's decision";
}

CONTRACT_CASE(TheMainWindowStaysWhereThePlayerPutItAndComesBackWhenADialogCloses) {
    const FrameRect centred = shown(d).frame;
    d.tk.setClientSize(kDesignClientWidth, 4000);
    d.tk.setClientSize(kDesignClientWidth, kDesignClientHeight);
    EXPECT_EQ(centred, shown(d).frame) << "a window never moved is centred again after a size taller than the screen";

    const int wide = kDesignClientWidth + 32;
    const int high = kDesignClientHeight + 16;
    d.tk.setClientSize(wide, high);
    h.moveWindow(4000, 80);
    rebuild(d);
    d.tk.setClientSize(wide, high);
    EXPECT_EQ(4000, shown(d).frame.left) << "a new game at the same size leaves the window past the screen's edge";
    EXPECT_EQ(80, shown(d).frame.top);
    d.tk.setClientSize(kDesignClientWidth, high);
    EXPECT_LE(shown(d).frame.left + shown(d).frame.width, screenRight(d)) << "a new size brings it back inside";
    h.moveWindow(100, 80);
    const FrameRect before = shown(d).frame;
    d.tk.setClientSize(kDesignClientWidth, kDesignClientHeight);
    EXPECT_EQ(centre(before), centre(shown(d).frame)) << "a new size keeps the centre where the player left it";

    for (const WindowRow& row : kWindows) {
        if (!row.openedBy) continue;
        const Form dialog = row.form;
        d.tk.showForm(dialog);
        d.tk.enableForm(Form::Form1, false);
        h.minimise();
        d.tk.hideForm(dialog);
        d.tk.enableForm(Form::Form1, true);
        const auto main = shown(d);
        EXPECT_TRUE(main.visible && !main.minimised && main.active) << "closing the dialog gives the window back";
        h.keyDown(72);
        h.keyUp(72);
        EXPECT_EQ((Seen{"key down 72", "key up 72"}), d.log.take()) << "with the keys";
    }
}

CONTRACT_CASE(TheCustomFieldDialogIsCentredOverTheGameUntilThePlayerMovesIt) {
    h.moveWindow(100, 80);
    const auto [gameX, gameY] = centre(shown(d).frame);
    d.tk.showForm(Form::Form2);
    h.settle();
    const auto [x, y] = dialogCentre(d);
    EXPECT_TRUE(std::abs(x - gameX) <= 1 && std::abs(y - gameY) <= 1) << "centred over the game";
    h.moveWindow(300, 200, Form::Form2);
    const auto left = dialogCentre(d);
    d.tk.hideForm(Form::Form2);
    h.moveWindow(200, 100);
    d.tk.showForm(Form::Form2);
    h.settle();
    EXPECT_EQ(left, dialogCentre(d)) << "a dialog the player moved comes back where they left it";
}

CONTRACT_CASE(AHeldKeyRepeatsItsKeyDownAndIsLetGoOnceWhereverItIsLetGo) {
    h.keyDown(72);
    for (int n = 0; n < 3; ++n) h.keyRepeat(72);
    h.keyUp(72);
    EXPECT_EQ((Seen{"key down 72", "key down 72", "key down 72", "key down 72", "key up 72"}), d.log.take());

    h.keyDown(72);
    h.loseFocus();
    h.settle();
    h.keyDown(72);
    h.popupMenu();
    h.settle();
    EXPECT_EQ((Seen{"key down 72", "key up 72", "key down 72", "key up 72"}), d.log.take())
        << "another window or a menu takes the keyboard";
    h.keyDown(72);
    d.tk.enableForm(Form::Form1, false);
    d.tk.showForm(Form::Form2);
    h.settle();
    EXPECT_EQ((Seen{"key down 72"}), d.log.take()) << "a window that takes no input hears nothing";
    d.tk.hideForm(Form::Form2);
    d.tk.enableForm(Form::Form1, true);
    h.settle();
    EXPECT_EQ((Seen{"key up 72"}), d.log.take()) << "until it takes input again";
}

CONTRACT_CASE(TheFieldsKeysAndAHintMoveItsFocusCellAndTheKeysClickItOncePerPress) {
    for (const int key : {kKeySpace, kKeyRight, kKeyRight, kKeyF, kKeyEnd, kKeyRight, kKeySpace, kKeyDown, kKeyF,
                          kKeyPageUp, kKeyLeft, kKeySpace, kKeyS, kKeyR, 72}) {
        h.keyDown(key);
        h.keyUp(key);
    }
    h.keyRepeat(kKeySpace);
    h.keyUp(kKeySpace);
    // A repeat that comes as a press alone, as the X server sends them.
    h.keyDown(kKeyF);
    h.keyDown(kKeyF);
    h.keyUp(kKeyF);
    EXPECT_EQ((Seen{"down 1 1", "up 1 1", "down 3 2", "up 3 2", "down 8 1", "up 8 1", "down 7 1", "up 7 1",
                    "key down 72", "key up 72", "down 7 2", "up 7 2"}),
              d.log.take()) << "row 2 has no shown cell; Page Up goes back to row 1";
    d.tk.showHint({6, HintWhy::Satisfied, {{{5, 1}, {}}}});
    d.tk.showHint({});
    h.keyDown(kKeySpace);
    h.keyUp(kKeySpace);
    EXPECT_EQ((Seen{"down 6 1", "up 6 1"}), d.log.take()) << "a hint moves the focus cell, no hint leaves it";
    rebuild(d);
    h.keyDown(kKeyF);
    h.keyDown(kKeyPageDown);
    h.keyDown(kKeyHome);
    h.keyDown(kKeyPageUp);
    h.keyDown(kKeySpace);
    EXPECT_EQ((Seen{"down 1 2", "up 1 2", "down 1 1", "up 1 1"}), d.log.take()) << "a build starts at the first cell";
}

CONTRACT_CASE(ThePointerFollowsItsElementAtOnceWhenTheWindowTakesInputAgain) {
    h.pointAt(Elem::Box, 5);
    d.tk.setPointer(Elem::Box, 5, Pointer::Cross);
    EXPECT_EQ(Pointer::Cross, h.shownPointer());
    d.tk.setPointer(Elem::Box, 5, Pointer::Arrow);
    EXPECT_EQ(Pointer::Arrow, h.shownPointer());

    d.tk.showForm(Form::Form3);
    d.tk.enableForm(Form::Form1, false);
    h.pointAt(Elem::Box, -1);
    h.pointAt(Elem::Box, 6);
    d.tk.hideForm(Form::Form3);
    d.tk.enableForm(Form::Form1, true);
    d.tk.setPointer(Elem::Box, 6, Pointer::Cross);
    EXPECT_EQ(Pointer::Cross, h.shownPointer()) << "the pointer rested on the cell meanwhile";
}

// The cells a number counts, told apart by how far they lie across and down from it: adjacent,
// diagonal, a knight's move, two straight and two diagonal, one bit of the rule each.
std::vector<int> countedCells(int cell, int mask) {
    std::vector<int> cells;
    const int x = (cell - 1) % kDesignAcross;
    const int y = (cell - 1) / kDesignAcross;
    const std::pair<int, int> kinds[] = {{0, 1}, {1, 1}, {1, 2}, {0, 2}, {2, 2}};
    for (int other = 1; other <= kDesignAcross * kDesignDown; ++other) {
        const int dx = std::abs((other - 1) % kDesignAcross - x);
        const int dy = std::abs((other - 1) / kDesignAcross - y);
        for (int bit = 0; bit < 5; ++bit) {
            if (std::pair(std::min(dx, dy), std::max(dx, dy)) == kinds[bit] && (mask >> bit & 1) != 0) cells.push_back(other);
        }
    }
    return cells;
}

// N, held on the focus cell or with the pointer on a cell, marks what that cell's number counts
// under the checked game type, until it is let go anywhere; the game hears nothing of it.
CONTRACT_CASE(NMarksTheCellsANumberCountsWhileItIsHeld) {
    for (const GameType& type : kGameTypes) {
        SCOPED_TRACE(type.mask);
        rebuild(d);
        for (const GameType& other : kGameTypes) d.tk.setChecked(MenuItem::mnuGT, other.mask, other.mask == type.mask);
        h.pointAt(Elem::Box, 5);
        h.keyDown(kKeyN);
        EXPECT_EQ(countedCells(5, type.mask), shownNeighbourhood(d)) << "the cell under the pointer";
        h.pointAt(Elem::Box, 3);
        EXPECT_EQ(countedCells(3, type.mask), shownNeighbourhood(d)) << "it follows the pointer";
        h.keyUp(kKeyN);
        EXPECT_TRUE(shownNeighbourhood(d).empty());
        d.tk.showHint({6, HintWhy::Satisfied, {{{5, 1}, {}}}});
        h.keyDown(kKeyN);
        EXPECT_EQ(countedCells(6, type.mask), shownNeighbourhood(d)) << "a hint shows the focus cell";
        h.keyUp(kKeyN);
        for (const int key : {kKeyDown, kKeyRight, kKeyDown, kKeyRight, kKeyEnd, kKeyPageDown}) {
            h.keyDown(key);
            h.keyUp(key);
            h.keyDown(kKeyN);
            EXPECT_EQ(countedCells(h.focusCell(), type.mask), shownNeighbourhood(d)) << "the shown focus cell";
            h.keyUp(kKeyN);
        }
        h.keyDown(kKeyN);
        h.loseFocus();
        EXPECT_TRUE(shownNeighbourhood(d).empty()) << "let go where the game does not see it";
        h.settle();
    }
    EXPECT_EQ(Seen{}, d.log.take());
}

CONTRACT_CASE(TheTimerTicksOnlyWhileEnabledAndStopsWithItsWindow) {
    h.tick();
    d.tk.setTimerEnabled(true);
    h.tick();
    d.tk.setTimerEnabled(false);
    h.tick();
    d.tk.setTimerEnabled(true);
    rebuild(d);
    EXPECT_FALSE(d.tk.timerEnabled());
    h.tick();
    EXPECT_EQ((Seen{"tick"}), d.log.take());
}

}  // namespace
}  // namespace tw
