// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/qt/mainwindow.h"
#include "toolkit/qt/input.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <utility>
#include <vector>

#include "toolkit/design.h"
#include "toolkit/placement.h"
#include "toolkit/windows.h"
#include "toolkit/qt/accessible.h"
#include "toolkit/qt/board.h"
#include "toolkit/qt/fixedsize.h"
#include "toolkit/qt/texts.h"

namespace tw {

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

MainWindow::MainWindow(Pictures& pictures)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      menus_(new MenuRows(*this)),
      board_(new Board(pictures, this)),
      second_(new QTimer(this)) {
    setWindowTitle(translated(windowRow(Form::Form1).caption));
    buildMenus();
    menus_->takeMenuKeys(*board_);
    keepFixedSize(*this);
    second_->setInterval(kSecondPeriodMs);
    second_->setTimerType(Qt::PreciseTimer);
    connect(second_, &QTimer::timeout, this, [this] {
        if (Events* events = live()) events->Second_Timer();
    });
}

void MainWindow::setEvents(Events* events) {
    events_ = events;
    board_->setEvents(live());
}

void MainWindow::build() {
    tearDown();
    // A screen reader hears of it with the new field.
    const QAction* marks = action(MenuItem::mnuMarks, 0);
    if (QAccessible::isActive() && marks != nullptr && marks->isChecked()) announceMarks(*board_, false, true);
    board_->clear();
    for (const DesignElement& design : kForm1Design) {
        board_->add({design.elem, design.index, design.picture,
                     QRect(design.left, design.top, design.width, design.height), design.visible,
                     Pointer::Arrow});
    }
    for (const auto& [key, item] : actions_) setCheckMark(*item.action, item.designChecked);
    built_ = true;
    ++builds_;
    board_->setEvents(events_);
    board_->setFocus();
    // The native window keeps its size and place until the field's own size is set: giving it the
    // design's size first would flash it at every new game and move one left past the screen's edge.
    if (sized_) {
        board_->setClientSize(QSize(kDesignClientWidth, kDesignClientHeight));
    } else {
        setClientSize(kDesignClientWidth, kDesignClientHeight);
    }
}

void MainWindow::tearDown() {
    second_->stop();
    board_->forgetTargets();
    board_->setEvents(nullptr);
    built_ = false;
}

QAction* MainWindow::addItem(QMenu* menu, const QString& caption, MenuItem item, int index, const QString& key,
                             bool checked) {
    QAction* action = menu->addAction(caption);
    setCheckMark(*action, checked);
    if (!key.isEmpty()) action->setShortcut(QKeySequence::fromString(key, QKeySequence::PortableText));
    // Check marks belong to the game: undo Qt's own toggle before reporting the command.
    connect(action, &QAction::triggered, this, [this, action, item, index](bool nowChecked) {
        if (action->isCheckable()) action->setChecked(!nowChecked);
        Events* events = live();
        if (events == nullptr) return;
        events->Menu_Click(item, index);
        if (item == MenuItem::mnuMarks && QAccessible::isActive()) announceMarks(*board_, action->isChecked(), false);
    });
    addAction(action);
    actions_[{item, index}] = {action, checked};
    return action;
}

// An open menu takes the mouse: releases of buttons held on the board go to it.
void MainWindow::connectMenu(QMenu* menu) {
    connect(menu, &QMenu::aboutToShow, board_, &Board::forgetTargets);
}

void MainWindow::buildMenus() {
    std::vector<QMenu*> menus;
    for (const Caption& title : kMenuTitles) {
        menus.push_back(menus_->addMenu(translated(title)));
        connectMenu(menus.back());
    }
    for (const MenuEntry& row : kMenu) {
        QMenu* menu = menus[row.title];
        if (row.separated) menu->addSeparator();
        if (row.item == MenuItem::mnuGT) {
            for (const GameType& type : kGameTypes) {
                addItem(menu, translated(type.caption), MenuItem::mnuGT, type.mask, {}, type.checked);
            }
        } else {
            addItem(menu, translated(row.caption), row.item, 0, QString::fromLatin1(row.key), row.checked);
        }
    }
}

int MainWindow::checkedGameType() const {
    return tw::checkedGameType([this](int mask) {
        const QAction* item = action(MenuItem::mnuGT, mask);
        return item != nullptr && item->isChecked();
    });
}

QAction* MainWindow::action(MenuItem item, int index) const {
    const auto found = actions_.find({item, index});
    return found == actions_.end() ? nullptr : found->second.action;
}

void MainWindow::setClientSize(int width, int height) {
    const QRect before = frameGeometry();
    const QSize boardSize = board_->setClientSize(QSize(width, height));
    // The menu titles wrap onto more rows where one is too narrow for them, above the board.
    const int menuHeight = menus_->layOut(boardSize.width());
    board_->setGeometry(QRect(QPoint(0, menuHeight), boardSize));
    const QSize size(boardSize.width(), menuHeight + boardSize.height());
    if (sized_ && size == this->size()) return;
    // Only the player moves a frame that fits on the screen away from where it was last put.
    moved_ = moved_ || (placedAt_ && before.topLeft() != *placedAt_);
    sized_ = true;
    setFixedSize(size);
    place(before, !moved_);
}

namespace {

FrameRect frameRect(const QRect& rect) { return {rect.left(), rect.top(), rect.width(), rect.height()}; }

}  // namespace

// The position of a window is its frame's top-left corner.
void MainWindow::place(const QRect& before, bool centred) {
    const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const FrameRect area = frameRect(screen->availableGeometry());
    const QSize frameSize = size().grownBy(frame_);
    const FrameRect frame = resizedFrame(area, frameRect(before), frameSize.width(), frameSize.height(), !centred);
    move(frame.left, frame.top);
    // The desktop may put a frame larger than the screen elsewhere of its own accord (icewm hides
    // the title bar above it).
    const bool fits = frame.width <= area.width && frame.height <= area.height;
    placedAt_ = fits ? std::optional(frameGeometry().topLeft()) : std::nullopt;
}

// The desktop makes its frame known only once it has framed the shown window, before the player
// can have moved it: the window is centred again with its frame, once.
void MainWindow::learnFrame() {
    if (!frame_.isNull() || !isVisible() || windowHandle() == nullptr) return;
    frame_ = windowHandle()->frameMargins();
    if (!frame_.isNull()) place(frameGeometry(), true);
}

void MainWindow::moveEvent(QMoveEvent* event) {
    learnFrame();
    QWidget::moveEvent(event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    learnFrame();
    if (onWayland()) connect(windowHandle(), &QWindow::windowStateChanged, this, &MainWindow::noteState, Qt::UniqueConnection);
}

void MainWindow::noteState(Qt::WindowState state) {
    minimisedUnseen_ = minimisedUnseen_ || state == Qt::WindowMinimized;
}

void MainWindow::showAfreshIfMinimised() {
    if (!std::exchange(minimisedUnseen_, false)) return;
    hide();
    show();
}

// A click on the game while a dialog holds it back activates the game; the dialog takes the
// keys instead, so that Escape and Enter still reach it.
void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
    minimisedUnseen_ = false;
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != this && modal->isVisible()) modal->activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    Events* events = live();
    if (takesInput(*this) && events != nullptr) events->Form_Close(Form::Form1);
}

}  // namespace tw
