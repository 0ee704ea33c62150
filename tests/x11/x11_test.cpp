// SPDX-License-Identifier: GPL-3.0-or-later
// The windows on a real X server under a real window manager (or none): real input (xdotool), the
// close control (wmctrl), and what the player sees read back from the server: the stacking of the
// windows, their properties and the pointer's picture. The offscreen platform has none of these.
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenuBar>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "../gui/gui_game.h"

// Last: the X headers define words that Qt and the test framework use as names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>

namespace tw::gui {
namespace {

using Until = std::function<bool()>;
bool soon(const Until& until) { return QTest::qWaitFor(until, 10000); }

// Runs a program, the game taking its events as they come meanwhile, as the running game does (a
// test's wait sleeps between rounds, which pairs every release and press of a key's repeat), then
// until the game has taken every event the server sent it and `until` holds (the window manager
// answers in its own time): whether it did.
bool run(const QString& program, const QStringList& arguments, const Until& until = {}) {
    QProcess process;
    process.start(program, arguments);
    QEventLoop loop;
    const QDeadlineTimer deadline(20000);
    QTimer::singleShot(20000, &loop, [] {});
    while (process.state() != QProcess::NotRunning && !deadline.hasExpired()) {
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    }
    EXPECT_EQ(QProcess::NotRunning, process.state()) << program.toStdString() << " hangs";
    QGuiApplication::sync();
    return !until || soon(until);
}

bool xdotool(const QStringList& arguments, const Until& until = {}) { return run("xdotool", arguments, until); }
QString n(qlonglong value) { return QString::number(value); }
QString id(const QWidget& window) { return n(qlonglong(window.winId())); }
bool closeControl(const QWidget& window, const Until& until = {}) { return run("wmctrl", {"-i", "-c", id(window)}, until); }
bool windowManager() { return qEnvironmentVariable("TILEWARDEN_TEST_WM", "none") != "none"; }

// A connection of the test's own, to read back what the server shows.
Display* server() {
    static Display* display = XOpenDisplay(nullptr);
    return display;
}

// Whether the window holds the keys, for Qt and for the server alike: the window manager gives the
// server's focus in its own time.
bool active(const QWidget* window) {
    if (window == nullptr || !window->isActiveWindow()) return false;
    ::Window focus = 0;
    int revert = 0;
    XGetInputFocus(server(), &focus, &revert);
    return focus == window->winId();
}

std::vector<unsigned long> property(unsigned long window, const char* name) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> values;
    if (XGetWindowProperty(server(), window, XInternAtom(server(), name, False), 0, 1 << 16, False,
                           AnyPropertyType, &type, &format, &count, &after, &data) == Success && data != nullptr) {
        if (format == 32) values.assign(reinterpret_cast<unsigned long*>(data), reinterpret_cast<unsigned long*>(data) + count);
        XFree(data);
    }
    return values;
}

// Where the server has a window on the root, and its size.
QRect onServer(const QWidget& window) {
    ::Window child = 0;
    int x = 0;
    int y = 0;
    XTranslateCoordinates(server(), window.winId(), DefaultRootWindow(server()), 0, 0, &x, &y, &child);
    XWindowAttributes attributes;
    XGetWindowAttributes(server(), window.winId(), &attributes);
    return {x, y, attributes.width, attributes.height};
}

// The frame the window manager says it drew around a window: left, right, top, bottom.
std::vector<unsigned long> frameExtents(const QWidget& window) {
    auto extents = property(window.winId(), "_NET_FRAME_EXTENTS");
    extents.resize(4);
    return extents;
}

// A window's frame as the server shows it: the window manager frames a new window, and the game
// places it again with its frame, each in its own time.
QRect frameOnServer(const QWidget& window) {
    const auto e = frameExtents(window);
    return onServer(window).adjusted(-int(e[0]), -int(e[2]), int(e[1]), int(e[3]));
}

int offCentre(const QWidget& window) {
    return (frameOnServer(window).center() - QGuiApplication::primaryScreen()->availableGeometry().center())
        .manhattanLength();
}

// Whether the window manager frames just the windows the game shows: it frames a new window, and
// takes a closed one's frame away, in its own time.
bool framedAsShown() {
    if (!windowManager()) return true;
    auto framed = property(DefaultRootWindow(server()), "_NET_CLIENT_LIST");
    std::vector<unsigned long> shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowType() != Qt::Popup) shown.push_back(window->winId());
    }
    std::sort(framed.begin(), framed.end());
    std::sort(shown.begin(), shown.end());
    return framed == shown;
}

