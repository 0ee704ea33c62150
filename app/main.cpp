// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "app/game.h"
#include "app/version.h"
#include "store/besttimes.h"
#include "toolkit/qt/qttoolkit.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QString::fromUtf8(tw::kVersion));
    // Closing the main window is the game's decision, reported through Form_Close.
    QApplication::setQuitOnLastWindowClosed(false);
    tw::QtToolkit toolkit;
    tw::Game game(toolkit, tw::besttimesfolder());
    game.start();
    return QApplication::exec();
}
