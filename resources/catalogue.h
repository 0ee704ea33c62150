// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>

// The one list of the game's pictures. The numbers are the values the game passes around;
// the drawing program, the resource files and the tests all take their list from here.
namespace tw::pictures {

// Faces on Smile.
inline constexpr int kBuiltInFace = 100;  // 26 x 26, carried by every freshly built window
inline constexpr int kSmiling = 101;
inline constexpr int kFacePressed = 102;
inline constexpr int kSurprised = 103;
inline constexpr int kDead = 104;
inline constexpr int kCool = 105;

// Counter digits 0..9 and the minus sign.
constexpr int digit(int d) { return 200 + d; }
inline constexpr int kMinus = 210;

// Opened cells with their count 0..24.
constexpr int openedCell(int count) { return 300 + count; }

// Covered and end-of-game cells.
inline constexpr int kCovered = 400;
inline constexpr int kFlag = 401;
inline constexpr int kMine = 402;
inline constexpr int kFatalMine = 403;
inline constexpr int kWrongFlag = 404;
inline constexpr int kQuestion = 405;
inline constexpr int kQuestionPressed = 406;

// Frame pieces.
inline constexpr int kCounterBack = 500;
inline constexpr int kPanelLeft = 501;
inline constexpr int kPanelRight = 502;
inline constexpr int kPanelColumn = 503;
inline constexpr int kCornerLeft = 504;
inline constexpr int kCornerRight = 505;
inline constexpr int kBottomColumn = 506;
inline constexpr int kWallRow = 507;

// The window icon, numbered in the icon numbering.
inline constexpr int kWindowIcon = 101;

struct Size {
    int width;
    int height;
};

struct Entry {
    int number;
    Size size;
};

// Every bitmap, in ascending order.
inline constexpr std::array<Entry, 57> kCatalogue = [] {
    std::array<Entry, 57> all{};
    std::size_t n = 0;
    all[n++] = {kBuiltInFace, {26, 26}};
    for (int face : {kSmiling, kFacePressed, kSurprised, kDead, kCool}) all[n++] = {face, {25, 25}};
    for (int d = 0; d <= 9; ++d) all[n++] = {digit(d), {11, 21}};
    all[n++] = {kMinus, {11, 21}};
    for (int count = 0; count <= 24; ++count) all[n++] = {openedCell(count), {16, 16}};
    for (int cell : {kCovered, kFlag, kMine, kFatalMine, kWrongFlag, kQuestion, kQuestionPressed}) {
        all[n++] = {cell, {16, 16}};
    }
    all[n++] = {kCounterBack, {41, 25}};
    all[n++] = {kPanelLeft, {12, 55}};
    all[n++] = {kPanelRight, {12, 55}};
    all[n++] = {kPanelColumn, {1, 55}};
    all[n++] = {kCornerLeft, {12, 12}};
    all[n++] = {kCornerRight, {12, 12}};
    all[n++] = {kBottomColumn, {1, 12}};
    all[n++] = {kWallRow, {12, 1}};
    if (n != all.size()) throw "the catalogue's length is its number of entries";
    return all;
}();

// Sizes indexed by number - 100, for a lookup at every picture set; width 0 where none is.
inline constexpr std::array<Size, 408> kSizeByNumber = [] {
    std::array<Size, 408> sizes{};
    for (const Entry& entry : kCatalogue) sizes[entry.number - 100] = entry.size;
    return sizes;
}();

// Width and height of picture `number`, or nothing when there is no such picture.
constexpr std::optional<Size> sizeOf(int number) {
    if (number < 100 || number >= 508 || kSizeByNumber[number - 100].width == 0) return std::nullopt;
    return kSizeByNumber[number - 100];
}

}  // namespace tw::pictures
