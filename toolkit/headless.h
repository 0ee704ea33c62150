// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/placement.h"
#include "toolkit/toolkit.h"
#include "toolkit/windows.h"

namespace tw {

// A toolkit with no display: it records everything the game asks of its windows and lets a
// test press buttons, type keys, choose menu items and tick the timer.
class HeadlessToolkit final : public Toolkit {
public:
    struct Element {
        bool exists = false;
        int picture = 0;
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        bool visible = false;
        long z = 0;
        Pointer pointer = Pointer::Arrow;
    };
    struct PictureSet {
        Elem elem;
        int index;
        int picture;
        bool operator==(const PictureSet&) const = default;
    };
    struct MessageBoxShown {
        std::string text;
        std::string title;
        bool information;
    };
    struct Window {
        bool exists = false;
        bool visible = false;
        bool enabled = true;
        bool minimised = false;
        bool active = false;
        // Whether the player has moved it.
        bool moved = false;
        // The frame on a screen of kScreen's size; the main window's frame is its client area, a
        // dialog's its centre alone (the toolkit knows no dialog's size).
        FrameRect frame{};
    };
    static constexpr FrameRect kScreen{0, 0, 1024, 768};

    HeadlessToolkit() = default;

    void setEvents(Events* events) override { events_ = events; }

    void setPicture(Elem elem, int index, int picture) override;
    void move(Elem elem, int index, int left, int top) override;
    void resize(Elem elem, int index, int width, int height) override;
    int width(Elem elem, int index) const override;
    void show(Elem elem, int index) override;
    void bringToFront(Elem elem, int index) override;
    void setPointer(Elem elem, int index, Pointer pointer) override;
    void createBox(int index) override;

    void buildForm1() override;
    void destroyForm1() override;
    void setClientSize(int width, int height) override;
    void setIcon(int icon) override { icon_ = icon; }
    void showForm(Form form) override;
    void hideForm(Form form) override;
    void enableForm(Form form, bool enabled) override;
    bool formExists(Form form) const override;

    void setChecked(MenuItem item, int index, bool checked) override;
    bool isChecked(MenuItem item, int index) const override;

    void setText(TextBox box, std::string_view text) override;
    std::string text(TextBox box) const override;

    void messageBox(std::string_view text, std::string_view title, bool information) override;

    void setTimerEnabled(bool enabled) override { timer_ = enabled; }
    bool timerEnabled() const override { return timer_; }

    void quit() override { quit_ = true; }

    // What a test reads back.
    const Element& element(Elem elem, int index = 0) const;
    int picture(Elem elem, int index = 0) const { return element(elem, index).picture; }
    int boxCount() const { return static_cast<int>(boxes_.size()); }
    const Window& window(Form form) const { return windows_[static_cast<int>(form)]; }
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    int icon() const { return icon_; }
    bool quitRequested() const { return quit_; }
    // How many times the main window has been built.
    int builds() const { return builds_; }
    const std::vector<MessageBoxShown>& messages() const { return messages_; }
    // Every picture set since the log was last cleared, in order.
    const std::vector<PictureSet>& pictureLog() const { return log_; }
    void clearPictureLog() { log_.clear(); }
    void setPictureLogging(bool on) { logging_ = on; }
    // The Box elements from `first` to `last` whose picture is `picture`.
    std::vector<int> boxesShowing(int picture, int first, int last) const;

    // What a player does, with the toolkit contract's deliveries. A release goes to its own
    // button's target wherever it happens, so where it happens is not looked at.
    void press(int box, int button = kLeftButton);
    void release(int box, int button = kLeftButton);
    void click(int box, int button = kLeftButton);
    void pressFace(int button = kLeftButton);
    void releaseFace(int button = kLeftButton);
    void clickFace(int button = kLeftButton);
    // A press on the frame pictures, which take no mouse.
    void pressFrame(int button = kLeftButton);
    // A menu of the main window opens: the held buttons' releases go to it.
    void popupMenu();
    // Another window takes the focus; the held buttons' releases still come here.
    void loseFocus();
    // What the player does to the main window's frame on the desktop, and drags a window to.
    void minimise();
    void moveWindow(int left, int top, Form form = Form::Form1);
    // Where the pointer rests, and the shape it shows there.
    void pointAt(Elem elem, int index = 0);
    Pointer shownPointer() const;
    void keyDown(int keycode, int shift = 0);
    // A held key repeats its key-down.
    void keyRepeat(int keycode) { key(keycode, 0, true); }
    void keyUp(int keycode, int shift = 0);
    // The field's focus cell, which its keys move and click.
    int focusCell() const override { return focus_; }
    void showHint(const Hint& hint) override;
    void tellTaken(TextBox box, int value, Taken taken) override { taken_.push_back({box, value, taken}); }
    struct Told {
        TextBox box;
        int value;
        Taken taken;
        bool operator==(const Told&) const = default;
    };
    // The values told as taken otherwise than typed, in order.
    const std::vector<Told>& taken() const { return taken_; }
    // The hints shown, in order.
    const std::vector<Hint>& hints() const { return hints_; }
    // The cells marked while N is held: those the number of the focus cell, or of the cell under
    // the pointer, counts.
    const std::vector<int>& shownNeighbourhood() const { return neighbourhood_; }
    void choose(MenuItem item, int index = 0);
    void tick();
    void typeText(TextBox box, std::string_view text);
    void pressOK();
    void pressCancel();
    void pressHelpOK();
    void closeForm(Form form);
    // What the player does while the next message boxes are open, before closing each.
    void whileMessageBoxOpen(std::function<void()> action) { boxAction_ = std::move(action); }
    // What the windows report once the running handler has returned, as an event loop does: the
    // key-ups of the keys the main window was let go of, as soon as it takes input. Every action
    // of the player ends with it.
    void settle();

private:
    Element& at(Elem elem, int index);
    bool form1TakesInput() const;
    bool formTakesInput(Form form) const;

    void key(int keycode, int shift, bool repeat);
    void pressAt(int target, int button);
    void deliverRelease(int button);
    void forgetTargets() { targets_.fill(std::nullopt); }
    // The main window loses the keyboard: the keys down in it are let go for the game.
    void loseKeys();
    void showNeighbourhood();

    Events* events_ = nullptr;
    // Per button (left, right, middle), the element that took its press: a Box index, kFace,
    // or kNothing for the frame.
    static constexpr int kFace = -1;
    static constexpr int kNothing = 0;
    std::array<std::optional<int>, 3> targets_{};
    std::optional<std::pair<Elem, int>> pointer_;
    bool boxOpen_ = false;
    std::function<void()> boxAction_;
    std::map<std::pair<Elem, int>, Element> frames_;
    std::vector<Element> boxes_;
    long nextZ_ = 0;
    std::array<Window, kWindows.size()> windows_{};
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    int icon_ = 0;
    std::map<std::pair<MenuItem, int>, bool> checks_;
    std::array<std::string, 3> texts_{};
    std::vector<MessageBoxShown> messages_;
    std::vector<PictureSet> log_;
    bool logging_ = true;
    bool timer_ = false;
    bool quit_ = false;
    int builds_ = 0;
    int focus_ = 1;
    // Whether a key has shown the focus cell since the last press of a button.
    bool focusShown_ = false;
    std::vector<int> neighbourhood_;
    std::vector<Hint> hints_;
    std::vector<Told> taken_;
    // The keys down in the main window, and those it was let go of whose key-ups are still due.
    std::set<int> held_;
    std::set<int> lost_;
};

}  // namespace tw
