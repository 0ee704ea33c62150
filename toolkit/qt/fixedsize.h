// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tw {

// Whether the windows are on a Wayland compositor, which tells a client little of what it does
// with them.
bool onWayland();

// Keeps a window of fixed size at that size whatever the desktop does with it: a maximised or
// full-screen state is undone at once. On Wayland the platform window is let grow, since a
// client that does not take the size of a maximised state it is sent loses its connection; the
// window goes back to its own size as soon as it can.
void keepFixedSize(QWidget& window);

// After the window's fixed size has changed: on Wayland the platform window is let grow again.
void letPlatformWindowGrow(QWidget& window);

}  // namespace tw
