// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "byte_writer.h"
#include "canvas.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace tw::drawing {

struct Picture {
    int number;
    Canvas canvas;
};

// Every bitmap of the catalogue, in its order.
std::vector<Picture> all_bitmaps();

inline constexpr std::array<int, 6> icon_png_sizes{16, 32, 48, 64, 128, 256};

struct OutputFile {
    std::string path;  // relative to the resources folder, e.g. "bitmaps/301.bmp"
    Bytes bytes;
};

// Every file the resources folder holds: the bitmaps, the window icon and its PNG sizes.
std::vector<OutputFile> all_files();

// Writes all_files() below `resources`, creating the folders; throws on a failed write.
void write_all(const std::filesystem::path& resources);

}  // namespace tw::drawing
