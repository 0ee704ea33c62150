// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
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

}  // namespace tw::drawing
