// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas.h"

#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>

namespace tw::drawing {

// One ring of a bevel: the colour of its top and left sides and of its bottom and right sides;
// an empty side is left as it is.
struct Edge {
    std::optional<Colour> top_left;
    std::optional<Colour> bottom_right;
};

// Draws rings from the outside of `outer` inwards. Where the sides meet, the corner pixels on
// the top-right to bottom-left diagonal go to the bottom-right colour.
void bevel(Canvas& canvas, Rect outer, std::initializer_list<Edge> rings);

void raised(Canvas& canvas, Rect outer, int thickness);
void sunken(Canvas& canvas, Rect outer, int thickness);

// A black one-pixel dotted line along the right and bottom edge; the dots keep their phase from
// one 16-pixel cell to the next so a field of cells shows an unbroken dotted grid.
void dotted_grid_edge(Canvas& canvas);

// A text grid, one character a pixel: '.' leaves the pixel, '#' paints `ink`, and a letter
// paints its own colour (see colour_of).
using Glyph = std::span<const std::string_view>;
void stamp(Canvas& canvas, int x, int y, Glyph rows, Colour ink = Colour::black);
int glyph_width(Glyph rows);

// K black, M maroon, G green, O olive, N navy, P purple, T teal, S silver, D grey (dark),
// R red, L lime, Y yellow, B blue, F magenta (fuchsia), C cyan, W white.
Colour colour_of(char letter);

// A round disc in the box (x, y, diameter, diameter), with a one-pixel outline.
void disc(Canvas& canvas, int x, int y, int diameter, Colour inside, Colour outline);

}  // namespace tw::drawing
