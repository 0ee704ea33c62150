// SPDX-License-Identifier: GPL-3.0-or-later
#include "bmp.h"

namespace tw::drawing {

std::uint32_t row_bytes(int width, int bits_per_pixel) {
    return static_cast<std::uint32_t>((width * bits_per_pixel + 31) / 32 * 4);
}

void put_bmp_info(Bytes& out, const Canvas& canvas, int height_factor, std::uint32_t image_size) {
    put_le32(out, bmp_info_header_size);
    put_le32(out, static_cast<std::uint32_t>(canvas.width()));
    put_le32(out, static_cast<std::uint32_t>(canvas.height() * height_factor));
    put_le16(out, 1);
    put_le16(out, 4);
    put_le32(out, 0);
    put_le32(out, image_size);
    put_le32(out, 0);
    put_le32(out, 0);
    put_le32(out, 16);
    put_le32(out, 0);
}

void put_palette(Bytes& out) {
    for (const Rgb& c : palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
}

void put_4bit_rows(Bytes& out, const Canvas& canvas) {
    const std::uint32_t stride = row_bytes(canvas.width(), 4);
    for (int y = canvas.height() - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < canvas.width(); ++x) {
            const auto index = static_cast<std::uint8_t>(canvas.at(x, y));
            row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

Bytes encode_bmp(const Canvas& canvas) {
    constexpr std::uint32_t file_header_size = 14;
    constexpr std::uint32_t palette_size = 16 * 4;
    const std::uint32_t image_size = row_bytes(canvas.width(), 4) * static_cast<std::uint32_t>(canvas.height());
    const std::uint32_t pixel_offset = file_header_size + bmp_info_header_size + palette_size;
    Bytes out{'B', 'M'};
    put_le32(out, pixel_offset + image_size);
    put_le32(out, 0);
    put_le32(out, pixel_offset);
    put_bmp_info(out, canvas, 1, image_size);
    put_palette(out);
    put_4bit_rows(out, canvas);
    return out;
}

}  // namespace tw::drawing
