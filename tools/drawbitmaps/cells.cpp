// SPDX-License-Identifier: GPL-3.0-or-later
#include "cells.h"

#include "glyphs.h"
#include "primitives.h"

#include <stdexcept>

namespace tw::drawing {

namespace {

Canvas flat_cell(Colour face = Colour::silver) {
    Canvas cell(cell_size, cell_size);
    cell.fill({0, 0, cell_size - 1, cell_size - 1}, face);
    dotted_grid_edge(cell);
    return cell;
}

Colour number_colour(int count) {
    switch (count) {
    case 1: return Colour::blue;
    case 2: return Colour::green;
    case 3: return Colour::red;
    case 4: return Colour::navy;
    case 5: return Colour::maroon;
    case 6: return Colour::teal;
    case 7: return Colour::purple;
    default: return Colour::black;
    }
}

// The glyphs are centred on the 15 x 15 face that the dotted edge leaves.
constexpr int glyph_top = 3;

}  // namespace

Canvas opened_cell(int count) {
    if (count < 0 || count > 24) throw std::out_of_range("a cell counts 0 to 24 neighbours");
    Canvas cell = flat_cell();
    if (count == 0) return cell;
    const Colour ink = number_colour(count);
    if (count < 10) {
        stamp(cell, 5, glyph_top, glyphs::numerals[static_cast<std::size_t>(count)], ink);
    } else {
        stamp(cell, 2, glyph_top, glyphs::narrow_numerals[static_cast<std::size_t>(count / 10)], ink);
        stamp(cell, 8, glyph_top, glyphs::narrow_numerals[static_cast<std::size_t>(count % 10)], ink);
    }
    return cell;
}

Canvas covered_cell() {
    Canvas cell(cell_size, cell_size);
    bevel(cell, cell.bounds(), {{Colour::white, Colour::black}, {Colour::white, Colour::grey}});
    return cell;
}

Canvas flagged_cell() {
    Canvas cell = covered_cell();
    stamp(cell, 2, 3, glyphs::flag);
    return cell;
}

Canvas mine_cell() {
    Canvas cell = flat_cell();
    stamp(cell, 1, 1, glyphs::mine);
    return cell;
}

Canvas fatal_mine_cell() {
    Canvas cell = flat_cell(Colour::red);
    stamp(cell, 1, 1, glyphs::mine);
    return cell;
}

Canvas wrong_flag_cell() {
    Canvas cell = mine_cell();
    stamp(cell, 2, 2, glyphs::cross);
    return cell;
}

Canvas question_cell() {
    Canvas cell = covered_cell();
    stamp(cell, 5, glyph_top, glyphs::question_mark, Colour::blue);
    return cell;
}

Canvas pressed_question_cell() {
    Canvas cell = flat_cell();
    stamp(cell, 5, glyph_top, glyphs::question_mark, Colour::navy);
    return cell;
}

}  // namespace tw::drawing
