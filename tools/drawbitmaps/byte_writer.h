// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace tw::drawing {

using Bytes = std::vector<std::uint8_t>;

inline void put_le16(Bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void put_le32(Bytes& out, std::uint32_t v) {
    put_le16(out, v & 0xFFFFu);
    put_le16(out, v >> 16);
}

inline void put_be32(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

inline void put_text(Bytes& out, std::string_view text) {
    for (char c : text) out.push_back(static_cast<std::uint8_t>(c));
}

}  // namespace tw::drawing
