// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/qt/serverfocus.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>

namespace tw {

namespace {

xcb_connection_t* server() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

}  // namespace

bool holdsServerFocus(const QWidget& window) {
    if (server() == nullptr) return false;
    xcb_get_input_focus_reply_t* reply = xcb_get_input_focus_reply(server(), xcb_get_input_focus(server()), nullptr);
    const bool held = reply != nullptr && reply->focus == window.winId();
    std::free(reply);
    return held;
}

void renewServerFocus(const QWidget& window) {
    xcb_connection_t* server = tw::server();
    if (server == nullptr) return;
    xcb_set_input_focus(server, XCB_INPUT_FOCUS_NONE, XCB_NONE, XCB_CURRENT_TIME);
    xcb_set_input_focus(server, XCB_INPUT_FOCUS_PARENT, window.winId(), XCB_CURRENT_TIME);
    xcb_flush(server);
}

}  // namespace tw
