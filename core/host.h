// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace tw {

struct GameState;

// The level items whose check marks the game core sets.
enum class Level { Beginner, Intermediate, Expert, Custom };

// What the game core asks of the program around it: pictures, counters, the face,
// the timer, message boxes and the main window's build.
class Host {
public:
    virtual ~Host() = default;

    virtual void boxload(int i, int res) = 0;
    virtual void showmines() = 0;
    virtual void setface(int picture) = 0;
    virtual void stoptimer() = 0;
    virtual void messagebox(std::string_view text, std::string_view title, bool information) = 0;
    virtual void checklevel(Level level, bool checked) = 0;

    // Takes the main window's contents down and lays its design out afresh in the same window.
    virtual void destroywindow() = 0;
    virtual void showwindow() = 0;
    virtual void imageload() = 0;
    virtual void scoreload() = 0;
};

}  // namespace tw
