// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "byte_writer.h"
#include "canvas.h"

namespace tw::drawing {

inline constexpr std::uint32_t bmp_info_header_size = 40;

// Bytes of the 4-bit palette and pixel rows of a device-independent bitmap, after its
// BITMAPINFOHEADER; `height_factor` is 2 inside an icon, where the mask follows the colours.
void put_bmp_info(Bytes& out, const Canvas& canvas, int height_factor, std::uint32_t image_size);
void put_palette(Bytes& out);
void put_4bit_rows(Bytes& out, const Canvas& canvas);
std::uint32_t row_bytes(int width, int bits_per_pixel);

// A complete .bmp file: BITMAPFILEHEADER, BITMAPINFOHEADER, sixteen-colour palette, rows bottom up.
Bytes encode_bmp(const Canvas& canvas);

}  // namespace tw::drawing
