// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include "bmp.h"
#include "cells.h"
#include "counter.h"
#include "faces.h"
#include "frame.h"
#include "ico.h"
#include "mine_icon.h"
#include "png.h"

#include <fstream>
#include <stdexcept>

namespace tw::drawing {

std::vector<Picture> all_bitmaps() {
    std::vector<Picture> pictures;
    pictures.push_back({100, built_in_face()});
    pictures.push_back({101, face(Mood::smiling)});
    pictures.push_back({102, pressed_face()});
    pictures.push_back({103, face(Mood::surprised)});
    pictures.push_back({104, face(Mood::dead)});
    pictures.push_back({105, face(Mood::cool)});
    for (int digit = 0; digit <= 10; ++digit) pictures.push_back({200 + digit, counter_digit(digit)});
    for (int count = 0; count <= 24; ++count) pictures.push_back({300 + count, opened_cell(count)});
    pictures.push_back({400, covered_cell()});
    pictures.push_back({401, flagged_cell()});
    pictures.push_back({402, mine_cell()});
    pictures.push_back({403, fatal_mine_cell()});
    pictures.push_back({404, wrong_flag_cell()});
    pictures.push_back({405, question_cell()});
    pictures.push_back({406, pressed_question_cell()});
    pictures.push_back({500, counter_background()});
    FramePieces frame = frame_pieces();
    pictures.push_back({501, std::move(frame.top_left)});
    pictures.push_back({502, std::move(frame.top_right)});
    pictures.push_back({503, std::move(frame.top_column)});
    pictures.push_back({504, std::move(frame.bottom_left)});
    pictures.push_back({505, std::move(frame.bottom_right)});
    pictures.push_back({506, std::move(frame.bottom_column)});
    pictures.push_back({507, std::move(frame.wall_row)});
    return pictures;
}

std::vector<OutputFile> all_files() {
    std::vector<OutputFile> files;
    for (const Picture& picture : all_bitmaps())
        files.push_back({"bitmaps/" + std::to_string(picture.number) + ".bmp", encode_bmp(picture.canvas)});
    files.push_back({"icons/tilewarden.ico", encode_ico({mine_icon(16), mine_icon(32)})});
    for (int size : icon_png_sizes)
        files.push_back({"icons/tilewarden-" + std::to_string(size) + ".png", encode_png(mine_icon(size))});
    return files;
}

void write_all(const std::filesystem::path& resources) {
    for (const OutputFile& file : all_files()) {
        const std::filesystem::path path = resources / file.path;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.bytes.data()), static_cast<std::streamsize>(file.bytes.size()));
        if (!out) throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace tw::drawing
