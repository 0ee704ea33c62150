// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game.h"

#include <utility>

#include "core/startup.h"
#include "input/cells.h"
#include "input/face.h"
#include "input/keys.h"
#include "menus/custom.h"
#include "menus/help.h"
#include "menus/menu.h"
#include "store/besttimes.h"

namespace tw {

Game::Game(Toolkit& toolkit, std::filesystem::path scorefolder)
    : Screen(toolkit, state_), scorefolder_(std::move(scorefolder)) {
    toolkit.setEvents(this);
}

void Game::start() {
    toolkit().buildForm1();
    Form_Load(state_, *this);
    showwindow();
}

void Game::scoreload() { state_.besttimes = tw::scoreload(scorefolder_); }

void Game::Box_MouseDown(int index, int button) { tw::Box_MouseDown(state_, *this, index, button); }

void Game::Box_MouseUp(int index, int button) { tw::Box_MouseUp(state_, *this, index, button); }

void Game::Smile_MouseDown(int) { tw::Smile_MouseDown(state_, *this); }

void Game::Smile_MouseUp(int) { tw::Smile_MouseUp(state_, *this); }

void Game::Form_KeyDown(int keycode, int shift) { tw::Form_KeyDown(state_, *this, keycode, shift); }

void Game::Form_KeyUp(int keycode, int shift) { tw::Form_KeyUp(state_, *this, keycode, shift); }

void Game::Menu_Click(MenuItem item, int index) {
    switch (item) {
        case MenuItem::mnuNew: mnuNew_Click(state_, *this); break;
        case MenuItem::mnuBeginner: mnuBeginner_Click(state_, *this); break;
        case MenuItem::mnuIntermediate: mnuIntermediate_Click(state_, *this); break;
        case MenuItem::mnuHard: mnuHard_Click(state_, *this); break;
        case MenuItem::mnuCustom: mnuCustom_Click(state_, *this); break;
        case MenuItem::mnuMarks: mnuMarks_Click(*this); break;
        case MenuItem::mnuExit: mnuExit_Click(*this); break;
        case MenuItem::mnuGT: mnuGT_Click(state_, *this, index); break;
        case MenuItem::mnuHowTo: mnuHowTo_Click(*this); break;
    }
}

void Game::Second_Timer() { tw::Second_Timer(state_, *this); }

void Game::OK_Click() { tw::OK_Click(state_, *this); }

void Game::Cancel_Click() { tw::Cancel_Click(state_, *this); }

void Game::Command1_Click() { tw::Command1_Click(*this); }

void Game::Form_Close(Form form) {
    switch (form) {
        case Form::Form1: toolkit().quit(); break;
        case Form::Form2: tw::Cancel_Click(state_, *this); break;
        case Form::Form3: tw::Command1_Click(*this); break;
    }
}

}  // namespace tw
