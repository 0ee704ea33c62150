// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QWidget>

#include <map>
#include <utility>

#include "toolkit/toolkit.h"
#include "toolkit/qt/pictures.h"

class QAction;
class QMenuBar;
class QTimer;

namespace tw {

class Board;

void setCheckMark(QAction& action, bool checked);

// Form1: the menu bar above the board, the one-second timer, and the window's keys.
class MainWindow final : public QWidget {
    Q_OBJECT

public:
    // `frame` is the desktop's frame around the window as last seen, empty when not yet known.
    MainWindow(Pictures& pictures, Events* events, QMargins frame);

    void setEvents(Events* events);
    // Stops the timer and all reports: the window is on its way out.
    void retire();

    // Sizes the area below the menu bar, in board pixels, and centres the window's frame on the
    // screen.
    void setClientSize(int width, int height);
    QMargins frame() const { return frame_; }

    Board& board() { return *board_; }
    QTimer& second() { return *second_; }
    QMenuBar& menuBar() { return *menuBar_; }
    // The menu item, or nullptr when there is none of that name and index.
    QAction* action(MenuItem item, int index) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void centre();
    void buildMenus();
    void connectMenu(QMenu* menu);
    QAction* addItem(QMenu* menu, const QString& caption, MenuItem item, int index,
                     const QKeySequence& key, bool checked);

    Events* events_;
    QMenuBar* menuBar_;
    Board* board_;
    QTimer* second_;
    std::map<std::pair<MenuItem, int>, QAction*> actions_;
    QMargins frame_;
};

}  // namespace tw
