// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QWidget>

namespace tw {

// Whether a window takes input: enabled and not held back by an open message box. Its close
// control is input too, whichever way the close request comes.
inline bool takesInput(const QWidget& window) {
    const QWidget* modal = QApplication::activeModalWidget();
    return window.isEnabled() && (modal == nullptr || modal == &window);
}

}  // namespace tw
