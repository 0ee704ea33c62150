// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QString>

namespace {

QtMessageHandler qtHandler = nullptr;

// What the offscreen platform and QTest say about every dialog and refused key would bury the rest.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg &&
        (message.startsWith(QStringLiteral("This plugin does not support")) ||
         message == QStringLiteral("Keyboard event not accepted by receiving widget"))) {
        return;
    }
    qtHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
    // The windows are real but never reach a screen, unless the run names a platform (a real X server).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
