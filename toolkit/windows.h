// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "toolkit/design.h"
#include "toolkit/toolkit.h"

namespace tw {

// The program's windows, one row each in the order of `Form`: its caption, and the menu item that
// opens it (none for the main window, which is always there). Every other window is a dialog that
// belongs to the main window.
struct WindowRow {
    Form form;
    Caption caption;
    std::optional<MenuItem> openedBy;
};
inline constexpr auto kWindows = std::to_array<WindowRow>({
    {Form::Form1, translatable("tw::MainWindow", "Tilewarden"), std::nullopt},
    {Form::Form2, translatable("tw::CustomDialog", "Custom Field"), MenuItem::mnuCustom},
    {Form::Form3, translatable("tw::HelpWindow", "Tilewarden Help"), MenuItem::mnuHowTo},
});

constexpr const WindowRow& windowRow(Form form) { return kWindows[static_cast<std::size_t>(form)]; }

// The titles of the main window's menu bar, left to right.
inline constexpr auto kMenuTitles = std::to_array<Caption>({
    translatable("tw::MainWindow", "Game"),
    translatable("tw::MainWindow", "Game Type"),
    translatable("tw::MainWindow", "&Help"),
});

// The menus' items, one row each in the order shown: under which title, the item, its caption,
// its key (in the portable text form, "Ctrl+B"), whether a separator stands above it and whether
// a new window checks it. mnuGT's one row stands for the game types, each an item of its own
// (kGameTypes), with their captions and check marks.
struct MenuEntry {
    int title;
    MenuItem item;
    Caption caption;
    const char* key;
    bool separated;
    bool checked;
};
inline constexpr auto kMenu = std::to_array<MenuEntry>({
    {0, MenuItem::mnuNew, translatable("tw::MainWindow", "New Game"), "F2", false, false},
    {0, MenuItem::mnuBeginner, translatable("tw::MainWindow", "Beginner"), "Ctrl+B", true, true},
    {0, MenuItem::mnuIntermediate, translatable("tw::MainWindow", "Intermediate"), "Ctrl+I", false, false},
    {0, MenuItem::mnuHard, translatable("tw::MainWindow", "Expert"), "Ctrl+E", false, false},
    {0, MenuItem::mnuCustom, translatable("tw::MainWindow", "Custom..."), "Ctrl+C", false, false},
    {0, MenuItem::mnuMarks, translatable("tw::MainWindow", "Marks (?)"), "Ctrl+M", true, false},
    {0, MenuItem::mnuExit, translatable("tw::MainWindow", "Exit"), "Ctrl+X", true, false},
    {1, MenuItem::mnuGT, {}, "", false, false},
    {2, MenuItem::mnuHowTo, translatable("tw::MainWindow", "&How to Play"), "", false, false},
});

// Every window of `Form` and every item of `MenuItem` has its row, each once and in order.
constexpr bool tablesComplete() {
    for (std::size_t i = 0; i < kWindows.size(); ++i) {
        if (static_cast<std::size_t>(kWindows[i].form) != i) return false;
    }
    std::size_t next = 0;
    for (const MenuEntry& row : kMenu) {
        if (static_cast<std::size_t>(row.item) != next++) return false;
    }
    return true;
}
static_assert(tablesComplete(), "a window or menu item is missing from its table, or out of order");

}  // namespace tw
