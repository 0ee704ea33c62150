// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QWidget>

#include <array>
#include <set>
#include <vector>

#include "toolkit/toolkit.h"
#include "toolkit/qt/pictures.h"

namespace tw {

// The main window's client area: one widget that draws every image element itself, back to
// front, passes mouse presses and releases to the element they belong to, and holds the window's
// keyboard focus: its keys play on the field or are reported as the window's. Element
// rectangles are board pixels; on screen each board pixel is a square of scale() device pixels.
class Board final : public QWidget {
    Q_OBJECT

public:
    struct Element {
        Elem elem;
        int index;
        int picture;
        QRect rect;
        bool visible;
        Pointer pointer;
    };

    Board(Pictures& pictures, QWidget* parent);

    void setEvents(Events* events) { events_ = events; }

    // Sets the size in board pixels and sizes the widget to show it whole; returns the
    // widget's size.
    QSize setClientSize(QSize size);
    QSize clientSize() const { return clientSize_; }
    // Device pixels per board pixel: the device pixel ratio rounded to a whole number, at least 1.
    int scale() const;
    // A point of the widget in board pixels, and back to the middle of that board pixel.
    QPoint toBoard(QPointF widgetPos) const;
    QPointF toWidget(QPoint boardPos) const;

    // Takes every element away, for a build of the window's contents from scratch.
    void clear();
    // Adds an element in front of all others; an existing one of that name is replaced.
    void add(const Element& element);
    void createBox(int index);
    void setPicture(Elem elem, int index, int picture);
    void move(Elem elem, int index, int left, int top);
    void resize(Elem elem, int index, int width, int height);
    int width(Elem elem, int index) const;
    void show(Elem elem, int index);
    void bringToFront(Elem elem, int index);
    void setPointer(Elem elem, int index, Pointer pointer);

    // A press and a release of `button` on the element, as a click of that mouse button gives.
    void click(Elem elem, int index, int button);

    const Element* find(Elem elem, int index) const;
    // The element the mouse would reach at `pos` (board pixels), or nullptr.
    const Element* inputElementAt(QPoint pos) const;

    // Forgets every held button's press target: its release can no longer come here.
    void forgetTargets() { targets_.fill(kNoTarget); }

    // The field's focus cell, which its keys move and click; the mark on it shows from the first
    // move by key to the next mouse press.
    int focusCell() const { return focus_; }
    // Back to the first cell, unmarked, for a new field; a screen reader hears of it once the
    // field is laid out.
    void resetFocus();
    // The cells marked while N is held: those the number of the focus cell, or of the cell under
    // the pointer, counts under the checked game type.
    const std::vector<int>& shownNeighbourhood() const { return neighbourhood_; }
    int neighbourhoodCentre() const;
    // Moves the focus cell to the hint's cell, shown, and tells a screen reader why it is safe.
    void showHint(const Hint& hint);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    int slot(Elem elem, int index) const;
    int topmostAt(QPoint pos, bool inputOnly) const;
    QRect widgetRect(const QRect& boardRect) const;
    QRect boardRect(const QRect& widgetRect) const;
    void repaint(const Element& element);
    void hover(int slot);
    // Finds the element under the pointer afresh: the pointer may have come to rest there while
    // the board took no mouse events.
    void rehover();
    void refreshCursor();
    void forgetReleased(Qt::MouseButtons held);
    void press(int slot, int button);
    // The field key's move or click, and what a screen reader is told of it.
    void play(int key, bool repeat);
    void setMarked(bool marked);
    void showNeighbourhood();
    void setNeighbourhood(std::vector<int> cells);
    void release(int slot, int button);
    // The board loses the keyboard: the keys down here are let go for the game, which hears their
    // key-ups as soon as the window takes input.
    void letGoOfKeys();
    void reportLetGoKeys();

    Pictures& pictures_;
    Events* events_ = nullptr;
    QSize clientSize_;
    std::vector<Element> elements_;
    // Slots back to front.
    std::vector<int> order_;
    std::array<std::array<int, 2>, 10> frameSlots_{};
    std::vector<int> boxSlots_;
    // Per button (left, right, middle), the slot that took its press, kFrame for a press on no
    // element that takes the mouse, kNoTarget while the button is up.
    static constexpr int kNoTarget = -2;
    static constexpr int kFrame = -1;
    std::array<int, 3> targets_{kNoTarget, kNoTarget, kNoTarget};
    int hovered_ = -1;
    int focus_ = 1;
    bool marked_ = false;
    // Whether a screen reader has heard the field's keys, told at the first focus.
    bool introduced_ = false;
    bool crossShown_ = false;
    std::vector<int> neighbourhood_;
    // The keys (Qt's codes) down on the board, and those it was let go of whose key-ups are due.
    std::set<int> held_;
    std::set<int> letGo_;
};

}  // namespace tw
