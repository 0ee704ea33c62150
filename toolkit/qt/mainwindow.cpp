// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/qt/mainwindow.h"
#include "toolkit/qt/input.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "toolkit/design.h"
#include "toolkit/qt/board.h"

namespace tw {

namespace {

int shiftState(Qt::KeyboardModifiers modifiers) {
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= 1;
    if (modifiers & Qt::ControlModifier) shift |= 2;
    if (modifiers & Qt::AltModifier) shift |= 4;
    return shift;
}

}  // namespace

// Only a checked item is checkable, so that unchecked ones show no empty box.
void setCheckMark(QAction& action, bool checked) {
    if (checked) {
        action.setCheckable(true);
        action.setChecked(true);
    } else {
        action.setChecked(false);
        action.setCheckable(false);
    }
}

MainWindow::MainWindow(Pictures& pictures, Events* events, QMargins frame)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      events_(events),
      menuBar_(new QMenuBar(this)),
      board_(new Board(pictures, this)),
      second_(new QTimer(this)),
      frame_(frame) {
    setWindowTitle(tr("Tilewarden"));
    // Tight item padding keeps all three menus on the bar of a Beginner-wide window.
    menuBar_->setStyleSheet(QStringLiteral("QMenuBar { spacing: 0px; } QMenuBar::item { padding: 2px 3px; }"));
    buildMenus();
    for (const DesignElement& design : kForm1Design) {
        board_->add({design.elem, design.index, design.picture,
                     QRect(design.left, design.top, design.width, design.height), design.visible,
                     Pointer::Arrow});
    }
    board_->setEvents(events);
    second_->setInterval(kSecondPeriodMs);
    second_->setTimerType(Qt::PreciseTimer);
    connect(second_, &QTimer::timeout, this, [this] {
        if (events_ != nullptr) events_->Second_Timer();
    });
    setClientSize(kDesignClientWidth, kDesignClientHeight);
}

void MainWindow::setEvents(Events* events) {
    events_ = events;
    board_->setEvents(events);
}

void MainWindow::retire() {
    second_->stop();
    setEvents(nullptr);
}

QAction* MainWindow::addItem(QMenu* menu, const QString& caption, MenuItem item, int index,
                             const QKeySequence& key, bool checked) {
    QAction* action = menu->addAction(caption);
    setCheckMark(*action, checked);
    if (!key.isEmpty()) action->setShortcut(key);
    // Check marks belong to the game: undo Qt's own toggle before reporting the command.
    connect(action, &QAction::triggered, this, [this, action, item, index](bool nowChecked) {
        if (action->isCheckable()) action->setChecked(!nowChecked);
        if (events_ != nullptr) events_->Menu_Click(item, index);
    });
    addAction(action);
    actions_[{item, index}] = action;
    return action;
}

// An open menu takes the mouse: releases of buttons held on the board go to it.
void MainWindow::connectMenu(QMenu* menu) {
    connect(menu, &QMenu::aboutToShow, board_, &Board::forgetTargets);
}

void MainWindow::buildMenus() {
    QMenu* game = menuBar_->addMenu(tr("Game"));
    connectMenu(game);
    addItem(game, tr("New Game"), MenuItem::mnuNew, 0, QKeySequence(Qt::Key_F2), false);
    game->addSeparator();
    addItem(game, tr("Beginner"), MenuItem::mnuBeginner, 0,
            QKeySequence(Qt::CTRL | Qt::Key_B), true);
    addItem(game, tr("Intermediate"), MenuItem::mnuIntermediate, 0,
            QKeySequence(Qt::CTRL | Qt::Key_I), false);
    addItem(game, tr("Expert"), MenuItem::mnuHard, 0, QKeySequence(Qt::CTRL | Qt::Key_E),
            false);
    addItem(game, tr("Custom..."), MenuItem::mnuCustom, 0,
            QKeySequence(Qt::CTRL | Qt::Key_C), false);
    game->addSeparator();
    addItem(game, tr("Marks (?)"), MenuItem::mnuMarks, 0,
            QKeySequence(Qt::CTRL | Qt::Key_M), false);
    game->addSeparator();
    addItem(game, tr("Exit"), MenuItem::mnuExit, 0, QKeySequence(Qt::CTRL | Qt::Key_X),
            false);

    QMenu* types = menuBar_->addMenu(tr("Game Type"));
    connectMenu(types);
    for (const GameType& type : kGameTypes) {
        addItem(types, QCoreApplication::translate(type.caption.context, type.caption.text), MenuItem::mnuGT,
                type.mask, {}, type.checked);
    }

    QMenu* help = menuBar_->addMenu(tr("&Help"));
    connectMenu(help);
    addItem(help, tr("&How to Play"), MenuItem::mnuHowTo, 0, {}, false);
}

QAction* MainWindow::action(MenuItem item, int index) const {
    const auto found = actions_.find({item, index});
    return found == actions_.end() ? nullptr : found->second;
}

void MainWindow::setClientSize(int width, int height) {
    const QSize boardSize = board_->setClientSize(QSize(width, height));
    int menuHeight = menuBar_->heightForWidth(boardSize.width());
    if (menuHeight < 0) menuHeight = menuBar_->sizeHint().height();
    menuBar_->setGeometry(0, 0, boardSize.width(), menuHeight);
    board_->setGeometry(QRect(QPoint(0, menuHeight), boardSize));
    setFixedSize(boardSize.width(), menuHeight + boardSize.height());
    centre();
}

// The position of a window is its frame's top-left corner.
void MainWindow::centre() {
    QRect frame = QRect(QPoint(0, 0), size()).marginsAdded(frame_);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        frame.moveCenter(screen->availableGeometry().center());
    }
    move(frame.topLeft());
}

// The desktop makes the frame known only once it has framed the shown window. Asked while the
// frame goes away (a retired window being hidden) the window system fails hard, so only then.
void MainWindow::moveEvent(QMoveEvent* event) {
    if (frame_.isNull() && events_ != nullptr && isVisible() && windowHandle() != nullptr) {
        frame_ = windowHandle()->frameMargins();
        if (!frame_.isNull()) centre();
    }
    QWidget::moveEvent(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (events_ != nullptr) events_->Form_KeyDown(event->key(), shiftState(event->modifiers()));
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    // Only the real release counts; a held key reports its repeats as presses.
    if (event->isAutoRepeat()) return;
    if (events_ != nullptr) events_->Form_KeyUp(event->key(), shiftState(event->modifiers()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (takesInput(*this) && events_ != nullptr) events_->Form_Close(Form::Form1);
}

}  // namespace tw
