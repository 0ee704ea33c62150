// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

#include "core/host.h"
#include "core/state.h"
#include "toolkit/toolkit.h"

namespace tw {

// The hundreds, tens and units digits of v, 0 <= v <= 999.
std::array<int, 3> threedigits(int v);

// The main window as the game sees it: pictures on elements, counters, face and timer.
class Screen : public Host {
public:
    Screen(Toolkit& toolkit, GameState& state) : tk_(toolkit), s_(state) {}

    void boxload(int i, int res) override;
    void showmines() override;
    void setface(int picture) override;
    void stoptimer() override;
    void messagebox(std::string_view text, std::string_view title, bool information) override;
    void checklevel(Level level, bool checked) override;
    void destroywindow() override;
    void showwindow() override;
    void imageload() override;

    void showseconds();
    void starttimer();
    bool timerrunning() const;
    void setpointer(int i, Pointer pointer);

    Toolkit& toolkit() { return tk_; }

private:
    Toolkit& tk_;
    GameState& s_;
};

// The tick of the one-second timer.
void Second_Timer(GameState& s, Screen& screen);

}  // namespace tw
