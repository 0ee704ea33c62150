// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace tw::drawing {

// The sixteen colours in the order of the bitmap palette; the value is the palette index.
enum class Colour : std::uint8_t {
    black, maroon, green, olive, navy, purple, teal, silver,
    grey, red, lime, yellow, blue, magenta, cyan, white,
};

struct Rgb {
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;
};

inline constexpr std::array<Rgb, 16> palette{{
    {0, 0, 0},       {128, 0, 0},     {0, 128, 0},   {128, 128, 0},
    {0, 0, 128},     {128, 0, 128},   {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0},     {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255},   {0, 255, 255}, {255, 255, 255},
}};

inline constexpr Rgb rgb(Colour c) { return palette[static_cast<std::size_t>(c)]; }

struct Rect {
    int x;
    int y;
    int width;
    int height;

    int right() const { return x + width - 1; }
    int bottom() const { return y + height - 1; }
};

// A picture in the sixteen-colour palette; writes outside the picture are ignored.
class Canvas {
public:
    Canvas(int width, int height, Colour background = Colour::silver);

    int width() const { return width_; }
    int height() const { return height_; }
    Rect bounds() const { return {0, 0, width_, height_}; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Colour at(int x, int y) const;
    void set(int x, int y, Colour c);
    void fill(Rect r, Colour c);
    Canvas crop(Rect r) const;
    void paste(const Canvas& source, int x, int y);

    bool operator==(const Canvas&) const = default;

private:
    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

}  // namespace tw::drawing