// Whether the server shows the window itself at a point of it: a closed window's frame that the
// window manager has not taken away yet takes the pointer's events there.
bool showsAt(const QWidget& window, QPoint at) {
    const QPoint point = onServer(window).topLeft() + at;
    ::Window below = DefaultRootWindow(server());
    for (;;) {
        ::Window child = 0;
        int x = 0;
        int y = 0;
        XTranslateCoordinates(server(), DefaultRootWindow(server()), below, point.x(), point.y(), &x, &y, &child);
        if (below == window.winId() || child == 0) return below == window.winId();
        below = child;
    }
}

// Arguments that move the pointer onto the middle of an element, measured from the window once
// the server shows it where the game put it and, while no dialog or menu is open, shows it there.
QStringList to(GuiGame& g, Elem elem, int index) {
    const QPointF centre = g.board().toWidget(g.board().find(elem, index)->rect.center());
    const QPoint at = g.board().mapTo(&g.window(), centre.toPoint());
    const bool open = QApplication::activeModalWidget() != nullptr || QApplication::activePopupWidget() != nullptr;
    EXPECT_TRUE(soon([&] {
        return onServer(g.window()) == g.window().geometry() && framedAsShown() && (open || showsAt(g.window(), at));
    })) << "the window is where the game put it";
    return {"mousemove", "--window", id(g.window()), n(at.x()), n(at.y())};
}

// The game, once the server gives its window the keys and shows its frame centred, where a new
// game puts it: a window manager still starting (kwin) takes a moment longer than Qt to say so.
struct X11Game : GuiGame {
    X11Game() {
        EXPECT_TRUE(soon([&] { return active(&window()) && offCentre(window()) <= 2; }))
            << "the window manager gives the new window the keys where the game put it";
    }
};

// Another window, away from the game, for Alt+Tab to switch to, once it has had the keys.
void showAnother(QWidget& other, GuiGame& g) {
    other.setWindowTitle(QStringLiteral("another window"));
    other.setGeometry(0, 0, 200, 100);  // in a corner: some window managers put it over the game
    other.show();
    other.activateWindow();
    ASSERT_TRUE(soon([&] { return active(&other) && !frameOnServer(other).intersects(frameOnServer(g.window())); }));
    g.settle();
}

// Whether the window manager has put the window in the state _NET_WM_STATE_`name`.
bool inState(const QWidget& window, const char* name) {
    const auto states = property(window.winId(), "_NET_WM_STATE");
    const Atom atom = XInternAtom(server(), ("_NET_WM_STATE_" + std::string(name)).c_str(), False);
    return std::find(states.begin(), states.end(), atom) != states.end();
}

// Whether the window manager keeps `upper` above `lower`, bottom to top in its stacking list.
bool stackedAbove(const QWidget& upper, const QWidget& lower) {
    const auto order = property(DefaultRootWindow(server()), "_NET_CLIENT_LIST_STACKING");
    const auto at = [&](const QWidget& w) { return std::find(order.begin(), order.end(), w.winId()) - order.begin(); };
    return at(upper) > at(lower);
}

// The pointer's picture as the server shows it: its pixels, size and hot spot.
std::vector<unsigned long> shownCursor() {
    QGuiApplication::sync();  // the game's requests reach the server before the test asks it
    XFixesCursorImage* image = XFixesGetCursorImage(server());
    std::vector<unsigned long> seen(image->pixels, image->pixels + image->width * image->height);
    seen.insert(seen.end(), {image->width, image->height, image->xhot, image->yhot});
    XFree(image);
    return seen;
}

