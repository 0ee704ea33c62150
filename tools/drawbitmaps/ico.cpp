// SPDX-License-Identifier: GPL-3.0-or-later
#include "ico.h"

#include "bmp.h"

namespace tw::drawing {

namespace {

Bytes icon_bitmap(const IconImage& image) {
    const Canvas& canvas = image.pixels;
    const std::uint32_t colour_size = row_bytes(canvas.width(), 4) * static_cast<std::uint32_t>(canvas.height());
    const std::uint32_t mask_stride = row_bytes(canvas.width(), 1);
    Bytes out;
    put_bmp_info(out, canvas, 2, colour_size + mask_stride * static_cast<std::uint32_t>(canvas.height()));
    put_palette(out);
    Canvas colours = canvas;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (!image.is_opaque(x, y)) colours.set(x, y, Colour::black);
    put_4bit_rows(out, colours);
    for (int y = canvas.height() - 1; y >= 0; --y) {
        Bytes row(mask_stride, 0);
        for (int x = 0; x < canvas.width(); ++x)
            if (!image.is_opaque(x, y)) row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

Bytes encode_ico(const std::vector<IconImage>& images) {
    constexpr std::uint32_t directory_size = 6;
    constexpr std::uint32_t entry_size = 16;
    Bytes out;
    put_le16(out, 0);
    put_le16(out, 1);
    put_le16(out, static_cast<std::uint32_t>(images.size()));
    std::vector<Bytes> bitmaps;
    for (const IconImage& image : images) bitmaps.push_back(icon_bitmap(image));
    auto offset = static_cast<std::uint32_t>(directory_size + entry_size * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.push_back(static_cast<std::uint8_t>(images[i].pixels.width()));
        out.push_back(static_cast<std::uint8_t>(images[i].pixels.height()));
        out.push_back(16);
        out.push_back(0);
        put_le16(out, 1);
        put_le16(out, 4);
        put_le32(out, static_cast<std::uint32_t>(bitmaps[i].size()));
        put_le32(out, offset);
        offset += static_cast<std::uint32_t>(bitmaps[i].size());
    }
    for (const Bytes& bitmap : bitmaps) out.insert(out.end(), bitmap.begin(), bitmap.end());
    return out;
}

}  // namespace tw::drawing
