// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/qt/serverfocus.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>

namespace tw {

void renewServerFocus(const QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) return;
    xcb_connection_t* server = x11->connection();
    xcb_get_input_focus_reply_t* reply = xcb_get_input_focus_reply(server, xcb_get_input_focus(server), nullptr);
    const bool held = reply != nullptr && reply->focus == window.winId();
    std::free(reply);
    if (!held) return;
    xcb_set_input_focus(server, XCB_INPUT_FOCUS_NONE, XCB_NONE, XCB_CURRENT_TIME);
    xcb_set_input_focus(server, XCB_INPUT_FOCUS_PARENT, window.winId(), XCB_CURRENT_TIME);
    xcb_flush(server);
}

}  // namespace tw