// The player drags the window until its frame's top-left corner is at `to`: by its title bar near
// the left end, so that the pointer stays on the screen (fluxbox takes a window dragged to the
// screen's edge to the next workspace), or with Super held where the window manager draws no title
// (kwin without its theme); whether the window got there. Most window managers move the frame from
// where the button went down, fluxbox from where a motion after it took the drag: the drag starts
// with a motion across and one down, and how far the frame has followed them tells from where.
// Says, when the frame never gets there, where each attempt left it and how tall the title was.
testing::AssertionResult drag(const QWidget& window, QPoint to) {
    std::string attempts;
    for (int attempt = 0; attempt < 3 && frameOnServer(window).topLeft() != to; ++attempt) {
        const QRect frame = frameOnServer(window);
        const int title = int(frameExtents(window)[2]);
        const QPoint grip(std::min(frame.width() / 2, 80), title > 0 ? title / 2 : frame.height() / 2);
        const QPoint from = frame.topLeft() + grip;
        const int step = 12;
        const QPoint across = from + QPoint(step, 0);
        const QPoint down = across + QPoint(0, step);
        const QString hold = title > 0 ? QString() : QStringLiteral("super");
        xdotool(QStringList{"mousemove", n(from.x()), n(from.y())});
        if (!hold.isEmpty()) xdotool({"keydown", hold});
        // The press and each motion come on their own: metacity and openbox can miss the second
        // of two motions that come together, fluxbox the first motion after a press, until the
        // next comes. Once the frame has followed the motion down, it moves with the pointer; a
        // frame that has not takes the drag from there.
        xdotool({"mousedown", "1"});
        xdotool({"mousemove", n(across.x()), n(across.y())});
        xdotool({"mousemove", n(down.x()), n(down.y())}, [&] { return frameOnServer(window).top() == frame.top() + step; });
        const QPoint followed = frameOnServer(window).topLeft() - frame.topLeft();
        const QPoint end = down - followed + to - frame.topLeft();
        xdotool({"mousemove", n(end.x()), n(end.y())}, [&] { return frameOnServer(window).topLeft() == to; });
        xdotool({"mouseup", "1"});
        if (!hold.isEmpty()) xdotool({"keyup", hold});
        const QPoint ended = frameOnServer(window).topLeft();
        attempts += " (" + std::to_string(ended.x()) + ", " + std::to_string(ended.y()) + ", title " + std::to_string(title) + ")";
    }
    if (soon([&] { return frameOnServer(window).topLeft() == to; })) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the frame stood after each attempt at" << attempts;
}

// The changes of a window's size and place ("width x height at left, top") that the server reports
// to any client watching it while `action` runs, until the window has the size it then has; nothing
// if it never gets it. The server's own reports place the window in its frame, only the window
// manager's on the root: both count from where the window manager put it before.
std::optional<std::vector<std::string>> configuresDuring(const QWidget& window, const std::function<void()>& action) {
    (void)QTest::qWaitFor([&] { return onServer(window).topLeft() == window.mapToGlobal(QPoint(0, 0)); }, 2000);
    XSelectInput(server(), window.winId(), StructureNotifyMask);
    XSync(server(), False);
    const QRect at = onServer(window);
    action();
    std::vector<std::string> seen;
    const bool reached = QTest::qWaitFor(
        [&] {
            while (XPending(server()) > 0) {
                XEvent event;
                XNextEvent(server(), &event);
                const XConfigureEvent& c = event.xconfigure;
                if (event.type != ConfigureNotify || c.window != window.winId()) continue;
                if (QSize(c.width, c.height) == window.size()) return true;
                if (QSize(c.width, c.height) == at.size() && (!c.send_event || QPoint(c.x, c.y) == at.topLeft())) continue;
                seen.push_back(std::to_string(c.width) + "x" + std::to_string(c.height) + " at " +
                               std::to_string(c.x) + ", " + std::to_string(c.y));
            }
            return false;
        },
        5000);
    XSelectInput(server(), window.winId(), NoEventMask);
    return reached ? std::optional(seen) : std::nullopt;
}

