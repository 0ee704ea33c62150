// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/headless.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "resources/catalogue.h"
#include "toolkit/design.h"
#include "toolkit/fieldkeys.h"

namespace tw {

const HeadlessToolkit::Element& HeadlessToolkit::element(Elem elem, int index) const {
    return elem == Elem::Box ? boxes_.at(index) : frames_.at({elem, index});
}

HeadlessToolkit::Element& HeadlessToolkit::at(Elem elem, int index) {
    return elem == Elem::Box ? boxes_.at(index) : frames_.at({elem, index});
}

void HeadlessToolkit::setPicture(Elem elem, int index, int picture) {
    const auto size = pictures::sizeOf(picture);
    if (!size) throw std::invalid_argument("no such picture");
    Element& e = at(elem, index);
    e.picture = picture;
    if (!isStretched(elem)) {
        e.width = size->width;
        e.height = size->height;
    }
    if (logging_) log_.push_back({elem, index, picture});
}

void HeadlessToolkit::move(Elem elem, int index, int left, int top) {
    Element& e = at(elem, index);
    e.left = left;
    e.top = top;
}

void HeadlessToolkit::resize(Elem elem, int index, int width, int height) {
    Element& e = at(elem, index);
    e.width = width;
    e.height = height;
}

int HeadlessToolkit::width(Elem elem, int index) const { return element(elem, index).width; }

void HeadlessToolkit::show(Elem elem, int index) { at(elem, index).visible = true; }

void HeadlessToolkit::bringToFront(Elem elem, int index) { at(elem, index).z = ++nextZ_; }

void HeadlessToolkit::setPointer(Elem elem, int index, Pointer pointer) {
    at(elem, index).pointer = pointer;
}

void HeadlessToolkit::createBox(int index) {
    if (index < 1) throw std::out_of_range("Box element 0 is the design's");
    if (index >= boxCount()) boxes_.resize(static_cast<std::size_t>(index) + 1);
    Element copy = boxes_[0];
    copy.visible = false;
    copy.z = ++nextZ_;
    boxes_[index] = copy;
}

void HeadlessToolkit::buildForm1() {
    ++builds_;
    focus_ = 1;
    focusShown_ = false;
    neighbourhood_.clear();
    frames_.clear();
    boxes_.clear();
    nextZ_ = 0;
    for (const DesignElement& d : kForm1Design) {
        Element e{true, d.picture, d.left, d.top, d.width, d.height, d.visible, ++nextZ_, Pointer::Arrow};
        if (d.elem == Elem::Box) {
            boxes_.push_back(e);
        } else {
            frames_[{d.elem, d.index}] = e;
        }
    }
    checks_.clear();
    for (const MenuEntry& row : kMenu) checks_[{row.item, 0}] = row.checked;
    for (const GameType& type : kGameTypes) checks_[{MenuItem::mnuGT, type.mask}] = type.checked;
    timer_ = false;
    Window& w = windows_[static_cast<int>(Form::Form1)];
    w.exists = true;
    // The native window keeps its size and place; only the first build gives it one.
    if (w.frame.width == 0) setClientSize(kDesignClientWidth, kDesignClientHeight);
    clientWidth_ = kDesignClientWidth;
    clientHeight_ = kDesignClientHeight;
}

// The native window stays, shown or not, where it is.
void HeadlessToolkit::destroyForm1() {
    forgetTargets();
    frames_.clear();
    boxes_.clear();
    checks_.clear();
    timer_ = false;
    windows_[static_cast<int>(Form::Form1)].exists = false;
}

void HeadlessToolkit::setClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    Window& w = windows_[static_cast<int>(Form::Form1)];
    if (w.frame.width != width || w.frame.height != height) {
        w.frame = resizedFrame(kScreen, w.frame, width, height, w.moved);
    }
}

void HeadlessToolkit::showForm(Form form) {
    Window& w = windows_[static_cast<int>(form)];
    w.exists = true;
    w.visible = true;
    w.minimised = false;
    for (Window& other : windows_) other.active = false;
    w.active = true;
    if (form == Form::Form2 && !w.moved) w.frame = centredFrame(windows_[static_cast<int>(Form::Form1)].frame, 0, 0);
    if (form != Form::Form1) loseKeys();
}

