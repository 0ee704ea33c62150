// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/qt/menurows.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include <utility>

namespace tw {

MenuRow::MenuRow(MenuRows& rows, bool first, QWidget* parent) : QMenuBar(parent), rows_(rows), first_(first) {
    // Tight item padding keeps all three titles on one row of a Beginner-wide window in Qt's own font.
    setStyleSheet(QStringLiteral("QMenuBar { spacing: 0px; } QMenuBar::item { padding: 2px 3px; }"));
}

void MenuRow::keyPressEvent(QKeyEvent* event) {
    if (const QAction* from = activeAction(); from != nullptr && rows_.crossed(from, *event)) return;
    QMenuBar::keyPressEvent(event);
}

// Where the style lets a lone Alt take the keyboard to the titles, it opens the first menu there too.
void MenuRow::focusInEvent(QFocusEvent* event) {
    QMenuBar::focusInEvent(event);
    if (first_ && rows_.takeAltAlone()) rows_.openFirst();
}

// A lone Alt takes the keyboard to the first row only, as to a menu bar of one row.
bool MenuRow::eventFilter(QObject* watched, QEvent* event) {
    if (!first_ && event->type() == QEvent::ShortcutOverride) return false;
    return QMenuBar::eventFilter(watched, event);
}

MenuRows::MenuRows(QWidget& window) : QObject(&window), window_(window) { row(0); }

MenuRow& MenuRows::row(int index) {
    while (static_cast<int>(rows_.size()) <= index) {
        rows_.push_back(new MenuRow(*this, rows_.empty(), &window_));
        // The rows come first among the window's children, in their order: a screen reader
        // reads the menus before the field.
        for (auto row = rows_.rbegin(); row != rows_.rend(); ++row) (*row)->lower();
    }
    return *rows_[index];
}

QMenu* MenuRows::addMenu(const QString& title) {
    QMenu* menu = row(0).addMenu(title);
    menu->installEventFilter(this);
    titles_.append(menu->menuAction());
    width_ = -1;
    return menu;
}

QMenuBar& MenuRows::rowOf(const QAction* title) const {
    for (MenuRow* row : rows_) {
        if (row->actions().contains(title)) return *row;
    }
    return *rows_.front();
}

int MenuRows::layOut(int width) {
    if (width == width_) return height_;
    for (MenuRow* row : rows_) {
        for (QAction* title : titles_) row->removeAction(title);
    }
    // A desktop's global menu takes every title and no room in the window.
    const bool global = rows_.front()->isNativeMenuBar();
    int top = 0;
    used_ = 0;
    for (qsizetype next = 0; next < titles_.size(); ++used_) {
        MenuRow& bar = row(used_);
        // A row takes its first title whatever its width, and as many more as Qt shows on it.
        bar.addAction(titles_[next++]);
        bar.setGeometry(0, top, width, bar.sizeHint().height());
        for (; next < titles_.size(); ++next) {
            bar.addAction(titles_[next]);
            if (global || bar.rect().contains(bar.actionGeometry(titles_[next]))) continue;
            bar.removeAction(titles_[next]);
            break;
        }
        int height = bar.heightForWidth(width);
        if (height < 0) height = bar.sizeHint().height();
        bar.setGeometry(0, top, width, height);
        top += height;
    }
    for (int index = 0; index < static_cast<int>(rows_.size()); ++index) rows_[index]->setVisible(index < used_);
    width_ = width;
    height_ = top;
    return top;
}

bool MenuRows::crossed(const QAction* from, const QKeyEvent& event) {
    const QMenuBar& bar = rowOf(from);
    const int forward = bar.isRightToLeft() ? Qt::Key_Left : Qt::Key_Right;
    const int back = bar.isRightToLeft() ? Qt::Key_Right : Qt::Key_Left;
    if ((event.key() != forward && event.key() != back) || (event.modifiers() & ~Qt::KeypadModifier) != 0) {
        return false;
    }
    const qsizetype count = titles_.size();
    QAction* next = titles_[(titles_.indexOf(from) + (event.key() == forward ? 1 : count - 1)) % count];
    if (&rowOf(next) == &bar) return false;
    open(next, true);
    return true;
}

void MenuRows::open(QAction* title, bool firstItem) {
    for (const QAction* shown : titles_) {
        if (shown->menu()->isVisible()) shown->menu()->hide();
    }
    rowOf(title).setActiveAction(title);
    if (!firstItem) return;
    for (QAction* item : title->menu()->actions()) {
        if (item->isSeparator() || !item->isEnabled()) continue;
        title->menu()->setActiveAction(item);
        return;
    }
}

void MenuRows::takeMenuKeys(QWidget& keys) {
    keys_ = &keys;
    keys.installEventFilter(this);
}

// The key that opens the first menu, as on the desktop the game was designed for.
bool MenuRows::openedByKey(const QEvent& event) {
    const auto type = event.type();
    // A click, or the keyboard lost to a window manager's grab (Alt+Tab), makes Alt part of something else.
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) altAlone_ = false;
    if (type == QEvent::FocusOut && static_cast<const QFocusEvent&>(event).reason() != Qt::MenuBarFocusReason) {
        altAlone_ = false;
    }
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    const auto& key = static_cast<const QKeyEvent&>(event);
    if (type == QEvent::KeyRelease) {
        if (key.key() != Qt::Key_Alt || key.isAutoRepeat() || !takeAltAlone()) return false;
    } else if (key.key() == Qt::Key_Alt) {
        altAlone_ = altAlone_ || !key.isAutoRepeat();
        return false;
    } else {
        altAlone_ = false;
        if (type != QEvent::KeyPress || key.key() != Qt::Key_F10 || key.modifiers() != Qt::NoModifier) return false;
    }
    openFirst();
    return type == QEvent::KeyPress;
}

// Alt let go while a button is held belongs to the press, whose release must reach its cell.
bool MenuRows::takeAltAlone() {
    return std::exchange(altAlone_, false) && QApplication::mouseButtons() == Qt::NoButton;
}

void MenuRows::openFirst() {
    if (QApplication::activePopupWidget() == nullptr && !titles_.isEmpty()) open(titles_.front(), true);
}

// An open menu has the mouse: the pointer over a title of another row opens that title's menu, as
// over a title of its own row. (The keys it does not take it hands to its row, MenuRow.)
bool MenuRows::eventFilter(QObject* watched, QEvent* event) {
    if (watched == keys_) return openedByKey(*event);
    const auto* menu = qobject_cast<QMenu*>(watched);
    if (menu == nullptr || used_ < 2 || event->type() != QEvent::MouseMove) return false;
    const QPoint pointer = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
    const QMenuBar& own = rowOf(menu->menuAction());
    for (MenuRow* row : rows_) {
        if (row == &own || !row->isVisible()) continue;
        if (QAction* title = row->actionAt(row->mapFromGlobal(pointer))) {
            open(title, false);
            return true;
        }
    }
    return false;
}

}  // namespace tw