TEST(X11, AReleaseLostWhileTheWindowWasDisabledActsNowhereLater) {
    X11Game g;
    g.laywall();
    // The left button goes down on cell 10, Ctrl+C opens the Custom Field dialog, the button
    // comes up while the main window is disabled, and Escape closes the dialog.
    xdotool(to(g, Elem::Box, 10) + QStringList{"mousedown", "1"}, [&] { return g.face() == pictures::kSurprised; });
    xdotool({"key", "ctrl+c"}, [&] { return active(g.tk.form2()); });
    xdotool({"mouseup", "1"});
    xdotool({"key", "Escape"}, [&] { return active(&g.window()); });
    ASSERT_TRUE(g.window().isEnabled());
    // The face, clicked next, starts a new game and opens nothing.
    const int builds = g.window().builds();
    EXPECT_TRUE(xdotool(to(g, Elem::Smile, 0) + QStringList{"click", "1"}, [&] { return g.window().builds() == builds + 1; }));
    EXPECT_EQ(pictures::kCovered, g.picture(10));
    // The keys reach the game without a click, also where no window manager gives them.
    EXPECT_TRUE(xdotool({"key", "ctrl+c"}, [&] { return active(g.tk.form2()); })) << "Ctrl+C reaches the game after Escape";
    xdotool({"key", "Escape"}, [&] { return active(&g.window()); });
    EXPECT_TRUE(xdotool(to(g, Elem::Box, 20) + QStringList{"click", "3"}, [&] { return g.s().mark[20] == kFlag; }));
    EXPECT_EQ(kNoMark, g.s().mark[10]);
    EXPECT_FALSE(g.s().opened[10]);
}

TEST(X11, ThePressOfEachButtonTakesItsOwnRelease) {
    X11Game g;
    g.laywall();
    EXPECT_TRUE(xdotool(to(g, Elem::FrameL, 0) + QStringList{"mousedown", "1"} + to(g, Elem::Box, 3) +
                            QStringList{"mousedown", "3", "sleep", "0.1", "mouseup", "1", "sleep", "0.1", "mouseup", "3"},
                        [&] { return g.s().mark[3] == kFlag; }))
        << "the right button went down on the cell";
    EXPECT_FALSE(g.s().opened[3]) << "the left button went down on the frame";
    EXPECT_FALSE(g.window().second().isActive());

    // A custom row of eight cells with one mine.
    std::tie(g.s().levelbeginner, g.s().levelcustom, g.s().across, g.s().down, g.s().totalmines) =
        std::tuple(false, true, 8, 1, 1);
    g.window().action(MenuItem::mnuNew, 0)->trigger();
    g.settle();
    g.laymines({8});
    xdotool(to(g, Elem::Box, 7) + QStringList{"click", "1"}, [&] { return g.s().opened[7]; });
    // Left opens the last safe cells and wins; right comes up while the message box is open, and
    // Return closes it once it has the keys. The box waits in an event loop of its own, where
    // this timer gives that input.
    QTimer answer;
    answer.callOnTimeout([&] {
        if (!active(QApplication::activeModalWidget())) return;
        answer.stop();
        QProcess::execute(QStringLiteral("xdotool"), {"mouseup", "3", "key", "Return"});
    });
    answer.start(20);
    xdotool(to(g, Elem::Box, 1) + QStringList{"mousedown", "1", "mousedown", "3", "mouseup", "1"},
            [&] { return !answer.isActive() && QApplication::activeModalWidget() == nullptr; });
    ASSERT_TRUE(g.s().won);
    const int builds = g.window().builds();
    EXPECT_TRUE(xdotool(to(g, Elem::Smile, 0) + QStringList{"click", "1"}, [&] { return g.window().builds() == builds + 1; }))
        << "the first click on the face starts a new game";
}

TEST(X11, TheCloseControlOfTheDisabledWindowDoesNothing) {
    if (!windowManager()) GTEST_SKIP() << "the close control is the window manager's";
    X11Game g;
    xdotool({"key", "ctrl+c"}, [&] { return active(g.tk.form2()); });
    ASSERT_FALSE(g.window().isEnabled());
    closeControl(g.window());
    EXPECT_TRUE(g.window().isVisible()) << "the program goes on";
    EXPECT_TRUE(g.tk.form2()->isVisible());
    xdotool({"key", "Escape"}, [&] { return active(&g.window()); });
    EXPECT_TRUE(closeControl(g.window(), [&] { return !g.window().isVisible(); }))
        << "the enabled window's close control ends the program";
}

