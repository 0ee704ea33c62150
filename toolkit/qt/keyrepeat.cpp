// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/qt/keyrepeat.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>

namespace tw {

void repeatKeysAsPresses() {
    // Only the X11 platform gives a display; the others repeat keys without a release.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->display() == nullptr) return;
    Bool supported = False;
    XkbSetDetectableAutoRepeat(x11->display(), True, &supported);
}

}  // namespace tw
