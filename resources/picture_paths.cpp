// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_paths.h"

namespace tw::resources {

std::string bitmap_path(int number) { return ":/bitmaps/" + std::to_string(number) + ".bmp"; }

}  // namespace tw::resources