TEST(X11, DialogsBelongToTheGameAndStayAboveItWhenItIsClicked) {
    X11Game g;
    ASSERT_TRUE(xdotool({"key", "ctrl+e"}, [&] { return g.checked(MenuItem::mnuHard); }));
    g.settle();
    const std::vector<std::tuple<const char*, const char*, std::function<QWidget*()>>> dialogs = {
        {"Custom Field", "ctrl+c", [&] { return g.tk.form2(); }}, {"How to Play", "h", [&] { return g.tk.form3(); }}};
    for (const auto& [what, key, opened] : dialogs) {
        SCOPED_TRACE(what);
        const std::function<QWidget*()>& dialog = opened;  // clang 14 captures no structured binding
        const bool help = key == std::string("h");
        // H opens How to Play from the Help menu once Alt+H has opened it, in its own time.
        if (help) xdotool({"key", "alt+h"}, [&] { return QApplication::activePopupWidget() != nullptr; });
        ASSERT_TRUE(xdotool({"key", key}, [&] { return active(dialog()); }))
            << "the game takes the keys again once a dialog closes";
        // Measured on the server: what Qt takes for a new dialog's frame kwin sometimes leaves wrong.
        EXPECT_TRUE(help || soon([&] {
            return (frameOnServer(*dialog()).center() - frameOnServer(g.window()).center()).manhattanLength() <= 2;
        })) << "the dialog's frame is centred over the game's";
        Window owner = 0;
        XGetTransientForHint(server(), dialog()->winId(), &owner);
        EXPECT_EQ(g.window().winId(), owner) << "the dialog belongs to the game";
        EXPECT_FALSE(property(dialog()->winId(), "_NET_WM_ICON").empty()) << "the game's icon";
        // A click on the greyed-out game, on the top-left cell beside the dialog.
        int focusChanges = 0;
        const auto counting = QObject::connect(qApp, &QGuiApplication::focusWindowChanged, [&] { ++focusChanges; });
        xdotool(to(g, Elem::Box, 1) + QStringList{"click", "1"},
                [&] { return active(dialog()) && (!windowManager() || stackedAbove(*dialog(), g.window())); });
        QTest::qWait(300);  // long enough for an activation the click asked for to come back
        QObject::disconnect(counting);
        // icewm focuses the clicked window itself, whatever its modal dialog, and Qt gives it back.
        if (qEnvironmentVariable("TILEWARDEN_TEST_WM") != "icewm") {
            EXPECT_EQ(0, focusChanges) << "the dialog keeps the keys: the click does not ask for the game";
        }
        EXPECT_TRUE(!windowManager() || stackedAbove(*dialog(), g.window())) << "the dialog stays above the game";
        EXPECT_FALSE(g.s().opened[1]);
        EXPECT_TRUE(xdotool({"key", "Escape"}, [&] { return !dialog()->isVisible() && active(&g.window()); }))
            << "Escape closes the dialog";
        EXPECT_TRUE(g.window().isEnabled());
    }
    EXPECT_TRUE(xdotool({"key", "ctrl+c"}, [&] { return active(g.tk.form2()); }))
        << "the game takes the keys again once help closes";
    xdotool({"key", "Escape"});
}

