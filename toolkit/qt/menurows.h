// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMenuBar>
#include <QObject>

#include <vector>

class QMenu;

namespace tw {

class MenuRows;

// One row of the main window's menu titles: Qt's own menu bar, which hands the keys that lead
// past its ends to the next row, from its titles and from their open menus alike.
class MenuRow final : public QMenuBar {
    Q_OBJECT

public:
    MenuRow(MenuRows& rows, bool first, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MenuRows& rows_;
    bool first_;
};

// The main window's menu titles, in as many rows as the window's width needs. Qt's menu bar keeps
// its titles on one row and hides those that do not fit behind a button of its own; here a title
// that does not fit starts a row below, as menu bars wrap on the desktop the game was designed
// for. Each row is a menu bar, so every title keeps Qt's mouse, keys and accessibility.
class MenuRows final : public QObject {
    Q_OBJECT

public:
    explicit MenuRows(QWidget& window);

    QMenu* addMenu(const QString& title);
    // Lays the titles out from the top of the window in rows `width` wide; returns their height.
    int layOut(int width);
    // The titles in their order, and the row that shows each.
    const QList<QAction*>& titles() const { return titles_; }
    QMenuBar& rowOf(const QAction* title) const;
    int rows() const { return used_; }

    // Opens the title next to `from` when it is on another row; false leaves the key to `from`'s row.
    bool crossed(const QAction* from, const QKeyEvent& event);
    // F10 and a lone Alt on `keys` open the first menu: its title has no access letter.
    void takeMenuKeys(QWidget& keys);
    void openFirst();
    // Whether Alt went down on those keys alone, and is forgotten now.
    bool takeAltAlone();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MenuRow& row(int index);
    void open(QAction* title, bool firstItem);
    bool openedByKey(const QEvent& event);

    QWidget& window_;
    QWidget* keys_ = nullptr;
    // Whether Alt is down with no other key or button since it went down.
    bool altAlone_ = false;
    std::vector<MenuRow*> rows_;
    QList<QAction*> titles_;
    // The rows in use, and the width and height of the last layout.
    int used_ = 1;
    int width_ = -1;
    int height_ = 0;
};

}  // namespace tw
