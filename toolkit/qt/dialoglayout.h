// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

#include <initializer_list>

class QLineEdit;
class QWidget;

namespace tw {

// A control of a dialog and its rectangle in the design.
struct Placed {
    QWidget* widget;
    QRect designed;
};

// Lays a dialog out as designed, every rectangle and the window grown by one factor, the smallest
// (from 1 up) at which each control's text fits whole in the desktop's font.
// The designed sizes are for the designed font: a larger one grows the dialog, as dialogs grew with
// the system font on the desktop the game was designed for, and the text keeps the desktop's size.
void layOutGrown(QWidget& window, QSize designed, std::initializer_list<Placed> controls);

// Where a line edit of this size shows its line of text.
QRect lineEditContents(const QLineEdit& edit, QSize size);

}  // namespace tw
