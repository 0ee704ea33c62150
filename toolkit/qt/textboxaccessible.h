// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAccessibleInterface;
class QLineEdit;

namespace tw {

// A text box as a screen reader reads it: its whole text is one run of attributes, so a reader
// that speaks a line run by run speaks the value ("Width: 16"), not only the label.
QAccessibleInterface* textBoxAccessible(QLineEdit* box);

}  // namespace tw
