// SPDX-License-Identifier: GPL-3.0-or-later
#include "png.h"

#include <algorithm>
#include <array>

namespace tw::drawing {

namespace {

constexpr std::uint8_t transparent_index = 16;

std::uint32_t crc32(const Bytes& data, std::size_t from) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = from; i < data.size(); ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

std::uint32_t adler32(const Bytes& data) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % 65521u;
        b = (b + a) % 65521u;
    }
    return (b << 16) | a;
}

void put_chunk(Bytes& out, std::string_view type, const Bytes& data) {
    put_be32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    put_text(out, type);
    out.insert(out.end(), data.begin(), data.end());
    put_be32(out, crc32(out, start));
}

// A zlib stream of stored deflate blocks.
Bytes stored_zlib(const Bytes& raw) {
    constexpr std::size_t max_block = 65535;
    Bytes out{0x78, 0x01};
    std::size_t pos = 0;
    do {
        const std::size_t length = std::min(max_block, raw.size() - pos);
        const bool last = pos + length == raw.size();
        out.push_back(last ? 1 : 0);
        put_le16(out, static_cast<std::uint32_t>(length));
        put_le16(out, static_cast<std::uint32_t>(~length & 0xFFFFu));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos),
                   raw.begin() + static_cast<std::ptrdiff_t>(pos + length));
        pos += length;
    } while (pos < raw.size());
    put_be32(out, adler32(raw));
    return out;
}

}  // namespace

Bytes encode_png(const IconImage& image) {
    const Canvas& canvas = image.pixels;
    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

    Bytes header;
    put_be32(header, static_cast<std::uint32_t>(canvas.width()));
    put_be32(header, static_cast<std::uint32_t>(canvas.height()));
    header.insert(header.end(), {8, 3, 0, 0, 0});
    put_chunk(out, "IHDR", header);

    Bytes colours;
    for (const Rgb& c : palette) colours.insert(colours.end(), {c.r, c.g, c.b});
    colours.insert(colours.end(), {0, 0, 0});
    put_chunk(out, "PLTE", colours);

    Bytes alpha(palette.size(), 255);
    alpha.push_back(0);
    put_chunk(out, "tRNS", alpha);

    Bytes raw;
    for (int y = 0; y < canvas.height(); ++y) {
        raw.push_back(0);
        for (int x = 0; x < canvas.width(); ++x)
            raw.push_back(image.is_opaque(x, y) ? static_cast<std::uint8_t>(canvas.at(x, y)) : transparent_index);
    }
    put_chunk(out, "IDAT", stored_zlib(raw));
    put_chunk(out, "IEND", {});
    return out;
}

}  // namespace tw::drawing
