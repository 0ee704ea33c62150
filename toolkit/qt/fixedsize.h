// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tw {

// Whether the windows are on a Wayland compositor, which tells a client little of what it does
// with them.
bool onWayland();

// Keeps a window of fixed size at that size whatever the desktop does with it: a maximised or
// full-screen state is undone at once. A Wayland client that does not take the size of a
// maximised state it is sent loses its connection: there the platform window may grow from the
// moment such a state is asked for (Qt's own decorations offer a maximise button) until the
// compositor lets it go.
void keepFixedSize(QWidget& window);

}  // namespace tw
