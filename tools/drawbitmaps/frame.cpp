// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame.h"

#include "cells.h"
#include "primitives.h"

namespace tw::drawing {

namespace {

constexpr int outer_bevel = 3;
constexpr int field_bevel = 3;
constexpr int panel_bevel = 2;
// The sunken panel around the counters and the face, inside the top panel.
constexpr int panel_top = 9;
constexpr int panel_height = 37;

int client_width(int across) { return cell_size * across + 2 * wall_width; }
int client_height(int down) { return cell_size * down + top_panel_height + bottom_edge_height; }

void stretch(Canvas& target, const Canvas& piece, Rect area) {
    for (int y = 0; y < area.height; ++y)
        for (int x = 0; x < area.width; ++x)
            target.set(area.x + x, area.y + y, piece.at(x % piece.width(), y % piece.height()));
}

}  // namespace

Canvas frame_model(int across, int down) {
    const int width = client_width(across);
    const int height = client_height(down);
    Canvas frame(width, height);
    raised(frame, frame.bounds(), outer_bevel);
    const int inset = wall_width - field_bevel;
    sunken(frame, {inset, panel_top, width - 2 * inset, panel_height}, panel_bevel);
    sunken(frame,
           {inset, top_panel_height - field_bevel, cell_size * across + 2 * field_bevel,
            cell_size * down + 2 * field_bevel},
           field_bevel);
    return frame;
}

FramePieces frame_pieces() {
    const int across = 2;
    const int down = 1;
    const Canvas model = frame_model(across, down);
    const int right = model.width() - wall_width;
    const int bottom = model.height() - bottom_edge_height;
    return {
        model.crop({0, 0, wall_width, top_panel_height}),
        model.crop({right, 0, wall_width, top_panel_height}),
        model.crop({wall_width, 0, 1, top_panel_height}),
        model.crop({0, bottom, wall_width, bottom_edge_height}),
        model.crop({right, bottom, wall_width, bottom_edge_height}),
        model.crop({wall_width, bottom, 1, bottom_edge_height}),
        model.crop({0, top_panel_height, wall_width, 1}),
    };
}

Canvas assemble_frame(const FramePieces& pieces, int across, int down) {
    const int field_width = cell_size * across;
    const int field_height = cell_size * down;
    const int right = wall_width + field_width;
    const int bottom = top_panel_height + field_height;
    Canvas frame(client_width(across), client_height(down));
    frame.paste(pieces.top_left, 0, 0);
    stretch(frame, pieces.top_column, {wall_width, 0, field_width, top_panel_height});
    frame.paste(pieces.top_right, right, 0);
    stretch(frame, pieces.wall_row, {0, top_panel_height, wall_width, field_height});
    stretch(frame, pieces.wall_row, {right, top_panel_height, wall_width, field_height});
    frame.paste(pieces.bottom_left, 0, bottom);
    stretch(frame, pieces.bottom_column, {wall_width, bottom, field_width, bottom_edge_height});
    frame.paste(pieces.bottom_right, right, bottom);
    return frame;
}

}  // namespace tw::drawing
