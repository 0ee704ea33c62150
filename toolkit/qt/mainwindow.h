// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QWidget>

#include <map>
#include <optional>
#include <utility>

#include "toolkit/toolkit.h"
#include "toolkit/qt/heldpresses.h"
#include "toolkit/qt/menurows.h"
#include "toolkit/qt/pictures.h"

class QAction;
class QTimer;

namespace tw {

class Board;

void setCheckMark(QAction& action, bool checked);

// Form1: the menu bar above the board, which takes the window's keys, and the one-second timer.
// One native window serves the whole run: each build of Form1 lays out its contents afresh inside it.
class MainWindow final : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(Pictures& pictures);

    void setEvents(Events* events);
    // Lays out the design afresh: its elements, the menus' first check marks, a stopped timer.
    void build();
    // Takes the contents down: the timer stops, held buttons are forgotten and nothing is
    // reported until the next build.
    void tearDown();
    bool built() const { return built_; }
    // How many times the contents have been built.
    int builds() const { return builds_; }

    // Sizes the area below the menu bar, in board pixels. A new size centres the frame on the
    // screen until the player has moved it, and keeps its centre where they left it after.
    void setClientSize(int width, int height);

    Board& board() { return *board_; }
    const Board& board() const { return *board_; }
    QTimer& second() { return *second_; }
    MenuRows& menus() { return *menus_; }
    // The menu item, or nullptr when there is none of that name and index.
    QAction* action(MenuItem item, int index) const;
    // The rule mask of the checked game type, 0 while none is checked.
    int checkedGameType() const;
    // On Wayland a client is never told that the desktop brought its minimised window back, and
    // may not bring it back itself: a window minimised since it was last active is shown afresh.
    void showAfreshIfMinimised();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Events* live() const { return built_ ? events_ : nullptr; }
    // Moves the frame centred on the screen, or round the centre of the frame `before`, inside it.
    void place(const QRect& before, bool centred);
    void learnFrame();
    void noteState(Qt::WindowState state);
    void buildMenus();
    void connectMenu(QMenu* menu);
    QAction* addItem(QMenu* menu, const QString& caption, MenuItem item, int index, const QString& key,
                     bool checked);

    struct Item {
        QAction* action;
        bool designChecked;
    };

    Events* events_ = nullptr;
    MenuRows* menus_;
    Board* board_;
    QTimer* second_;
    std::map<std::pair<MenuItem, int>, Item> actions_;
    // The desktop's frame around the window, empty until the desktop has framed it.
    QMargins frame_;
    HeldPresses heldPresses_{*this};
    // Whether the window has a size, where its frame was last put (if it fitted on the screen),
    // and whether the player has moved it from there since.
    bool sized_ = false;
    std::optional<QPoint> placedAt_;
    bool moved_ = false;
    bool minimisedUnseen_ = false;
    bool built_ = false;
    int builds_ = 0;
};

}  // namespace tw
