// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game.h"

#include <utility>

#include "core/rules.h"
#include "core/startup.h"
#include "input/cells.h"
#include "input/face.h"
#include "input/keys.h"
#include "menus/custom.h"
#include "menus/help.h"
#include "menus/menu.h"
#include "store/besttimes.h"
#include "toolkit/design.h"

namespace tw {

Game::Game(Toolkit& toolkit, std::filesystem::path scorefolder)
    : screen_(toolkit, state_, std::move(scorefolder)), handlers_(state_, screen_) {
    setrule(state_, designedGameType());
    toolkit.setEvents(&handlers_);
}

Game::~Game() { screen_.toolkit().setEvents(nullptr); }

void Game::start() { rebuild(state_, screen_); }

Game::Window::Window(Toolkit& toolkit, GameState& state, std::filesystem::path scorefolder)
    : Screen(toolkit, state), s_(state), scorefolder_(std::move(scorefolder)) {}

void Game::Window::scoreload() { s_.besttimes = tw::scoreload(scorefolder_); }

void Game::Handlers::Box_MouseDown(int index, int button) { tw::Box_MouseDown(s_, screen_, index, button); }

void Game::Handlers::Box_MouseUp(int index, int button) { tw::Box_MouseUp(s_, screen_, index, button); }

void Game::Handlers::Smile_MouseDown(int) { tw::Smile_MouseDown(s_, screen_); }

void Game::Handlers::Smile_MouseUp(int) { tw::Smile_MouseUp(s_, screen_); }

void Game::Handlers::Form_KeyDown(int keycode, int shift) { tw::Form_KeyDown(s_, screen_, keycode, shift); }

void Game::Handlers::Form_KeyUp(int keycode, int shift) { tw::Form_KeyUp(s_, screen_, keycode, shift); }

void Game::Handlers::Menu_Click(MenuItem item, int index) {
    switch (item) {
        case MenuItem::mnuNew: mnuNew_Click(s_, screen_); break;
        case MenuItem::mnuBeginner: mnuBeginner_Click(s_, screen_); break;
        case MenuItem::mnuIntermediate: mnuIntermediate_Click(s_, screen_); break;
        case MenuItem::mnuHard: mnuHard_Click(s_, screen_); break;
        case MenuItem::mnuCustom: mnuCustom_Click(s_, screen_); break;
        case MenuItem::mnuMarks: mnuMarks_Click(screen_); break;
        case MenuItem::mnuExit: mnuExit_Click(screen_); break;
        case MenuItem::mnuGT: mnuGT_Click(s_, screen_, index); break;
        case MenuItem::mnuHowTo: mnuHowTo_Click(screen_); break;
    }
}

void Game::Handlers::Second_Timer() { tw::Second_Timer(s_, screen_); }

void Game::Handlers::OK_Click() { tw::OK_Click(s_, screen_); }

void Game::Handlers::Cancel_Click() { tw::Cancel_Click(s_, screen_); }

void Game::Handlers::Command1_Click() { tw::Command1_Click(screen_); }

void Game::Handlers::Form_Close(Form form) {
    switch (form) {
        case Form::Form1: screen_.toolkit().quit(); break;
        case Form::Form2: tw::Cancel_Click(s_, screen_); break;
        case Form::Form3: tw::Command1_Click(screen_); break;
    }
}

}  // namespace tw
