// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace tw {

inline constexpr std::string_view kDefaultRecord = "999999999MrNobodyMrNobodyMrNobody";
inline constexpr std::string_view kBestTimesName = "minebs.txt";
inline constexpr std::size_t kBestTimesLineLimit = 64 * 1024;

// Makes sure folder/minebs.txt exists and returns the new value of `besttimes`.
// A missing file is created with the quoted default record and the default is
// returned; an ordinary file gives its first line (up to the first CR, at most
// kBestTimesLineLimit bytes). Anything that goes wrong gives the default record and
// leaves whatever is on the disk as it was.
std::string scoreload(const std::filesystem::path& folder);

// $XDG_DATA_HOME/tilewarden, else $HOME/.local/share/tilewarden, else the current folder.
std::filesystem::path besttimesfolder();

}  // namespace tw
