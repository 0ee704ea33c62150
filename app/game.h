// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "core/state.h"
#include "toolkit/toolkit.h"
#include "view/screen.h"

namespace tw {

// The one game: its state, the screen it draws on, and the handlers every event reaches.
class Game final : public Screen, public Events {
public:
    // `scorefolder` is where the best-times file lives; `toolkit` must outlive the game.
    Game(Toolkit& toolkit, std::filesystem::path scorefolder);

    // The program's start: builds the main window and shows it with a fresh game.
    void start();

    GameState& state() { return state_; }
    const GameState& state() const { return state_; }

    void scoreload() override;

    void Box_MouseDown(int index, int button) override;
    void Box_MouseUp(int index, int button) override;
    void Smile_MouseDown(int button) override;
    void Smile_MouseUp(int button) override;
    void Form_KeyDown(int keycode, int shift) override;
    void Form_KeyUp(int keycode, int shift) override;
    void Menu_Click(MenuItem item, int index) override;
    void Second_Timer() override;
    void OK_Click() override;
    void Cancel_Click() override;
    void Command1_Click() override;
    void Form_Close(Form form) override;

private:
    GameState state_;
    std::filesystem::path scorefolder_;
};

}  // namespace tw
