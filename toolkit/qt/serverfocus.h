// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tw {

// Where the X server's keyboard focus is on the window already, takes it off and gives it back,
// so that Qt hears of it. Some window managers (fluxbox) leave the focus on the main window while
// Qt takes a new dialog for active; when the dialog goes, the server reports no change and Qt
// would take no window for active, its keys lost.
void renewServerFocus(const QWidget& window);

}  // namespace tw
