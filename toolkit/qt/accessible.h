// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/toolkit.h"

namespace tw {

class Board;

// Lets assistive technologies see the board as a panel of cells with the face and the two
// counters beside it, read what each shows and play it through actions, and see the main
// window as a window and the help window as a dialog.
void installAccessibility();

// Tells a listening assistive technology that an element of the board shows a new picture.
void announcePicture(Board& board, Elem elem, int index);

// How many of the field's cells show themselves opened.
int openedCells(const Board& board);
// Tells a screen reader what a key of the field did: the focus cell it moved to, the cell a
// click changed (with `openedBefore` cells opened before it), the counters and the game type, an
// edge it `stayed` against.
void announceKey(Board& board, int key, int openedBefore, bool stayed);
// Tells a screen reader that Marks (?) is on or off now, or with the new field it turns it off.
void announceMarks(Board& board, bool on, bool newField);
// Puts a screen reader on the focus cell when the field takes the focus: the `first` time with
// the field and its keys, later with the news it has not heard.
void announceFocus(Board& board, bool first);
void announceFocusLost(Board& board);
void announceHint(Board& board, const Hint& hint);
// Tells a screen reader, with the next new field, a Custom Field value the game did not take as typed.
void announceTaken(Board& board, TextBox box, int value, Taken taken);
// Tells a screen reader of the new field and its game type on the focus cell, and what the keys do
// if asked.
void announceField(Board& board, bool withKeys);

}  // namespace tw
