// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/qt/heldpresses.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <xcb/xcb.h>

#include "toolkit/qt/input.h"

namespace tw {

namespace {

// The input extension's press, as the X server lays it out.
constexpr std::uint16_t kInputButtonPress = 4;
constexpr std::size_t kInputEventWindowAt = 24;

int inputExtensionOpcode(xcb_connection_t* connection) {
    static constexpr char kName[] = "XInputExtension";
    const xcb_query_extension_cookie_t cookie = xcb_query_extension(connection, sizeof kName - 1, kName);
    xcb_query_extension_reply_t* reply = xcb_query_extension_reply(connection, cookie, nullptr);
    if (reply == nullptr) return 0;
    const int opcode = reply->present ? reply->major_opcode : 0;
    std::free(reply);
    return opcode;
}

}  // namespace

HeldPresses::HeldPresses(const QWidget& window) : window_(window) {
    // Only the X11 platform gives a connection; the offscreen one may answer with none.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) return;
    inputOpcode_ = inputExtensionOpcode(x11->connection());
    QCoreApplication::instance()->installNativeEventFilter(this);
}

// Removing a filter that was never installed does nothing.
HeldPresses::~HeldPresses() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
}

bool HeldPresses::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    xcb_window_t target = XCB_NONE;
    switch (event->response_type & 0x7f) {
        case XCB_BUTTON_PRESS:
            target = reinterpret_cast<const xcb_button_press_event_t*>(event)->event;
            break;
        case XCB_GE_GENERIC: {
            const auto* generic = reinterpret_cast<const xcb_ge_generic_event_t*>(event);
            if (generic->extension != inputOpcode_ || generic->event_type != kInputButtonPress) return false;
            std::memcpy(&target, reinterpret_cast<const char*>(event) + kInputEventWindowAt, sizeof target);
            break;
        }
        default:
            return false;
    }
    // Most events are no press and end above, before the modal lookup.
    return target == window_.winId() && !takesInput(window_);
}

}  // namespace tw