TEST(X11, EveryKindOfNewGameKeepsTheOneWindowWhereThePlayerPutIt) {
    X11Game g;
    const WId window = g.window().winId();
    xdotool({"windowmove", "--sync", id(g.window()), "300", "200"},
            [&] { return onServer(g.window()) == g.window().geometry(); });
    g.settle();
    const QPoint at = g.window().frameGeometry().topLeft();
    const std::vector<std::pair<const char*, std::function<void()>>> newGames = {
        {"F2", [&] { xdotool({"key", "F2"}); }},
        {"the face", [&] { xdotool(to(g, Elem::Smile, 0) + QStringList{"click", "1"}); }},
        {"a game type", [&] { g.window().action(MenuItem::mnuGT, 31)->trigger(); }},
        {"OK in Custom Field", [&] {
             xdotool({"key", "ctrl+c"}, [&] { return active(g.tk.form2()); });
             xdotool({"key", "Return"}, [&] { return active(&g.window()); });
         }},
    };
    for (int round = 0; round < 3; ++round) {
        for (const auto& [how, newGame] : newGames) {
            newGame();
            g.settle();
            EXPECT_EQ(window, g.window().winId()) << how;
            EXPECT_TRUE(g.window().isVisible()) << how;
            EXPECT_EQ(at, g.window().frameGeometry().topLeft()) << how << ": a new game at the same size stays in place";
        }
    }
    const QRect before = g.window().frameGeometry();
    EXPECT_TRUE(xdotool({"key", "ctrl+i"}, [&] {
        const QRect now = g.window().frameGeometry();
        return now.size() != before.size() && (before.center() - now.center()).manhattanLength() <= 2;
    })) << "a new size keeps its centre";
    EXPECT_EQ(window, g.window().winId()) << "a level";
}

// H shows the crosshair over the mine under the resting pointer, and only while it is held: at once
// when the help window closes over the resting pointer, and no more once H is let go where the game
// does not see it go up.
TEST(X11, TheCrosshairFollowsHWhereverTheKeysAre) {
    X11Game g;
    xdotool({"key", "ctrl+e"}, [&] { return g.checked(MenuItem::mnuHard); });
    g.settle();
    g.laymines({1, 100, 480});
    // The bottom-right cell: no dialog, help window or menu, wherever it opens, comes over it.
    xdotool(to(g, Elem::Box, 480));
    const auto arrow = shownCursor();
    ASSERT_TRUE(xdotool({"keydown", "h"}, [&] { return shownCursor() != arrow; }))
        << "H shows the crosshair over the mine under the pointer";
    const auto cross = shownCursor();
    xdotool({"keyup", "h"}, [&] { return shownCursor() == arrow; });
    for (const bool byReturn : {true, false}) {
        SCOPED_TRACE(byReturn ? "help closed by Return" : "help closed by the close control");
        if (!byReturn && !windowManager()) break;
        xdotool({"key", "alt+h"}, [&] { return QApplication::activePopupWidget() != nullptr; });
        ASSERT_TRUE(xdotool({"key", "h"}, [&] { return active(g.tk.form3()); }));
        ASSERT_FALSE(g.tk.form3()->frameGeometry().contains(QCursor::pos())) << "the pointer rests on the field";
        const auto closed = [&] { return !g.tk.form3()->isVisible() && active(&g.window()); };
        ASSERT_TRUE(byReturn ? xdotool({"key", "Return"}, closed) : closeControl(*g.tk.form3(), closed));
        EXPECT_TRUE(xdotool({"keydown", "h"}, [&] { return shownCursor() == cross; }));
        EXPECT_TRUE(xdotool({"keyup", "h"}, [&] { return shownCursor() == arrow; }));
    }
    // H goes down on the field and up elsewhere: in Custom Field, in another window, on the Game menu.
    QWidget other;
    if (windowManager()) showAnother(other, g);
    QAction* gameTitle = g.window().menus().titles().front();
    QMenuBar& bar = g.window().menus().rowOf(gameTitle);
    const QPoint menu = bar.mapToGlobal(bar.actionGeometry(gameTitle).center());
    const QStringList altTab = {"keydown", "alt", "key", "Tab", "keyup", "alt"};
    const std::vector<std::tuple<const char*, QStringList, Until, QStringList>> elsewhere = {
        {"in Custom Field", {"key", "ctrl+c"}, [&] { return active(g.tk.form2()); }, {"key", "Escape"}},
        {"after Alt+Tab", altTab, [&] { return active(&other); }, altTab},
        {"on the Game menu", {"mousemove", n(menu.x()), n(menu.y()), "click", "1"},
         [&] { return QApplication::activePopupWidget() != nullptr; }, {"key", "Escape"}},
    };
    for (const auto& [where, away, there, back] : elsewhere) {
        SCOPED_TRACE(where);
        if (!windowManager() && away == altTab) continue;
        xdotool({"keydown", "h"});
        ASSERT_TRUE(xdotool(away, there));
        xdotool({"keyup", "h"});
        ASSERT_TRUE(xdotool(back, [&] { return g.window().isActiveWindow(); }));
        EXPECT_TRUE(xdotool(to(g, Elem::Box, 480), [&] { return shownCursor() == arrow; })) << "the crosshair stays";
    }
}

