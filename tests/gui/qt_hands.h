// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "toolkit/qt/board.h"
#include "toolkit/qt/input.h"
#include "toolkit/qt/qttoolkit.h"

namespace tw::gui {

// Answers every message box with OK as soon as it opens, from inside its own event loop, after
// showing it to `seen`.
struct MessageBoxAnswerer {
    explicit MessageBoxAnswerer(std::function<void(QMessageBox&)> seen = {}) : seen(std::move(seen)) {
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                if (this->seen) this->seen(*box);
                box->button(QMessageBox::Ok)->click();
            }
        });
        timer.start();
    }
    std::function<void(QMessageBox&)> seen;
    QTimer timer;
};

// Everything that reached the game, one line per report; `on` runs inside the handler.
struct EventLog final : Events {
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

// A player's hands on the real windows: the headless toolkit's input operations, each given the
// way the window system gives it, at the window rather than at a widget. What is not shown
// cannot be reached.
class QtHands {
public:
    explicit QtHands(QtToolkit& tk) : tk_(tk) {}

    // A box that is not a shown element is a press on the frame; a negative one is outside the window.
    void press(int box, int button = kLeftButton) { mouse(true, Elem::Box, box, button); }
    void release(int box, int button = kLeftButton) { mouse(false, Elem::Box, box, button); }
    void click(int box, int button = kLeftButton) {
        press(box, button);
        release(box, button);
    }
    void pressFace(int button = kLeftButton) { mouse(true, Elem::Smile, 0, button); }
    void releaseFace(int button = kLeftButton) { mouse(false, Elem::Smile, 0, button); }
    void clickFace(int button = kLeftButton) {
        pressFace(button);
        releaseFace(button);
    }
    void pressFrame(int button = kLeftButton) { mouse(true, Elem::FrameL, 0, button); }

    // Away from the cells, so that no release lands on one of its items.
    void popupMenu() {
        QMenu* game = tk_.form1()->menus().titles()[0]->menu();
        game->popup(tk_.form1()->geometry().bottomRight() * 2);
    }
    void loseFocus() {
        other_.show();
        other_.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&other_));
    }
    void minimise() {
        tk_.form1()->showMinimized();
        QApplication::processEvents();
    }
    void moveWindow(int left, int top, Form form = Form::Form1) {
        widget(form)->move(left, top);
        QApplication::processEvents();
    }
    void pointAt(Elem elem, int index) {
        QCursor::setPos(tk_.form1()->mapToGlobal(where(elem, index)));
        QApplication::processEvents();
    }
    int focusCell() { return board().focusCell(); }
    Pointer shownPointer() { return board().cursor().shape() == Qt::CrossCursor ? Pointer::Cross : Pointer::Arrow; }

    // Modifiers stay out: with them a key would reach the menus, which choose() reaches.
    void keyDown(int keycode, int = 0) { key(true, keycode, false); }
    void keyRepeat(int keycode) {
        key(false, keycode, true);
        key(true, keycode, true);
    }
    void keyUp(int keycode, int = 0) { key(false, keycode, false); }

    // Through the item's accelerator where it has one; the others only from a window that takes input.
    void choose(MenuItem item, int index = 0) {
        QAction* action = tk_.form1() != nullptr ? tk_.form1()->action(item, index) : nullptr;
        if (action == nullptr) return;
        if (!action->shortcut().isEmpty()) {
            QTest::keySequence(window(), action->shortcut());
        } else if (tk_.form1()->isEnabled() && QApplication::activeModalWidget() == nullptr) {
            action->trigger();
        }
    }
    // One tick of a running timer, delivered the way the timer itself delivers it.
    void tick() {
        if (tk_.form1() == nullptr || !tk_.form1()->second().isActive()) return;
        QTimerEvent event(tk_.form1()->second().timerId());
        QCoreApplication::sendEvent(&tk_.form1()->second(), &event);
    }
    void typeText(TextBox box, std::string_view text) {
        if (!shown(Form::Form2)) return;
        QLineEdit& edit = tk_.form2()->box(box);
        edit.selectAll();
        QTest::keyClicks(&edit, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    void pressOK() {
        if (shown(Form::Form2)) QTest::mouseClick(&tk_.form2()->okButton(), Qt::LeftButton);
    }
    void pressCancel() {
        if (shown(Form::Form2)) QTest::mouseClick(&tk_.form2()->cancelButton(), Qt::LeftButton);
    }
    void pressHelpOK() {
        if (shown(Form::Form3)) QTest::mouseClick(&tk_.form3()->okButton(), Qt::LeftButton);
    }
    // The way the desktop's close control reaches a window.
    void closeForm(Form form) {
        if (shown(form)) widget(form)->windowHandle()->close();
    }
    void whileMessageBoxOpen(std::function<void()> action) {
        answerer_.emplace([action = std::move(action)](QMessageBox&) { action(); });
    }

    bool formExists(Form form) { return tk_.formExists(form); }
    bool isChecked(MenuItem item, int index) { return tk_.isChecked(item, index); }
    bool timerEnabled() { return tk_.timerEnabled(); }
    int boxCount() {
        int n = 0;
        while (board().find(Elem::Box, n) != nullptr) ++n;
        return n;
    }
    int picture(Elem elem, int index = 0) { return board().find(elem, index)->picture; }

    // Closes an open menu, lets torn-down windows go and pending paints happen, and gives the
    // main window the focus back.
    void settle() {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        other_.hide();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        MainWindow* main = tk_.form1();
        if (main != nullptr && main->isVisible() && main->isEnabled() && !main->isActiveWindow()) {
            main->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(main));
        }
    }

private:
    Board& board() { return tk_.form1()->board(); }
    QWindow* window() { return tk_.form1()->windowHandle(); }
    QWidget* widget(Form form) { return form == Form::Form1 ? tk_.form1() : tk_.window(form); }
    bool shown(Form form) { return tk_.formExists(form) && widget(form)->isVisible(); }

    QPoint where(Elem elem, int index) {
        if (index < 0) return {-40, -40};
        const Board::Element* element = board().find(elem, index);
        if (element == nullptr || !element->visible || (elem == Elem::Box && index == 0)) {
            element = board().find(Elem::FrameL, 0);
        }
        return board().mapTo(tk_.form1(), board().toWidget(element->rect.center()).toPoint());
    }
    void mouse(bool down, Elem elem, int index, int button) {
        if (tk_.form1() == nullptr) return;
        const Qt::MouseButton qt =
            button == kLeftButton ? Qt::LeftButton : button == kRightButton ? Qt::RightButton : Qt::MiddleButton;
        const QPoint at = where(elem, index);
        down ? QTest::mousePress(window(), qt, {}, at) : QTest::mouseRelease(window(), qt, {}, at);
    }
    void key(bool down, int keycode, bool repeat) {
        if (tk_.form1() != nullptr) QTest::simulateEvent(window(), down, qtKey(keycode), {}, QString(), repeat);
    }

    QtToolkit& tk_;
    QWidget other_;
    std::optional<MessageBoxAnswerer> answerer_;
};

}  // namespace tw::gui
