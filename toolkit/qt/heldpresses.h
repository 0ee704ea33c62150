// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractNativeEventFilter>
#include <QByteArray>

class QWidget;

namespace tw {

// Keeps the X server's button presses on a window that waits for its dialog away from Qt. Qt
// would take the keyboard for the pressed window behind the window manager's back; a manager
// that has just given the keys to the dialog (kwin) then refuses to give them to it again, and
// once the dialog closes the game's keys reach nothing. Releases pass: they end presses made
// before the window began to wait.
class HeldPresses final : public QAbstractNativeEventFilter {
public:
    explicit HeldPresses(const QWidget& window);
    ~HeldPresses() override;
    HeldPresses(const HeldPresses&) = delete;
    HeldPresses& operator=(const HeldPresses&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    const QWidget& window_;
    // The X input extension's major opcode, 0 without it.
    int inputOpcode_ = 0;
};

}  // namespace tw