TEST(X11, APressAbandonedByAltTabIsReleasedOnItsCell) {
    if (!windowManager()) GTEST_SKIP() << "Alt+Tab is the window manager's";
    X11Game g;
    g.laywall();
    QWidget other;
    showAnother(other, g);
    // Whether the window manager switches while the button is held is its own affair (icewm does not).
    xdotool(to(g, Elem::Box, 1) + QStringList{"mousedown", "1"}, [&] { return g.face() == pictures::kSurprised; });
    xdotool({"keydown", "alt", "key", "Tab", "keyup", "alt"});
    xdotool({"mouseup", "1"}, [&] { return g.s().opened[1]; });
    xdotool({"keydown", "alt", "key", "Tab", "keyup", "alt"});
    EXPECT_TRUE(g.s().opened[1]) << "the release opens the cell";
    EXPECT_EQ(pictures::kSmiling, g.face());
}

TEST(X11, CancelGivesBackAMinimisedGame) {
    if (!windowManager()) GTEST_SKIP() << "minimising is the window manager's";
    X11Game g;
    ASSERT_TRUE(xdotool({"key", "ctrl+c"}, [&] { return active(g.tk.form2()); }));
    xdotool({"windowminimize", "--sync", id(g.window())});
    if (!soon([&] { return g.window().isMinimized(); })) {
        // The game has no minimise button, and some window managers (icewm) take that strictly.
        GTEST_SKIP() << "this window manager minimises no window without a minimise button";
    }
    g.hands.pressCancel();
    EXPECT_TRUE(soon([&] { return !g.window().isMinimized() && g.window().isActiveWindow(); }))
        << "the game is back, restored and active";
    EXPECT_TRUE(xdotool({"key", "ctrl+c"}, [&] { return g.tk.form2()->isActiveWindow(); })) << "the dialog opens again, restored";
}
TEST(X11, ANewGameAtTheSameSizeLeavesTheWindowAloneAndANewSizeChangesItOnce) {
    X11Game g;
    xdotool({"key", "ctrl+e"});
    g.settle();
    // What the server reports during F2 at Expert, then at a new size.
    const int builds = g.window().builds();
    const auto before = configuresDuring(g.window(), [&] {
        xdotool({"key", "F2"});
        EXPECT_EQ(builds + 1, g.window().builds());
        xdotool({"key", "ctrl+i"});
        g.settle();
    });
    ASSERT_TRUE(before) << "Intermediate's size reaches the server";
    EXPECT_EQ(std::vector<std::string>{}, *before) << "configures before Intermediate's size";
    if (!windowManager()) return;
    // Expert dragged past the screen's right edge.
    xdotool({"key", "ctrl+e"});
    g.settle();
    ASSERT_TRUE(drag(g.window(), {987, frameOnServer(g.window()).top()}));
    xdotool({"key", "F2"});
    g.settle();
    EXPECT_EQ(987, frameOnServer(g.window()).left()) << "F2 leaves the window where the player left it";
}

TEST(X11SmallScreen, AWindowNeverMovedOpensCentredAtEveryNewSize) {
    X11Game g;
    ASSERT_EQ(QSize(640, 480), QGuiApplication::primaryScreen()->size());
    ASSERT_TRUE(xdotool({"key", "ctrl+c"}, [&] { return active(g.tk.form2()); }));
    xdotool({"key", "alt+w", "type", "37"});
    xdotool({"key", "alt+h", "type", "27"});
    xdotool({"key", "Return"});
    g.settle();
    ASSERT_EQ(37 * 27, g.s().cells()) << "Custom 37 x 27, taller than the screen";
    for (const char* level : {"ctrl+b", "ctrl+e"}) {
        // The window manager moves the resized frame in its own time.
        EXPECT_TRUE(xdotool({"key", level}, [&] { return offCentre(g.window()) <= 2; }))
            << level << " opens " << offCentre(g.window()) << " off centre";
    }
}

