// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/toolkit.h"

namespace tw {

class Board;

// Lets assistive technologies see the board as a table of cells with the face and the two
// counters beside it, read what each shows and play it through actions, and see the main
// window and the help window as windows.
void installAccessibility();

// Tells a listening assistive technology that an element of the board shows a new picture.
void announcePicture(Board& board, Elem elem, int index);

}  // namespace tw
