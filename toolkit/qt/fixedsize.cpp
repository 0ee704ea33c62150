// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/qt/fixedsize.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace tw {

namespace {

constexpr Qt::WindowStates kLarger = Qt::WindowMaximized | Qt::WindowFullScreen;

// Watches the widget and, once it has one, its platform window, whose state changes are the
// desktop's own word: the widget's state is also what the game last asked for.
class SizeKeeper final : public QObject {
public:
    explicit SizeKeeper(QWidget& window) : QObject(&window), window_(window) { window.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &window_) {
            if (event->type() == QEvent::WindowStateChange) desktopState(window_.windowHandle()->windowStates());
        } else if (event->type() == QEvent::Resize && !restoring_) {
            QTimer::singleShot(0, this, &SizeKeeper::shrink);
        } else if (event->type() == QEvent::Show) {
            QWindow* platform = window_.windowHandle();
            platform->installEventFilter(this);
            if (onWayland()) connect(platform, &QWindow::windowStateChanged, this, &SizeKeeper::asked, Qt::UniqueConnection);
        }
        return false;
    }

private:
    // Asked for, not yet given: the platform window may take the compositor's size.
    void asked(Qt::WindowState state) {
        if (state & kLarger) window_.windowHandle()->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    }

    // A larger state is undone; the size waits until the desktop has let the window go: a Wayland
    // client that commits another size while its compositor holds it maximised loses its
    // connection, and an X11 window manager ignores one asked for meanwhile.
    void desktopState(Qt::WindowStates states) {
        if (states & kLarger) {
            restoring_ = true;
            QTimer::singleShot(0, this, [this] { window_.setWindowState(window_.windowState() & ~kLarger); });
        } else if (std::exchange(restoring_, false)) {
            QTimer::singleShot(0, this, &SizeKeeper::shrink);
        }
    }

    // Back to the fixed size: some window managers leave the size they gave (fluxbox with a dialog,
    // icewm).
    void shrink() {
        if (restoring_) return;
        window_.windowHandle()->setMaximumSize(window_.maximumSize());
        const QSize fixed = window_.minimumSize();
        if (fixed == window_.maximumSize() && window_.size() != fixed) window_.resize(fixed);
    }

    QWidget& window_;
    bool restoring_ = false;
};

}  // namespace

bool onWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

void keepFixedSize(QWidget& window) { new SizeKeeper(window); }

}  // namespace tw