void HeadlessToolkit::hideForm(Form form) {
    Window& w = windows_[static_cast<int>(form)];
    const bool dialog = form != Form::Form1 && w.visible;
    w.visible = false;
    w.active = false;
    if (form == Form::Form1) {
        forgetTargets();
        loseKeys();
    }
    if (dialog && formExists(Form::Form1)) showForm(Form::Form1);
}

void HeadlessToolkit::enableForm(Form form, bool enabled) {
    windows_[static_cast<int>(form)].enabled = enabled;
    if (form == Form::Form1 && !enabled) {
        forgetTargets();
        loseKeys();
    }
}

bool HeadlessToolkit::formExists(Form form) const { return windows_[static_cast<int>(form)].exists; }

void HeadlessToolkit::setChecked(MenuItem item, int index, bool checked) { checks_[{item, index}] = checked; }

bool HeadlessToolkit::isChecked(MenuItem item, int index) const {
    auto found = checks_.find({item, index});
    return found != checks_.end() && found->second;
}

void HeadlessToolkit::setText(TextBox box, std::string_view text) {
    texts_[static_cast<int>(box)] = std::string(text);
}

std::string HeadlessToolkit::text(TextBox box) const { return texts_[static_cast<int>(box)]; }

void HeadlessToolkit::messageBox(std::string_view text, std::string_view title, bool information) {
    messages_.push_back({std::string(text), std::string(title), information});
    forgetTargets();
    loseKeys();
    boxOpen_ = true;
    if (boxAction_) boxAction_();
    boxOpen_ = false;
}

std::vector<int> HeadlessToolkit::boxesShowing(int picture, int first, int last) const {
    std::vector<int> found;
    for (int i = first; i <= last; ++i) {
        if (boxes_.at(i).picture == picture) found.push_back(i);
    }
    return found;
}

bool HeadlessToolkit::formTakesInput(Form form) const {
    const Window& w = windows_[static_cast<int>(form)];
    return events_ != nullptr && w.exists && w.visible && !w.minimised && w.enabled && !boxOpen_;
}

bool HeadlessToolkit::form1TakesInput() const { return formTakesInput(Form::Form1); }

namespace {

std::size_t buttonSlot(int button) { return button == kLeftButton ? 0 : button == kRightButton ? 1 : 2; }

}  // namespace

void HeadlessToolkit::pressAt(int target, int button) {
    if (!form1TakesInput()) return;
    targets_[buttonSlot(button)] = target;
    if (target == kFace) {
        events_->Smile_MouseDown(button);
    } else if (target != kNothing) {
        events_->Box_MouseDown(target, button);
    }
}

void HeadlessToolkit::press(int box, int button) {
    focusShown_ = false;
    const bool takes = box >= 1 && box < boxCount() && boxes_[box].visible;
    pressAt(takes ? box : kNothing, button);
}

void HeadlessToolkit::pressFrame(int button) { pressAt(kNothing, button); }

void HeadlessToolkit::release(int, int button) { deliverRelease(button); }

void HeadlessToolkit::click(int box, int button) {
    press(box, button);
    release(box, button);
}

void HeadlessToolkit::pressFace(int button) { pressAt(kFace, button); }

void HeadlessToolkit::releaseFace(int button) { deliverRelease(button); }

void HeadlessToolkit::clickFace(int button) {
    pressFace(button);
    releaseFace(button);
}

void HeadlessToolkit::deliverRelease(int button) {
    if (!form1TakesInput()) return;
    const std::optional<int> target = std::exchange(targets_[buttonSlot(button)], std::nullopt);
    if (!target || *target == kNothing) return;
    if (*target == kFace) {
        events_->Smile_MouseUp(button);
    } else {
        events_->Box_MouseUp(*target, button);
    }
    settle();
}

void HeadlessToolkit::popupMenu() {
    forgetTargets();
    loseKeys();
    settle();
}

void HeadlessToolkit::loseFocus() {
    windows_[static_cast<int>(Form::Form1)].active = false;
    loseKeys();
    settle();
}

void HeadlessToolkit::minimise() {
    Window& w = windows_[static_cast<int>(Form::Form1)];
    w.minimised = true;
    w.active = false;
    forgetTargets();
    loseKeys();
}

void HeadlessToolkit::moveWindow(int left, int top, Form form) {
    Window& w = windows_[static_cast<int>(form)];
    w.frame.left = left;
    w.frame.top = top;
    w.moved = true;
}

