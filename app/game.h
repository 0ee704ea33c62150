// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "core/state.h"
#include "toolkit/toolkit.h"
#include "view/screen.h"

namespace tw {

// The one game, built in the order its parts depend on each other: the state first, then the
// screen that draws it, then the handlers that every window event reaches.
class Game final {
public:
    // `scorefolder` is where the best-times file lives; `toolkit` must outlive the game.
    Game(Toolkit& toolkit, std::filesystem::path scorefolder);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;
    ~Game();

    // The program's start: builds the main window and shows it with a fresh game.
    void start();

    GameState& state() { return state_; }
    Screen& screen() { return screen_; }
    Events& events() { return handlers_; }

private:
    // The screen, reading the best-times file from the game's folder at every start-up.
    class Window final : public Screen {
    public:
        Window(Toolkit& toolkit, GameState& state, std::filesystem::path scorefolder);
        void scoreload() override;

    private:
        GameState& s_;
        std::filesystem::path scorefolder_;
    };

    // Passes every event of the windows to its handler.
    class Handlers final : public Events {
    public:
        Handlers(GameState& state, Screen& screen) : s_(state), screen_(screen) {}

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
        GameState& s_;
        Screen& screen_;
    };

    GameState state_;
    Window screen_;
    Handlers handlers_;
};

}  // namespace tw
