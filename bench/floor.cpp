// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

// The least a Qt Widgets program with a menu bar costs: an empty main window of the game's
// Beginner size, with the game's three menu titles, shown. Start-up figures are judged against it.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.menuBar()->addMenu(QStringLiteral("Game"));
    window.menuBar()->addMenu(QStringLiteral("Game Type"));
    window.menuBar()->addMenu(QStringLiteral("&Help"));
    window.resize(152, 195 + window.menuBar()->sizeHint().height());
    window.show();
    return QApplication::exec();
}
