// SPDX-License-Identifier: GPL-3.0-or-later
#include "counter.h"

#include "glyphs.h"
#include "primitives.h"

#include <stdexcept>

namespace tw::drawing {

Canvas counter_digit(int digit) {
    if (digit < 0 || digit > 10) throw std::out_of_range("digits run 0 to 9, then the minus sign");
    const std::string_view lit = glyphs::lit_segments[static_cast<std::size_t>(digit)];
    Canvas canvas(11, 21, Colour::black);
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const char segment = glyphs::segments[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            if (segment == '.') continue;
            if (lit.find(segment) != std::string_view::npos)
                canvas.set(x, y, Colour::red);
            else if ((x + y) % 2 == 0)
                canvas.set(x, y, Colour::maroon);
        }
    }
    return canvas;
}

Canvas counter_background() {
    Canvas canvas(41, 25, Colour::black);
    sunken(canvas, canvas.bounds(), 1);
    return canvas;
}

}  // namespace tw::drawing
