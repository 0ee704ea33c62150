// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tw {

// The image elements of the main window, each addressed with an index:
// Box 0..N+6, FrameN 0..1, FrameW 0..1, every other element index 0.
enum class Elem { FrameL, FrameM, FrameR, FrameN, FrameW, FrameCL, FrameB, FrameCR, Smile, Box };

// Stretched elements scale their picture to their own size; the others take the picture's size.
constexpr bool isStretched(Elem elem) {
    return elem == Elem::FrameM || elem == Elem::FrameB || elem == Elem::FrameW;
}

enum class Pointer { Arrow, Cross };

enum class Form { Form1, Form2, Form3 };

// Menu items of the main window; mnuGT is an array indexed by the rule mask.
enum class MenuItem {
    mnuNew,
    mnuBeginner,
    mnuIntermediate,
    mnuHard,
    mnuCustom,
    mnuMarks,
    mnuExit,
    mnuGT,
    mnuHowTo,
};

// The three text boxes of the Custom Field dialog.
enum class TextBox { Acr, Dwn, TM };
// How the game took a Custom Field value it could not take as typed: the largest or the smallest
// it takes, or (a width too small) the usual one.
enum class Taken { Largest, Smallest, Replaced };

// Mouse button codes as the handlers receive them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// Key codes as Form_KeyDown and Form_KeyUp report them; a letter's code is its capital's.
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyPageUp = 33;
inline constexpr int kKeyPageDown = 34;
inline constexpr int kKeyEnd = 35;
inline constexpr int kKeyHome = 36;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;
inline constexpr int kKeyD = 68;
inline constexpr int kKeyF = 70;
inline constexpr int kKeyN = 78;
inline constexpr int kKeyR = 82;
inline constexpr int kKeyS = 83;

// Why a hint's cell is certainly safe, from the plainest reason to the widest.
enum class HintWhy {
    // No covered cell is certainly safe: the hint has no cell.
    None,
    // No mine is laid yet, and the first cell opened never holds one.
    First,
    // The number of clues[0] already touches that many certain mines.
    Satisfied,
    // The mines clues[0] still needs all lie around clues[1] too, and are all clues[1] needs.
    Subset,
    // Every way the mines left can lie around the numbers leaves the cell free.
    Frontier,
    // The numbers need every mine that is left, and none of them reaches the cell.
    Count,
};

// An open cell a hint's reason rests on, and its number.
struct HintClue {
    int cell = 0;
    int number = 0;
};

// A cell that is certainly safe, and the open cells its reason rests on.
struct Hint {
    int cell = 0;
    HintWhy why = HintWhy::None;
    std::array<HintClue, 2> clues{};
};

// The one-second timer's period.
inline constexpr int kSecondPeriodMs = 1000;

// Everything the windows report back. Every realisation keeps this contract:
// - All reports come on the one user-interface thread, one at a time, each after the previous
//   handler has returned; a handler may call any Toolkit operation, destroyForm1 included.
// - A window takes input while it exists, is shown and enabled, and no message box is open.
//   Presses, releases, keys, menu commands and close requests of a window that takes no input
//   reach nothing.
// - Each mouse button has its own press target: the element under the pointer when that button
//   went down. A press on a picture that takes no mouse (the frame) makes a target too, one
//   that takes nothing. A second button pressed while one is held makes its own target where
//   the pointer then is; it does not borrow the first button's.
// - A release goes to its own button's target, and only to it, wherever the pointer is then
//   (outside the window too), and clears that target alone.
// - A target whose release cannot come is forgotten: when the window stops taking input
//   (disabled, hidden or minimised, destroyed, a message box opens, one of its menus opens) and
//   when a later mouse event shows that button up. The next press of that button starts afresh
//   and no later release goes to the forgotten element. Losing the keyboard focus to another
//   window loses no release: the window system still sends it here.
class Events {
public:
    virtual ~Events() = default;
    // Press and release of `button` on the Box element `index`, as the targets above decide.
    virtual void Box_MouseDown(int index, int button) = 0;
    virtual void Box_MouseUp(int index, int button) = 0;
    virtual void Smile_MouseDown(int button) = 0;
    virtual void Smile_MouseUp(int button) = 0;
    // Keys of the main window while it takes input. A key is down from its press to its release;
    // a press of a key already down is one of its auto-repeats, however the window system sends
    // it. A held key reports a key-down at every auto-repeat and one key-up when it is let go.
    // When the window loses the keyboard (another window or one of its menus takes it, or the
    // window stops taking input), every key down in it is let go for the game: the key-up is
    // reported at once, or as soon as the window takes input again. The field's own keys (fieldkeys.h)
    // are not reported: the field holds a focus cell, its first cell after each build of
    // Form1; the arrow keys move it a cell, Home and End to its row's ends, Page Up and Page
    // Down to its column's ends, never off the field. Space reports a press and a release of
    // the left button on the focus cell, F the same with the right button, once per key
    // press (not at its repeats) and only on a shown cell. R and S tell a listening screen
    // reader the focus cell's row and the counters.
    virtual void Form_KeyDown(int keycode, int shift) = 0;
    virtual void Form_KeyUp(int keycode, int shift) = 0;
    virtual void Menu_Click(MenuItem item, int index) = 0;
    // Every kSecondPeriodMs while the timer is enabled, also while a message box is open.
    virtual void Second_Timer() = 0;
    virtual void OK_Click() = 0;
    virtual void Cancel_Click() = 0;
    virtual void Command1_Click() = 0;
    // The close control of a window's frame (the desktop's close request), reported only while
    // that window takes input: a disabled window's close request does nothing. The window stays
    // as it is; closing it is the handler's decision.
    virtual void Form_Close(Form form) = 0;
};

