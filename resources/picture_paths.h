// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tw::resources {

// Where the pictures built into the program (the tw_resources library) can be loaded from.
std::string bitmap_path(int number);

inline constexpr std::string_view window_icon_path = ":/icons/tilewarden.ico";

}  // namespace tw::resources