// What reaches the game, which itself takes nothing meanwhile.
TEST(X11, AHeldKeyActsOncePerPressWhateverTheServersRepeats) {
    X11Game g;
    EventLog log;
    g.tk.setEvents(&log);
    const auto restore = qScopeGuard([&] { g.tk.setEvents(&g.game.events()); });
    const auto seen = [&](const char* line) { return std::count(log.seen.begin(), log.seen.end(), line); };
    xdotool({"keydown", "h", "sleep", "3", "keyup", "h"});
    ASSERT_GE(seen("key down 72"), 10) << "the server repeats a held key";
    EXPECT_EQ(1, seen("key up 72")) << "H held for 3 s ends once";
    xdotool({"keydown", "f", "sleep", "1.5", "keyup", "f"});
    EXPECT_EQ(1, seen("up 1 2")) << "F held for 1.5 s clicks cell 1 once";
    xdotool({"keydown", "space", "sleep", "1.5", "keyup", "space"});
    EXPECT_EQ(1, seen("up 1 1")) << "Space held for 1.5 s clicks cell 1 once";
}

TEST(X11, TheCustomFieldDialogComesBackWhereThePlayerLeftIt) {
    if (!windowManager()) GTEST_SKIP() << "dragging a window is the window manager's";
    X11Game g;
    ASSERT_TRUE(xdotool({"key", "ctrl+c"}, [&] { return active(g.tk.form2()); }));
    CustomDialog& dialog = *g.tk.form2();
    ASSERT_TRUE(drag(dialog, {827, 745}));
    ASSERT_TRUE(xdotool({"key", "Escape"}, [&] { return g.window().isActiveWindow(); }));
    ASSERT_TRUE(xdotool({"key", "ctrl+c"}, [&] { return active(&dialog); }));
    EXPECT_TRUE(soon([&] { return frameOnServer(dialog).topLeft() == QPoint(827, 745); }))
        << "the dialog comes back at " << frameOnServer(dialog).left() << ", " << frameOnServer(dialog).top();
    xdotool({"key", "Escape"});
}

TEST(X11, AMaximiseOrFullScreenRequestLeavesTheFixedWindowsAsTheyAre) {
    if (!windowManager()) GTEST_SKIP() << "maximising is the window manager's";
    X11Game g;
    const auto keepsItsSize = [&](QWidget& window, const char* what) {
        SCOPED_TRACE(what);
        const QSize size = window.size();
        for (const QString state : {"maximized_vert,maximized_horz", "fullscreen"}) {
            const QStringList on = {"-i", "-r", id(window), "-b"};
            run("wmctrl", on + QStringList{"add," + state});
            // The manager has done what it does with the request once it keeps the window above
            // (fluxbox now and then keeps a dialog above only for a moment: the check below waits).
            run("wmctrl", on + QStringList{"add,above"});
            (void)QTest::qWaitFor([&] { return inState(window, "ABOVE"); }, 3000);
            run("wmctrl", on + QStringList{"remove,above"});
            EXPECT_TRUE(soon([&] {
                return onServer(window).size() == size && !inState(window, "MAXIMIZED_VERT") &&
                       !inState(window, "MAXIMIZED_HORZ") && !inState(window, "FULLSCREEN");
            }))
                << state.toStdString() << " left the window at " << window.width() << " x " << window.height();
        }
    };
    keepsItsSize(g.window(), "the game");
    ASSERT_TRUE(xdotool({"key", "ctrl+c"}, [&] { return active(g.tk.form2()); }));
    keepsItsSize(*g.tk.form2(), "Custom Field");
    xdotool({"key", "Escape"});
}

}  // namespace
}  // namespace tw::gui