void HeadlessToolkit::loseKeys() {
    neighbourhood_.clear();
    lost_.merge(held_);
    held_.clear();
}

void HeadlessToolkit::settle() {
    if (!form1TakesInput()) return;
    for (const int keycode : std::exchange(lost_, {})) {
        if (!isFieldKey(keycode)) events_->Form_KeyUp(keycode, 0);
    }
}

void HeadlessToolkit::pointAt(Elem elem, int index) {
    pointer_ = {elem, index};
    if (held_.contains(kKeyN)) showNeighbourhood();
}

void HeadlessToolkit::showHint(const Hint& hint) {
    hints_.push_back(hint);
    if (hint.cell == 0) return;
    focus_ = hint.cell;
    focusShown_ = true;
}

void HeadlessToolkit::showNeighbourhood() {
    const bool onCell = pointer_ && pointer_->first == Elem::Box && pointer_->second >= 1 &&
                        pointer_->second < boxCount() && boxes_[pointer_->second].visible;
    const int centre = neighbourhoodCentre(focus_, focusShown_, onCell ? pointer_->second : 0);
    const int mask = checkedGameType([&](int type) { return isChecked(MenuItem::mnuGT, type); });
    neighbourhood_ = neighbourhood(centre, mask, fieldOfClient(clientWidth_, clientHeight_));
}

Pointer HeadlessToolkit::shownPointer() const {
    if (!pointer_ || !form1TakesInput()) return Pointer::Arrow;
    const auto [elem, index] = *pointer_;
    if (index < 0 || (elem == Elem::Box ? index >= boxCount() : !frames_.contains({elem, index}))) {
        return Pointer::Arrow;
    }
    return element(elem, index).pointer;
}

void HeadlessToolkit::keyDown(int keycode, int shift) { key(keycode, shift, false); }

void HeadlessToolkit::key(int keycode, int shift, bool repeat) {
    if (!form1TakesInput()) return;
    // A press of a key that is down already is one of its repeats.
    repeat = !held_.insert(keycode).second || repeat;
    if (!isFieldKey(keycode)) {
        events_->Form_KeyDown(keycode, shift);
        return;
    }
    focus_ = movedFocus(focus_, keycode, fieldOfClient(clientWidth_, clientHeight_));
    focusShown_ = focusShown_ || marksFocus(keycode);
    if (held_.contains(kKeyN)) showNeighbourhood();
    const int button = clickButton(keycode);
    if (button == 0 || repeat || focus_ >= boxCount() || !boxes_[focus_].visible) return;
    events_->Box_MouseDown(focus_, button);
    events_->Box_MouseUp(focus_, button);
    settle();
}

void HeadlessToolkit::keyUp(int keycode, int shift) {
    if (!form1TakesInput()) return;
    held_.erase(keycode);
    if (keycode == kKeyN) neighbourhood_.clear();
    if (!isFieldKey(keycode)) events_->Form_KeyUp(keycode, shift);
}

// Only what the menus offer can be chosen.
void HeadlessToolkit::choose(MenuItem item, int index) {
    const auto row = std::find_if(kMenu.begin(), kMenu.end(), [&](const MenuEntry& r) { return r.item == item; });
    const bool offered = row != kMenu.end() && (item == MenuItem::mnuGT ? std::any_of(kGameTypes.begin(), kGameTypes.end(), [&](const GameType& type) { return type.mask == index; }) : index == 0);
    if (offered && form1TakesInput()) events_->Menu_Click(item, index);
    settle();
}

void HeadlessToolkit::tick() {
    if (events_ != nullptr && timer_) events_->Second_Timer();
}

void HeadlessToolkit::typeText(TextBox box, std::string_view text) {
    if (formTakesInput(Form::Form2)) setText(box, text);
}

void HeadlessToolkit::pressOK() {
    if (formTakesInput(Form::Form2)) events_->OK_Click();
    settle();
}

void HeadlessToolkit::pressCancel() {
    if (formTakesInput(Form::Form2)) events_->Cancel_Click();
    settle();
}

void HeadlessToolkit::pressHelpOK() {
    if (formTakesInput(Form::Form3)) events_->Command1_Click();
    settle();
}

void HeadlessToolkit::closeForm(Form form) {
    if (formTakesInput(form)) events_->Form_Close(form);
    settle();
}

}  // namespace tw
