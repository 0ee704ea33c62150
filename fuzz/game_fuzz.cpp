// SPDX-License-Identifier: GPL-3.0-or-later
// Plays arbitrary sequences of presses, releases, keys, menu commands, dialog entries and
// timer ticks on the headless toolkit, checking after every event what the rules imply.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "app/game.h"
#include "resources/catalogue.h"
#include "tests/oracle.h"
#include "toolkit/headless.h"
#include "view/screen.h"

namespace {

using namespace tw;

struct Input {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    bool more() const { return at < size; }
    int next() { return at < size ? data[at++] : 0; }
};

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void expect(bool holds, const char* what) {
    if (!holds) fail(what);
}

void checkinvariants(const GameState& s, const HeadlessToolkit& tk) {
    if (!tk.window(Form::Form1).exists) return;
    const int n = s.cells();
    expect(n >= 5 && n <= kMaxCells, "field size");
    expect(tk.boxCount() == n + 7, "one element per cell and six digit places");
    expect(s.totalmines >= 1 && s.totalmines < n, "mine count leaves a free cell");
    int gametypes = 0;
    for (int mask : {1, 3, 9, 27, 31}) gametypes += tk.isChecked(MenuItem::mnuGT, mask);
    expect(gametypes == 1, "exactly one game type checked");
    int levels = 0;
    for (MenuItem m : {MenuItem::mnuBeginner, MenuItem::mnuIntermediate, MenuItem::mnuHard, MenuItem::mnuCustom}) {
        levels += tk.isChecked(m, 0);
    }
    expect(levels <= 1, "at most one level checked");

    int flagsheld = 0;
    int covered = 0;
    int mines = 0;
    for (int c = 1; c <= n; ++c) {
        mines += s.mine[c];
        covered += !s.opened[c];
        if (s.mark[c] == kFlag && !(s.opened[c] && s.count[c] == 0)) ++flagsheld;
        if (s.minesplaced) expect(s.count[c] == oracle::minesaround(s, c), "count is the mines of the neighbourhood");
        const int picture = tk.picture(Elem::Box, c);
        if (s.opened[c] && !s.mine[c] && (s.playing || s.won) && !(s.mark[c] == kQuestion && picture == pictures::kQuestionPressed)) {
            expect(picture == pictures::openedCell(s.count[c]), "an opened safe cell shows its number");
        }
        if (!s.opened[c] && s.playing) {
            const int expected[] = {pictures::kCovered, pictures::kFlag, pictures::kQuestion};
            expect(picture == expected[s.mark[c]] || (s.mark[c] == kQuestion && picture == pictures::kQuestionPressed),
                   "a covered cell shows its mark");
        }
    }
    expect(covered == s.covered, "the covered count follows the field");
    if (s.minesplaced) expect(mines == s.totalmines, "the field holds its mines once placed");
    expect(s.minesleft == s.totalmines - flagsheld, "mines left are the mines minus the flags held");
    if (s.won) expect(!s.playing && s.covered == s.totalmines, "a won game has only mines covered");
    expect(s.seconds >= 0 && s.seconds <= 999, "seconds stay in 0..999");

    const auto digits = threedigits(s.seconds);
    if (tk.timerEnabled() || s.seconds > 1) {
        for (int k = 0; k < 3; ++k) expect(tk.picture(Elem::Box, n + 4 + k) == pictures::digit(digits[k]), "seconds shown");
    }
    if (s.minesleft >= 0) {
        const auto m = threedigits(s.minesleft);
        for (int k = 0; k < 3; ++k) expect(tk.picture(Elem::Box, n + 1 + k) == pictures::digit(m[k]), "mines left shown");
    } else {
        expect(tk.picture(Elem::Box, n + 1) == pictures::kMinus, "a negative count shows a minus");
    }
}

std::string text(Input& in) {
    static const char* const pieces[] = {"0", "1", "5", "8", "12", "27", "37", "40", "999", "-3", "0.5", "1e3",
                                         "&H1F", "&O17", " ", "x", ".", "e", "-", "1e999", ""};
    std::string t;
    const int length = in.next() % 4;
    for (int k = 0; k < length; ++k) t += pieces[in.next() % std::size(pieces)];
    return t;
}

struct Session {
    Session()
        : folder(std::filesystem::temp_directory_path() / ("tilewarden-fuzz-" + std::to_string(::getpid()))),
          game(tk, folder) {
        tk.setPictureLogging(false);
        game.start();
    }
    HeadlessToolkit tk;
    std::filesystem::path folder;
    Game game;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in{data, size};
    Session session;
    HeadlessToolkit& tk = session.tk;
    GameState& s = session.game.state();
    s.fixedseed = static_cast<std::uint64_t>(in.next()) + 1;
    constexpr int buttons[] = {kLeftButton, kRightButton, kMiddleButton};
    constexpr int masks[] = {1, 3, 9, 27, 31};
    int events = 0;
    static const bool trace = std::getenv("TILEWARDEN_FUZZ_TRACE") != nullptr;
    while (in.more() && events++ < 400) {
        const bool ended = !s.playing && s.minesplaced;
        const int builds = tk.builds();
        auto before = s.opened;
        const int op = in.next() % 14;
        const int box = tk.window(Form::Form1).exists ? in.next() * 4 % (tk.boxCount() + 1) : 0;
        const int button = buttons[in.next() % 3];
        switch (op) {
            case 0: tk.press(box, button); break;
            case 1: tk.release(box, button); break;
            case 2:
            case 3: tk.click(box, button); break;
            case 4: tk.pressFace(button); break;
            case 5: tk.releaseFace(button); break;
            case 6: tk.keyDown(in.next() % 2 ? 72 : in.next(), in.next() % 8); break;
            case 7: tk.keyUp(in.next() % 2 ? 72 : in.next(), in.next() % 8); break;
            case 8: {
                const int item = in.next() % 9;
                if (item == static_cast<int>(MenuItem::mnuExit)) break;
                tk.choose(static_cast<MenuItem>(item), masks[in.next() % 5]);
                break;
            }
            case 9: tk.tick(); break;
            case 10: tk.typeText(static_cast<TextBox>(in.next() % 3), text(in)); break;
            case 11: tk.pressOK(); break;
            case 12: (in.next() % 2 ? tk.pressCancel() : tk.closeForm(Form::Form2)); break;
            case 13: (in.next() % 2 ? tk.pressHelpOK() : tk.closeForm(Form::Form3)); break;
        }
        if (trace) std::fprintf(stderr, "op %d box %d button %d -> placed %d playing %d won %d\n", op, box, button, s.minesplaced, s.playing, s.won);
        checkinvariants(s, tk);
        if (ended && tk.builds() == builds) expect(before == s.opened, "a finished game opens no cell");
    }
    return 0;
}
