// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>

#include <chrono>
#include <cstdio>
#include <cstdlib>

// Preloaded into a Qt program, this notes the moment its first frame is on screen and ends the
// program there. It watches every event from the moment the application object exists; the
// first paint event marks a frame being drawn, and a queued call runs once that whole frame has
// been painted and flushed. The time (steady_clock, nanoseconds) goes to the file named by
// TW_FIRSTFRAME_OUT.
namespace {

class FirstFrame final : public QObject {
public:
    explicit FirstFrame(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
            seen_ = true;
            QMetaObject::invokeMethod(this, &FirstFrame::finish, Qt::QueuedConnection);
        }
        return false;
    }

private:
    static void finish() {
        const long long now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                  std::chrono::steady_clock::now().time_since_epoch())
                                  .count();
        if (const char* path = std::getenv("TW_FIRSTFRAME_OUT")) {
            if (std::FILE* out = std::fopen(path, "w")) {
                std::fprintf(out, "%lld\n", now);
                std::fclose(out);
            }
        }
        // Nothing after the first frame is measured, so the program's own shutdown is skipped.
        std::_Exit(0);
    }

    bool seen_ = false;
};

void watchForTheFirstFrame() {
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new FirstFrame(app));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForTheFirstFrame)
