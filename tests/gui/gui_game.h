// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "tests/game_on.h"
#include "toolkit/qt/board.h"
#include "toolkit/qt/qttoolkit.h"

namespace tw::gui {

// One tick of a running timer, delivered the way the timer itself delivers it.
inline bool deliverTick(QTimer& timer) {
    if (!timer.isActive()) return false;
    QTimerEvent event(timer.timerId());
    QCoreApplication::sendEvent(&timer, &event);
    return true;
}

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

// Lets torn-down windows go and pending paints happen, and gives the main window the focus back.
inline void settle(QtToolkit& tk) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    MainWindow* main = tk.form1();
    if (main != nullptr && main->isVisible() && main->isEnabled() && !main->isActiveWindow()) {
        main->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(main));
    }
}

// The whole program on its real widgets.
struct GuiGame : GameOn<QtToolkit> {
    explicit GuiGame(std::uint64_t seed = 4242) : GameOn(seed) { settle(); }

    MainWindow& window() { return *tk.form1(); }
    Board& board() { return tk.form1()->board(); }

    void settle() { gui::settle(tk); }

    // The Beginner field's ten mines as a wall down column 5 (cells 6, 14, .., 62) and cells 8
    // and 16: a click left of the wall cascades up to it and never wins.
    void laywall() { laymines({6, 14, 22, 30, 38, 46, 54, 62, 8, 16}); }

    QPoint centre(Elem elem, int index) {
        const Board::Element* element = board().find(elem, index);
        EXPECT_NE(nullptr, element);
        return element == nullptr ? QPoint() : element->rect.center();
    }
    void click(int cell, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(&board(), button, {}, centre(Elem::Box, cell));
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&window(), key, modifiers);
    }

    int picture(int cell) { return board().find(Elem::Box, cell)->picture; }
    int face() { return board().find(Elem::Smile, 0)->picture; }
    // The three digit pictures of the mines counter (first) or the seconds counter.
    std::string counter(bool mines) {
        return oracle::readcounter([&](int i) { return picture(i); }, s().cells() + (mines ? 1 : 4));
    }
    QSize client() { return board().size(); }
    bool checked(MenuItem item, int index = 0) { return window().action(item, index)->isChecked(); }

    void tick() { ASSERT_TRUE(deliverTick(window().second())); }
};

// A message box as the player saw it.
struct SeenBox {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Closes every message box that opens while `action` runs, noting what each said.
template <typename Action>
std::vector<SeenBox> answerMessageBoxes(Action action) {
    std::vector<SeenBox> seen;
    const MessageBoxAnswerer answerer(
        [&seen](QMessageBox& box) { seen.push_back({box.text(), box.windowTitle(), box.icon()}); });
    action();
    return seen;
}

}  // namespace tw::gui