// The window operations the game logic relies on. Nothing here knows how they are drawn.
class Toolkit {
public:
    virtual ~Toolkit() = default;

    virtual void setEvents(Events* events) = 0;

    // Image elements. An unstretched element takes the size of its picture, top-left fixed;
    // a stretched one (FrameM, FrameB, FrameW) scales the picture to its own size.
    virtual void setPicture(Elem elem, int index, int picture) = 0;
    virtual void move(Elem elem, int index, int left, int top) = 0;
    virtual void resize(Elem elem, int index, int width, int height) = 0;
    virtual int width(Elem elem, int index) const = 0;
    virtual void show(Elem elem, int index) = 0;
    virtual void bringToFront(Elem elem, int index) = 0;
    // The pointer shape over the element. While the window takes input the pointer shows the
    // shape of the element under it at once: when this is set, when the window takes input
    // again, and wherever the pointer came to rest meanwhile.
    virtual void setPointer(Elem elem, int index, Pointer pointer) = 0;
    // Makes Box element `index` as a hidden copy of element 0.
    virtual void createBox(int index) = 0;

    // Windows. Form1 is built from its design by buildForm1 (menu with its initial check
    // marks, a stopped timer, the design's elements) and its contents are taken down by destroyForm1, which
    // may run inside one of its own handlers and forgets its press targets. Both act inside one
    // native window that lives for the whole run: shown or hidden, it stays so, at its size and
    // where the player put it (the first build gives it the design's client size). Form2 and
    // Form3 are built the first time they are shown; they belong to Form1 on the desktop (kept
    // above it, minimised with it, one entry in the task list). Every window keeps the size it is
    // given: a desktop's request to maximise it or make it full-screen is undone, never fatal.
    virtual void buildForm1() = 0;
    virtual void destroyForm1() = 0;
    // The client area below the menu bar; window decorations are the desktop's. Only a new size
    // changes the frame, once: the same size leaves it alone, wherever it is. A new size centres
    // the frame on the screen while the player has never moved the window, and keeps its centre
    // where the player left it once they have; either way the frame is moved only as far as it
    // takes to keep it on the screen, its top-left corner first.
    virtual void setClientSize(int width, int height) = 0;
    virtual void setIcon(int icon) = 0;
    // Shows the window in front and active; a minimised window comes back to its normal state.
    // The Custom Field dialog's frame is centred over Form1's until the player moves the dialog;
    // then it comes back where the player left it.
    virtual void showForm(Form form) = 0;
    // Hiding or disabling a window forgets its press targets. Hiding a shown dialog gives Form1
    // back: shown, restored, in front, active and holding the keyboard focus.
    virtual void hideForm(Form form) = 0;
    virtual void enableForm(Form form, bool enabled) = 0;
    virtual bool formExists(Form form) const = 0;

    virtual void setChecked(MenuItem item, int index, bool checked) = 0;
    virtual bool isChecked(MenuItem item, int index) const = 0;

    virtual void setText(TextBox box, std::string_view text) = 0;
    virtual std::string text(TextBox box) const = 0;
    // The game took the Custom Field's `box` as `value`, not as typed: a listening screen reader
    // hears it with the new field.
    virtual void tellTaken(TextBox box, int value, Taken taken) = 0;

    // Modal: returns when the player has closed it; until then no input and no close request
    // reaches any window, and the main window forgets its press targets. Timer ticks go on.
    virtual void messageBox(std::string_view text, std::string_view title, bool information) = 0;

    // The one-second timer `Second`: ticks every kSecondPeriodMs while enabled, precisely, not
    // coarsely; stopped by destroyForm1 and stopped in a newly built Form1.
    virtual void setTimerEnabled(bool enabled) = 0;
    virtual bool timerEnabled() const = 0;

    virtual void quit() = 0;

    // The field's focus cell, which its keys move (Events), and a hint that moves it to
    // `hint.cell`, shown, telling a listening screen reader why that cell is safe; a hint with no
    // cell leaves the focus and tells there is no certain move.
    virtual int focusCell() const = 0;
    virtual void showHint(const Hint& hint) = 0;
};

}  // namespace tw
