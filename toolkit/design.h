// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "resources/catalogue.h"
#include "toolkit/toolkit.h"

namespace tw {

// The window around the field, in pixels: a panel above it that holds the counters and the
// face, a wall at each side and an edge below; every cell is a square.
inline constexpr int kCellSize = 16;
inline constexpr int kWallWidth = 12;
inline constexpr int kPanelHeight = 55;
inline constexpr int kBottomHeight = 12;
inline constexpr int kAroundFieldWidth = 2 * kWallWidth;
inline constexpr int kAroundFieldHeight = kPanelHeight + kBottomHeight;

// The counters' frames and the face stand kCounterTop below the panel's top edge: the mines
// counter at kMinesCounterLeft, the seconds counter kSecondsCounterBack left of the field's right
// end. Each frame holds three digits kDigitStep apart, the first kDigitInset into it.
inline constexpr int kCounterTop = 15;
inline constexpr int kMinesCounterLeft = 16;
inline constexpr int kSecondsCounterBack = 35;
inline constexpr int kDigitInset = 2;
inline constexpr int kDigitStep = 13;

struct Rect {
    int left;
    int top;
    int width;
    int height;
};

constexpr pictures::Size pictureSize(int picture) { return *pictures::sizeOf(picture); }

// Where a frame piece stands around a field of `across` x `down` cells (FrameN 0 is the mines
// counter, FrameW 0 the left wall); a piece that is not stretched has its picture's size.
constexpr Rect framePlace(Elem elem, int index, int across, int down) {
    const int width = kCellSize * across;
    const int height = kCellSize * down;
    const int right = kWallWidth + width;
    const int bottom = kPanelHeight + height;
    const pictures::Size counter = pictureSize(pictures::kCounterBack);
    switch (elem) {
        case Elem::FrameL: return {0, 0, kWallWidth, kPanelHeight};
        case Elem::FrameM: return {kWallWidth, 0, width, kPanelHeight};
        case Elem::FrameR: return {right, 0, kWallWidth, kPanelHeight};
        case Elem::FrameN:
            return {index == 0 ? kMinesCounterLeft : width - kSecondsCounterBack, kCounterTop, counter.width,
                    counter.height};
        case Elem::FrameW: return {index == 0 ? 0 : right, kPanelHeight, kWallWidth, height};
        case Elem::FrameCL: return {0, bottom, kWallWidth, kBottomHeight};
        case Elem::FrameB: return {kWallWidth, bottom, width, kBottomHeight};
        case Elem::FrameCR: return {right, bottom, kWallWidth, kBottomHeight};
        case Elem::Smile:
        case Elem::Box: break;
    }
    return {};
}

// The face is centred over the field, whatever the width of the face it shows.
constexpr int faceLeft(int across, int facewidth) {
    return (kCellSize * across + kAroundFieldWidth - facewidth) / 2;
}

// The cell in column x and row y, both from 0.
constexpr Rect cellPlace(int x, int y) {
    return {kWallWidth + kCellSize * x, kPanelHeight + kCellSize * y, kCellSize, kCellSize};
}

// The counters' digits are the Box elements after the field's `cells`: N+1 to N+3 the mines
// left, N+4 to N+6 the seconds, hundreds first (k = 0).
inline constexpr int kCounterPlaces = 6;
constexpr int counterPlace(int cells, bool mines, int k) { return cells + (mines ? 1 : 4) + k; }

constexpr Rect digitPlace(int across, bool mines, int k) {
    const Rect frame = framePlace(Elem::FrameN, mines ? 0 : 1, across, 0);
    const pictures::Size digit = pictureSize(pictures::digit(0));
    return {frame.left + kDigitInset + kDigitStep * k, frame.top + kDigitInset, digit.width, digit.height};
}

struct DesignElement {
    Elem elem;
    int index;
    int picture;
    int left;
    int top;
    int width;
    int height;
    bool visible;
};

// The field the window is designed for; every build starts from its layout.
inline constexpr int kDesignAcross = 8;
inline constexpr int kDesignDown = 8;

constexpr DesignElement designed(Elem elem, int index, int picture) {
    const Rect p = framePlace(elem, index, kDesignAcross, kDesignDown);
    return {elem, index, picture, p.left, p.top, p.width, p.height, true};
}

// The main window as designed, back to front; the layout then moves what depends on the
// field's size.
inline constexpr std::array<DesignElement, 12> kForm1Design = {{
    designed(Elem::FrameL, 0, pictures::kPanelLeft),
    designed(Elem::FrameM, 0, pictures::kPanelColumn),
    designed(Elem::FrameR, 0, pictures::kPanelRight),
    designed(Elem::FrameN, 0, pictures::kCounterBack),
    designed(Elem::FrameN, 1, pictures::kCounterBack),
    {Elem::Smile, 0, pictures::kBuiltInFace, faceLeft(kDesignAcross, pictureSize(pictures::kBuiltInFace).width),
     kCounterTop, pictureSize(pictures::kBuiltInFace).width, pictureSize(pictures::kBuiltInFace).height, true},
    designed(Elem::FrameW, 0, pictures::kWallRow),
    designed(Elem::FrameW, 1, pictures::kWallRow),
    designed(Elem::FrameCL, 0, pictures::kCornerLeft),
    designed(Elem::FrameB, 0, pictures::kBottomColumn),
    designed(Elem::FrameCR, 0, pictures::kCornerRight),
    {Elem::Box, 0, pictures::openedCell(0), 0, 0, kCellSize, kCellSize, false},
}};

// A text of the window with the context its translation is found under. lupdate reads
// translatable(...) as QT_TRANSLATE_NOOP (translations/complete_check.sh gives it the alias).
struct Caption {
    const char* context;
    const char* text;
};
constexpr Caption translatable(const char* context, const char* text) { return {context, text}; }

// The Game Type menu in its order: each item's rule mask (its index in mnuGT), its caption, and
// whether a new window checks it. The first game is of the checked type.
struct GameType {
    int mask;
    Caption caption;
    bool checked;
};
inline constexpr auto kGameTypes = std::to_array<GameType>({
    {1, translatable("tw::MainWindow", "Adjacent (rule 00001)"), false},
    {3, translatable("tw::MainWindow", "Normal (rule 00011)"), true},
    {9, translatable("tw::MainWindow", "Super Adjacent (rule 01001)"), false},
    {27, translatable("tw::MainWindow", "Super Normal (rule 11011)"), false},
    {31, translatable("tw::MainWindow", "Super Sweeper (rule 11111)"), false},
});

// The mask of the game type `checked(mask)` says is checked, 0 while none is.
template <typename Checked>
constexpr int checkedGameType(Checked checked) {
    for (const GameType& type : kGameTypes) {
        if (checked(type.mask)) return type.mask;
    }
    return 0;
}

constexpr int designedGameType() {
    for (const GameType& type : kGameTypes) {
        if (type.checked) return type.mask;
    }
    return 0;
}

inline constexpr int kDesignClientWidth = kCellSize * kDesignAcross + kAroundFieldWidth;
inline constexpr int kDesignClientHeight = kCellSize * kDesignDown + kAroundFieldHeight;

}  // namespace tw
