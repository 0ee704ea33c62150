// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

// Mouse button codes as the handlers receive them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// Everything the windows report back; the toolkit calls these on the one user-interface thread.
class Events {
public:
    virtual ~Events() = default;
    virtual void Box_MouseDown(int index, int button) = 0;
    virtual void Box_MouseUp(int index, int button) = 0;
    virtual void Smile_MouseDown(int button) = 0;
    virtual void Smile_MouseUp(int button) = 0;
    virtual void Form_KeyDown(int keycode, int shift) = 0;
    virtual void Form_KeyUp(int keycode, int shift) = 0;
    virtual void Menu_Click(MenuItem item, int index) = 0;
    virtual void Second_Timer() = 0;
    virtual void OK_Click() = 0;
    virtual void Cancel_Click() = 0;
    virtual void Command1_Click() = 0;
    // The close control of a window's frame.
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
    virtual void setPointer(Elem elem, int index, Pointer pointer) = 0;
    // Makes Box element `index` as a hidden copy of element 0.
    virtual void createBox(int index) = 0;

    // Windows. Form1 is built from its design by buildForm1 (menu with its initial check
    // marks, a stopped timer, the design's elements) and destroyed whole by destroyForm1.
    // Form2 and Form3 are built the first time they are shown.
    virtual void buildForm1() = 0;
    virtual void destroyForm1() = 0;
    // The client area below the menu bar; window decorations are the desktop's.
    virtual void setClientSize(int width, int height) = 0;
    virtual void setIcon(int icon) = 0;
    virtual void showForm(Form form) = 0;
    virtual void hideForm(Form form) = 0;
    virtual void enableForm(Form form, bool enabled) = 0;
    virtual bool formExists(Form form) const = 0;

    virtual void setChecked(MenuItem item, int index, bool checked) = 0;
    virtual bool isChecked(MenuItem item, int index) const = 0;

    virtual void setText(TextBox box, std::string_view text) = 0;
    virtual std::string text(TextBox box) const = 0;

    // Modal: returns when the player has closed it.
    virtual void messageBox(std::string_view text, std::string_view title, bool information) = 0;

    // The one-second timer `Second`.
    virtual void setTimerEnabled(bool enabled) = 0;
    virtual bool timerEnabled() const = 0;

    virtual void quit() = 0;
};

}  // namespace tw
