// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include <cstdint>
#include <string>

#include "tests/game_on.h"
#include "tests/gui/qt_hands.h"

namespace tw::gui {

// The whole program on its real widgets.
struct GuiGame : GameOn<QtToolkit> {
    explicit GuiGame(std::uint64_t seed = 4242) : GameOn(seed) { settle(); }

    MainWindow& window() { return *tk.form1(); }
    Board& board() { return tk.form1()->board(); }

    void settle() { hands.settle(); }

    // The Beginner field's ten mines as a wall down column 5 (cells 6, 14, .., 62) and cells 8
    // and 16: a click left of the wall cascades up to it and never wins.
    void laywall() { laymines({6, 14, 22, 30, 38, 46, 54, 62, 8, 16}); }

    void click(int cell, int button = kLeftButton) { hands.click(cell, button); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&window(), key, modifiers);
    }

    int picture(int cell) { return hands.picture(Elem::Box, cell); }
    int face() { return hands.picture(Elem::Smile); }
    // The three digit pictures of the mines counter (first) or the seconds counter.
    std::string counter(bool mines) { return oracle::readcounter(hands, s(), mines); }
    QSize client() { return board().size(); }
    bool checked(MenuItem item, int index = 0) { return window().action(item, index)->isChecked(); }

    QtHands hands{tk};
};

}  // namespace tw::gui
