// SPDX-License-Identifier: GPL-3.0-or-later
#include "faces.h"

#include "glyphs.h"
#include "primitives.h"

namespace tw::drawing {

namespace {

constexpr int face_diameter = 17;
constexpr int face_offset = 4;

const glyphs::FaceRows& features(Mood mood) {
    switch (mood) {
    case Mood::surprised: return glyphs::surprised;
    case Mood::dead: return glyphs::dead;
    case Mood::cool: return glyphs::sunglasses;
    case Mood::smiling: break;
    }
    return glyphs::smiling;
}

void draw_face(Canvas& button, int x, int y, Mood mood) {
    disc(button, x, y, face_diameter, Colour::yellow, Colour::black);
    stamp(button, x, y, features(mood));
}

// A grey outline around a two-pixel raised bevel.
Canvas raised_button(int size) {
    Canvas button(size, size);
    bevel(button, button.bounds(),
          {{Colour::grey, Colour::grey}, {Colour::white, Colour::grey}, {Colour::white, Colour::grey}});
    return button;
}

}  // namespace

Canvas face(Mood mood) {
    Canvas button = raised_button(25);
    draw_face(button, face_offset, face_offset, mood);
    return button;
}

Canvas pressed_face() {
    Canvas button(25, 25);
    bevel(button, button.bounds(), {{Colour::grey, Colour::white}, {Colour::grey, std::nullopt}});
    draw_face(button, face_offset + 2, face_offset + 2, Mood::smiling);
    return button;
}

Canvas built_in_face() {
    Canvas button = raised_button(26);
    draw_face(button, face_offset, face_offset, Mood::smiling);
    return button;
}

}  // namespace tw::drawing
