// SPDX-License-Identifier: GPL-3.0-or-later
#include "primitives.h"

#include <algorithm>
#include <stdexcept>

namespace tw::drawing {

void bevel(Canvas& canvas, Rect outer, std::initializer_list<Edge> rings) {
    for (int y = outer.y; y <= outer.bottom(); ++y) {
        for (int x = outer.x; x <= outer.right(); ++x) {
            const int to_top_left = std::min(x - outer.x, y - outer.y);
            const int to_bottom_right = std::min(outer.right() - x, outer.bottom() - y);
            const int ring = std::min(to_top_left, to_bottom_right);
            if (ring >= static_cast<int>(rings.size())) continue;
            const Edge& edge = rings.begin()[ring];
            const auto colour = to_top_left < to_bottom_right ? edge.top_left : edge.bottom_right;
            if (colour) canvas.set(x, y, *colour);
        }
    }
}

void raised(Canvas& canvas, Rect outer, int thickness) {
    for (int i = 0; i < thickness; ++i)
        bevel(canvas, {outer.x + i, outer.y + i, outer.width - 2 * i, outer.height - 2 * i},
              {{Colour::white, Colour::grey}});
}

void sunken(Canvas& canvas, Rect outer, int thickness) {
    for (int i = 0; i < thickness; ++i)
        bevel(canvas, {outer.x + i, outer.y + i, outer.width - 2 * i, outer.height - 2 * i},
              {{Colour::grey, Colour::white}});
}

void dotted_grid_edge(Canvas& canvas) {
    const int right = canvas.width() - 1;
    const int bottom = canvas.height() - 1;
    for (int y = 0; y <= bottom; ++y)
        if ((right + y) % 2 == 0) canvas.set(right, y, Colour::black);
    for (int x = 0; x <= right; ++x)
        if ((x + bottom) % 2 == 0) canvas.set(x, bottom, Colour::black);
}

Colour colour_of(char letter) {
    switch (letter) {
    case 'K': return Colour::black;
    case 'M': return Colour::maroon;
    case 'G': return Colour::green;
    case 'O': return Colour::olive;
    case 'N': return Colour::navy;
    case 'P': return Colour::purple;
    case 'T': return Colour::teal;
    case 'S': return Colour::silver;
    case 'D': return Colour::grey;
    case 'R': return Colour::red;
    case 'L': return Colour::lime;
    case 'Y': return Colour::yellow;
    case 'B': return Colour::blue;
    case 'F': return Colour::magenta;
    case 'C': return Colour::cyan;
    case 'W': return Colour::white;
    default: throw std::invalid_argument(std::string("no colour for '") + letter + "'");
    }
}

void stamp(Canvas& canvas, int x, int y, Glyph rows, Colour ink) {
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const std::string_view line = rows[static_cast<std::size_t>(row)];
        for (int col = 0; col < static_cast<int>(line.size()); ++col) {
            const char c = line[static_cast<std::size_t>(col)];
            if (c == '.') continue;
            canvas.set(x + col, y + row, c == '#' ? ink : colour_of(c));
        }
    }
}

int glyph_width(Glyph rows) {
    std::size_t width = 0;
    for (std::string_view line : rows) width = std::max(width, line.size());
    return static_cast<int>(width);
}

namespace {

bool in_disc(int col, int row, int diameter) {
    if (col < 0 || row < 0 || col >= diameter || row >= diameter) return false;
    // Doubled coordinates keep the centre on a pixel corner or a pixel centre without fractions.
    const int dx = 2 * col + 1 - diameter;
    const int dy = 2 * row + 1 - diameter;
    return dx * dx + dy * dy <= diameter * diameter;
}

}  // namespace

void disc(Canvas& canvas, int x, int y, int diameter, Colour inside, Colour outline) {
    for (int row = 0; row < diameter; ++row) {
        for (int col = 0; col < diameter; ++col) {
            if (!in_disc(col, row, diameter)) continue;
            const bool edge = !in_disc(col - 1, row, diameter) || !in_disc(col + 1, row, diameter) ||
                              !in_disc(col, row - 1, diameter) || !in_disc(col, row + 1, diameter);
            canvas.set(x + col, y + row, edge ? outline : inside);
        }
    }
}

}  // namespace tw::drawing
