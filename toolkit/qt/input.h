// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QWidget>

#include <array>
#include <utility>

#include "toolkit/toolkit.h"

namespace tw {

// Whether a window takes input: enabled and not held back by an open message box. Its close
// control is input too, whichever way the close request comes.
inline bool takesInput(const QWidget& window) {
    const QWidget* modal = QApplication::activeModalWidget();
    return window.isEnabled() && (modal == nullptr || modal == &window);
}

// The keys whose Qt code differs from the one the game's handlers receive; a letter's is the same.
inline constexpr std::array<std::pair<int, int>, 9> kKeyCodes = {{
    {Qt::Key_Space, kKeySpace},
    {Qt::Key_PageUp, kKeyPageUp},
    {Qt::Key_PageDown, kKeyPageDown},
    {Qt::Key_End, kKeyEnd},
    {Qt::Key_Home, kKeyHome},
    {Qt::Key_Left, kKeyLeft},
    {Qt::Key_Up, kKeyUp},
    {Qt::Key_Right, kKeyRight},
    {Qt::Key_Down, kKeyDown},
}};

inline int keyCode(int qtKey) {
    for (const auto& [qt, code] : kKeyCodes) {
        if (qt == qtKey) return code;
    }
    // Other keys in the handlers' range would pass for one of those above.
    return qtKey >= kKeySpace && qtKey <= kKeyDown ? 0 : qtKey;
}

// The shift state as the handlers receive it: Shift 1, Ctrl 2, Alt 4.
inline int shiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

inline int qtKey(int keyCode) {
    for (const auto& [qt, code] : kKeyCodes) {
        if (code == keyCode) return qt;
    }
    return keyCode;
}

}  // namespace tw
