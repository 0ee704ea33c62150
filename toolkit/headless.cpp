// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/headless.h"

#include <stdexcept>

#include "resources/catalogue.h"
#include "toolkit/design.h"

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
    checks_[{MenuItem::mnuBeginner, 0}] = true;
    checks_[{MenuItem::mnuGT, 3}] = true;
    timer_ = false;
    clientWidth_ = kDesignClientWidth;
    clientHeight_ = kDesignClientHeight;
    Window& w = windows_[static_cast<int>(Form::Form1)];
    w = Window{true, false, true};
}

void HeadlessToolkit::destroyForm1() {
    pressed_.reset();
    frames_.clear();
    boxes_.clear();
    checks_.clear();
    timer_ = false;
    windows_[static_cast<int>(Form::Form1)] = Window{false, false, true};
}

void HeadlessToolkit::setClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
}

void HeadlessToolkit::showForm(Form form) {
    Window& w = windows_[static_cast<int>(form)];
    w.exists = true;
    w.visible = true;
}

void HeadlessToolkit::hideForm(Form form) { windows_[static_cast<int>(form)].visible = false; }

void HeadlessToolkit::enableForm(Form form, bool enabled) {
    windows_[static_cast<int>(form)].enabled = enabled;
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
    return events_ != nullptr && w.exists && w.visible && w.enabled;
}

bool HeadlessToolkit::form1TakesInput() const { return formTakesInput(Form::Form1); }

void HeadlessToolkit::press(int box, int button) {
    if (!form1TakesInput() || pressed_ || box < 1 || box >= boxCount() || !boxes_[box].visible) return;
    pressed_ = box;
    events_->Box_MouseDown(box, button);
}

void HeadlessToolkit::release(int, int button) { deliverRelease(button); }

void HeadlessToolkit::click(int box, int button) {
    press(box, button);
    release(box, button);
}

void HeadlessToolkit::pressFace(int button) {
    if (!form1TakesInput() || pressed_) return;
    pressed_ = -1;
    events_->Smile_MouseDown(button);
}

void HeadlessToolkit::releaseFace(int button) { deliverRelease(button); }

void HeadlessToolkit::clickFace(int button) {
    pressFace(button);
    releaseFace(button);
}

void HeadlessToolkit::deliverRelease(int button) {
    if (!pressed_ || !form1TakesInput()) return;
    const int target = *pressed_;
    pressed_.reset();
    if (target < 0) {
        events_->Smile_MouseUp(button);
    } else {
        events_->Box_MouseUp(target, button);
    }
}

void HeadlessToolkit::keyDown(int keycode, int shift) {
    if (form1TakesInput()) events_->Form_KeyDown(keycode, shift);
}

void HeadlessToolkit::keyUp(int keycode, int shift) {
    if (form1TakesInput()) events_->Form_KeyUp(keycode, shift);
}

void HeadlessToolkit::choose(MenuItem item, int index) {
    if (form1TakesInput()) events_->Menu_Click(item, index);
}

void HeadlessToolkit::tick() {
    if (events_ != nullptr && timer_) events_->Second_Timer();
}

void HeadlessToolkit::typeText(TextBox box, std::string_view text) {
    if (formTakesInput(Form::Form2)) setText(box, text);
}

void HeadlessToolkit::pressOK() {
    if (formTakesInput(Form::Form2)) events_->OK_Click();
}

void HeadlessToolkit::pressCancel() {
    if (formTakesInput(Form::Form2)) events_->Cancel_Click();
}

void HeadlessToolkit::pressHelpOK() {
    if (formTakesInput(Form::Form3)) events_->Command1_Click();
}

void HeadlessToolkit::closeForm(Form form) {
    if (formTakesInput(form)) events_->Form_Close(form);
}

}  // namespace tw
