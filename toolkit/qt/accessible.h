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
// click changed (with `openedBefore` cells opened before it), the counters.
void announceKey(Board& board, int key, int openedBefore);
// Puts a screen reader back on the focus cell when the field takes the focus, with what it
// could not be told meanwhile, or what it was last told.
void announceFocus(Board& board);
// Tells a screen reader of the new field on the focus cell, and what the keys do if asked.
void announceField(Board& board, bool withKeys);

}  // namespace tw
