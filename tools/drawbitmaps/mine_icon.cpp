// SPDX-License-Identifier: GPL-3.0-or-later
#include "mine_icon.h"

#include "primitives.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace tw::drawing {

namespace {

// At 16 and 32 pixels a computed ball looks ragged, so these two are drawn by hand:
// W white, S silver, D grey, K black, '.' transparent.
constexpr std::array<std::string_view, 16> small_mine{
        ".......WS.......",
        ".W.....WS.....S.",
        "..W....WS....S..",
        "...W.SSSSDD.S...",
        "....WWWSSSDD....",
        "...SWWWSSDDDK...",
        "...SWWSSSDDDK...",
        "WWWSSSSSDDDDKDDD",
        "SSSSSSSDDDDDKKKK",
        "...DSDDDDDDKK...",
        "...DDDDDDDKKK...",
        "....DDDDDKKK....",
        "...D.KKKKKK.K...",
        "..D....DK....K..",
        ".D.....DK.....K.",
        ".......DK.......",
};

constexpr std::array<std::string_view, 32> medium_mine{
        "...............WS...............",
        "...............WS...............",
        "...W...........WS...........S...",
        "...WW..........WS..........SS...",
        "...WWW........WWSS........SSS...",
        "....WWW.......WWSS.......SSS....",
        ".....WWW....SSSSSSDD....SSS.....",
        "......WWW.WWWWSSSSSDDD.SSS......",
        ".......WWWWWWWWSSSSDDDDSS.......",
        "........WWWWWWWSSSSDDDDD........",
        ".......WWWWWWWSSSSSDDDDDD.......",
        ".......WWWWWWWSSSSSDDDDDD.......",
        "......SWWWWWWSSSSSDDDDDDDK......",
        "......SWWWWWSSSSSSDDDDDDDK......",
        "....WWSSWWSSSSSSSDDDDDDDKKDD....",
        "WWWWWWSSSSSSSSSSDDDDDDDDKKDDDDDD",
        "SSSSSSSSSSSSSSSDDDDDDDDDKKKKKKKK",
        "....SSSSSSSSSSDDDDDDDDDKKKKK....",
        "......DSSSSSDDDDDDDDDDDKKK......",
        "......DDDDDDDDDDDDDDDDKKKK......",
        ".......DDDDDDDDDDDDDDKKKK.......",
        ".......DDDDDDDDDDDDDKKKKK.......",
        "........DDDDDDDDDDDKKKKK........",
        ".......DDDDDDDDDDKKKKKKKK.......",
        "......DDD.DDDDKKKKKKKK.KKK......",
        ".....DDD....KKKKKKKK....KKK.....",
        "....DDD.......DDKK.......KKK....",
        "...DDD........DDKK........KKK...",
        "...DD..........DK..........KK...",
        "...D...........DK...........K...",
        "...............DK...............",
        "...............DK...............",
};

IconImage from_grid(Glyph rows) {
    const int size = static_cast<int>(rows.size());
    IconImage icon{Canvas(size, size, Colour::black), std::vector<bool>(rows.size() * rows.size())};
    stamp(icon.pixels, 0, 0, rows);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            icon.opaque[static_cast<std::size_t>(y * size + x)] = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] != '.';
    return icon;
}

constexpr double body_radius = 0.58;
constexpr double straight_spike = 0.96;
constexpr double diagonal_spike = 0.86;
constexpr double spike_base = 0.16;
constexpr double spike_tip = 0.035;

// The spike along the unit direction (dx, dy) that reaches `length`; u and v run -1..1.
bool on_spike(double u, double v, double dx, double dy, double length) {
    const double along = u * dx + v * dy;
    const double across = std::abs(u * dy - v * dx);
    if (along < 0.0 || along > length) return false;
    const double t = std::clamp((along - body_radius) / (length - body_radius), 0.0, 1.0);
    return across <= spike_base + (spike_tip - spike_base) * t;
}

bool in_mine(double u, double v) {
    if (u * u + v * v <= body_radius * body_radius) return true;
    const double d = std::sqrt(0.5);
    const std::array<std::array<double, 3>, 8> spikes{{
        {1, 0, straight_spike}, {-1, 0, straight_spike}, {0, 1, straight_spike}, {0, -1, straight_spike},
        {d, d, diagonal_spike}, {-d, d, diagonal_spike}, {d, -d, diagonal_spike}, {-d, -d, diagonal_spike},
    }};
    return std::any_of(spikes.begin(), spikes.end(),
                       [&](const auto& s) { return on_spike(u, v, s[0], s[1], s[2]); });
}

// Brightness 0..1: a ball lit from the top left; the spikes darken along the same diagonal.
double brightness(double u, double v) {
    const double r2 = (u * u + v * v) / (body_radius * body_radius);
    if (r2 <= 1.0) {
        const double nx = u / body_radius;
        const double ny = v / body_radius;
        const double nz = std::sqrt(1.0 - r2);
        const double lit = (-0.55 * nx - 0.55 * ny + 0.63 * nz);
        return std::clamp(0.5 * lit + 0.3, 0.0, 1.0) + (lit > 0.9 ? 0.5 : 0.0);
    }
    return std::clamp(0.45 - 0.42 * (u + v), 0.0, 1.0);
}

// Four greys from black to white with an ordered dither between neighbouring steps.
Colour shade(double level, int x, int y) {
    constexpr std::array<Colour, 4> steps{Colour::black, Colour::grey, Colour::silver, Colour::white};
    constexpr std::array<double, 4> values{0.0, 0.5, 0.75, 1.0};
    constexpr std::array<std::array<int, 4>, 4> bayer{{{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}}};
    level = std::clamp(level, 0.0, 1.0);
    std::size_t i = 0;
    while (i + 2 < steps.size() && level > values[i + 1]) ++i;
    const double fraction = (level - values[i]) / (values[i + 1] - values[i]);
    const double threshold = (bayer[static_cast<std::size_t>(y % 4)][static_cast<std::size_t>(x % 4)] + 0.5) / 16.0;
    return fraction > threshold ? steps[i + 1] : steps[i];
}

}  // namespace

IconImage mine_icon(int size) {
    if (size == 16) return from_grid(small_mine);
    if (size == 32) return from_grid(medium_mine);
    IconImage icon{Canvas(size, size, Colour::black), std::vector<bool>(static_cast<std::size_t>(size * size))};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double u = (2.0 * x + 1.0 - size) / size;
            const double v = (2.0 * y + 1.0 - size) / size;
            if (!in_mine(u, v)) continue;
            icon.opaque[static_cast<std::size_t>(y * size + x)] = true;
            icon.pixels.set(x, y, shade(brightness(u, v), x, y));
        }
    }
    return icon;
}

}  // namespace tw::drawing
