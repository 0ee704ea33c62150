// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tw {

// Whether the X server, where there is one, has its keyboard focus on the window itself. Some
// window managers (fluxbox, now and then) leave it on the main window while Qt takes a new dialog
// for active; when the dialog goes, the server reports no change and Qt takes no window for
// active, its keys lost.
bool holdsServerFocus(const QWidget& window);

// Takes the server's keyboard focus off the window and gives it back, so that Qt hears of it.
void renewServerFocus(const QWidget& window);

}  // namespace tw
