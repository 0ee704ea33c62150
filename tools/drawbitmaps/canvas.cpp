// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"

#include <stdexcept>

namespace tw::drawing {

Canvas::Canvas(int width, int height, Colour background)
    : width_(width), height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), background) {
    if (width <= 0 || height <= 0) throw std::invalid_argument("empty canvas");
}

Colour Canvas::at(int x, int y) const {
    if (!contains(x, y)) throw std::out_of_range("pixel outside the canvas");
    return pixels_[static_cast<std::size_t>(y * width_ + x)];
}

void Canvas::set(int x, int y, Colour c) {
    if (contains(x, y)) pixels_[static_cast<std::size_t>(y * width_ + x)] = c;
}

void Canvas::fill(Rect r, Colour c) {
    for (int y = r.y; y <= r.bottom(); ++y)
        for (int x = r.x; x <= r.right(); ++x) set(x, y, c);
}

Canvas Canvas::crop(Rect r) const {
    Canvas out(r.width, r.height);
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x) out.set(x, y, at(r.x + x, r.y + y));
    return out;
}

void Canvas::paste(const Canvas& source, int x, int y) {
    for (int sy = 0; sy < source.height(); ++sy)
        for (int sx = 0; sx < source.width(); ++sx) set(x + sx, y + sy, source.at(sx, sy));
}

}  // namespace tw::drawing
