// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings.h"

#include "bmp.h"
#include "cells.h"
#include "counter.h"
#include "faces.h"
#include "frame.h"
#include "ico.h"
#include "mine_icon.h"
#include "png.h"
#include "resources/catalogue.h"

#include <fstream>
#include <stdexcept>
#include <string>

namespace tw::drawing {

namespace {

// The drawing of one catalogue picture.
Canvas draw(int number) {
    using namespace tw::pictures;
    if (number >= digit(0) && number <= kMinus) return counter_digit(number - digit(0));
    if (number >= openedCell(0) && number <= openedCell(24)) return opened_cell(number - openedCell(0));
    switch (number) {
        case kBuiltInFace: return built_in_face();
        case kSmiling: return face(Mood::smiling);
        case kFacePressed: return pressed_face();
        case kSurprised: return face(Mood::surprised);
        case kDead: return face(Mood::dead);
        case kCool: return face(Mood::cool);
        case kCovered: return covered_cell();
        case kFlag: return flagged_cell();
        case kMine: return mine_cell();
        case kFatalMine: return fatal_mine_cell();
        case kWrongFlag: return wrong_flag_cell();
        case kQuestion: return question_cell();
        case kQuestionPressed: return pressed_question_cell();
        case kCounterBack: return counter_background();
        case kPanelLeft: return frame_pieces().top_left;
        case kPanelRight: return frame_pieces().top_right;
        case kPanelColumn: return frame_pieces().top_column;
        case kCornerLeft: return frame_pieces().bottom_left;
        case kCornerRight: return frame_pieces().bottom_right;
        case kBottomColumn: return frame_pieces().bottom_column;
        case kWallRow: return frame_pieces().wall_row;
        default: throw std::logic_error("no drawing for picture " + std::to_string(number));
    }
}

}  // namespace

std::vector<Picture> all_bitmaps() {
    std::vector<Picture> pictures;
    for (const tw::pictures::Entry& entry : tw::pictures::kCatalogue) pictures.push_back({entry.number, draw(entry.number)});
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
