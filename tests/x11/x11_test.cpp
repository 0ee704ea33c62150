// SPDX-License-Identifier: GPL-3.0-or-later
// The windows on a real X server under a real window manager (or none): real input through the
// server's test extension (xdotool), the close control as the window manager's WM_DELETE_WINDOW
// message (wmctrl), and what the player sees read back from the server: the stacking of the
// windows, their properties and the pointer's picture. The offscreen platform has none of these.
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenuBar>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
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

// Runs a program, the game taking its events as they come meanwhile, as the running game does (a
// test's wait sleeps between rounds, which pairs every release and press of a key's repeat), then
// until the game has taken every event the server sent it and `until` holds: the window manager
// answers in its own time.
void run(const QString& program, const QStringList& arguments, const std::function<bool()>& until = {}) {
    QProcess process;
    process.start(program, arguments);
    QEventLoop loop;
    const QDeadlineTimer deadline(20000);
    QTimer::singleShot(20000, &loop, [] {});
    while (process.state() != QProcess::NotRunning && !deadline.hasExpired()) {
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    }
    ASSERT_EQ(QProcess::NotRunning, process.state()) << program.toStdString() << " hangs";
    QGuiApplication::sync();
    if (until && !QTest::qWaitFor(until, 10000)) qWarning("still waiting after %s", qPrintable(arguments.join(' ')));
}

void xdotool(const QStringList& arguments, const std::function<bool()>& until = {}) {
    run(QStringLiteral("xdotool"), arguments, until);
}
QString id(const QWidget& window) { return QString::number(window.winId()); }
QString n(int value) { return QString::number(value); }
void closeControl(const QWidget& window, const std::function<bool()>& until = {}) {
    run(QStringLiteral("wmctrl"), {"-i", "-c", id(window)}, until);
}
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

// Arguments that move the pointer onto the middle of an element, measured from the window once
// the server shows it where the game put it, under no frame of a closed window.
QStringList to(GuiGame& g, Elem elem, int index) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return onServer(g.window()) == g.window().geometry() && framedAsShown(); },
                                10000))
        << "the window is where the game put it";
    const QPointF centre = g.board().toWidget(g.board().find(elem, index)->rect.center());
    const QPoint at = g.board().mapTo(&g.window(), centre.toPoint());
    return {"mousemove", "--window", id(g.window()), QString::number(at.x()), QString::number(at.y())};
}

// The game, once the server gives its window the keys and shows its frame centred, where a new
// game puts it: a window manager still starting (kwin) takes a moment longer than Qt to say so.
struct X11Game : GuiGame {
    X11Game() {
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                Window focus = 0;
                int revert = 0;
                XGetInputFocus(server(), &focus, &revert);
                const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
                return focus == window().winId() && (frameOnServer(window()).center() - centre).manhattanLength() <= 2;
            },
            10000))
            << "the window manager gives the new window the keys where the game put it";
    }
};

// Another window on the desktop, away from the game, for Alt+Tab to switch to: it has had the
// keys, and the game has them back (a window manager may give a new window the keys late).
void showAnother(QWidget& other, GuiGame& g) {
    other.setWindowTitle(QStringLiteral("another window"));
    other.setGeometry(0, 0, 200, 100);  // in a corner: some window managers put it over the game
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return active(&other); }, 10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !frameOnServer(other).intersects(frameOnServer(g.window())); }, 10000));
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

// The pointer's picture as the server shows it.
struct ShownCursor {
    int width, height, xhot, yhot;
    std::vector<unsigned long> pixels;
    bool operator==(const ShownCursor&) const = default;
};
ShownCursor shownCursor() {
    QGuiApplication::sync();  // the game's requests reach the server before the test asks it
    XFixesCursorImage* image = XFixesGetCursorImage(server());
    ShownCursor seen{image->width, image->height, image->xhot, image->yhot,
                {image->pixels, image->pixels + image->width * image->height}};
    XFree(image);
    return seen;
}

// The player drags the window until its frame's top-left corner is at `to`: by the middle of its
// title bar, or with Super held where the window manager draws none (kwin without its theme);
// whether the window got there. fluxbox moves the window from the pointer's first motion, not
// from where the button went down: what the first drag loses, a second one adds.
bool drag(const QWidget& window, QPoint to) {
    QPoint lost;
    for (int attempt = 0; attempt < 3 && frameOnServer(window).topLeft() != to; ++attempt) {
        const QRect frame = frameOnServer(window);
        const int title = int(frameExtents(window)[2]);
        const QPoint grip(frame.width() / 2, title > 0 ? title / 2 : frame.height() / 2);
        const QPoint from = frame.topLeft() + grip;
        const QPoint end = to + grip + lost;
        const QString hold = title > 0 ? QString() : QStringLiteral("super");
        xdotool(QStringList{"mousemove", n(from.x()), n(from.y())});
        if (!hold.isEmpty()) xdotool({"keydown", hold});
        // The window manager has taken the drag once the frame follows the pointer.
        xdotool({"mousedown", "1", "mousemove", n(from.x() + 8), n(from.y() + 8)},
                [&] { return frameOnServer(window).topLeft() != frame.topLeft(); });
        const QPoint started = frameOnServer(window).topLeft();
        xdotool({"mousemove", n(end.x()), n(end.y())}, [&] { return frameOnServer(window).topLeft() != started; });
        xdotool({"mouseup", "1"});
        if (!hold.isEmpty()) xdotool({"keyup", hold});
        lost = to - frameOnServer(window).topLeft();
    }
    return QTest::qWaitFor([&] { return frameOnServer(window).topLeft() == to; }, 10000);
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
    EXPECT_LE((g.window().frameGeometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center())
                  .manhattanLength(),
              2)
        << "the frame is centred";
    // The left button goes down on cell 10, Ctrl+C opens the Custom Field dialog, the button
    // comes up while the main window is disabled, and Escape closes the dialog.
    xdotool(to(g, Elem::Box, 10) + QStringList{"mousedown", "1"}, [&] { return g.face() == pictures::kSurprised; });
    xdotool({"key", "ctrl+c"}, [&] { return active(g.tk.form2()); });
    xdotool({"mouseup", "1"});
    xdotool({"key", "Escape"}, [&] { return active(&g.window()); });
    ASSERT_TRUE(g.window().isEnabled());
    // The face, clicked next, starts a new game and opens nothing.
    const int builds = g.window().builds();
    xdotool(to(g, Elem::Smile, 0) + QStringList{"click", "1"}, [&] { return g.window().builds() == builds + 1; });
    EXPECT_EQ(builds + 1, g.window().builds());
    EXPECT_EQ(pictures::kCovered, g.picture(10));
    // The keys reach the game without a click, also where no window manager gives them.
    xdotool({"key", "ctrl+c"}, [&] { return active(g.tk.form2()); });
    EXPECT_TRUE(g.tk.form2()->isVisible()) << "Ctrl+C reaches the game after Escape";
    xdotool({"key", "Escape"}, [&] { return active(&g.window()); });
    xdotool(to(g, Elem::Box, 20) + QStringList{"click", "3"}, [&] { return g.s().mark[20] == kFlag; });
    EXPECT_EQ(kFlag, g.s().mark[20]);
    EXPECT_EQ(kNoMark, g.s().mark[10]);
    EXPECT_FALSE(g.s().opened[10]);
}

TEST(X11, ThePressOfEachButtonTakesItsOwnRelease) {
    X11Game g;
    g.laywall();
    xdotool(to(g, Elem::FrameL, 0) + QStringList{"mousedown", "1"} + to(g, Elem::Box, 3) +
            QStringList{"mousedown", "3", "sleep", "0.1", "mouseup", "1", "sleep", "0.1", "mouseup", "3"},
            [&] { return g.s().mark[3] == kFlag; });
    EXPECT_EQ(kFlag, g.s().mark[3]) << "the right button went down on the cell";
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
    xdotool(to(g, Elem::Smile, 0) + QStringList{"click", "1"}, [&] { return g.window().builds() == builds + 1; });
    EXPECT_EQ(builds + 1, g.window().builds()) << "the first click on the face starts a new game";
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
    closeControl(g.window(), [&] { return !g.window().isVisible(); });
    EXPECT_FALSE(g.window().isVisible()) << "the enabled window's close control ends the program";
}

// Counts the times a window loses the keys.
struct Deactivations : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::WindowDeactivate;
        return false;
    }
};

TEST(X11, DialogsBelongToTheGameAndStayAboveItWhenItIsClicked) {
    X11Game g;
    xdotool({"key", "ctrl+e"}, [&] { return g.checked(MenuItem::mnuHard); });
    g.settle();
    ASSERT_TRUE(g.checked(MenuItem::mnuHard));
    const auto checkDialog = [&](QWidget& dialog, const char* what) {
        SCOPED_TRACE(what);
        Window owner = 0;
        XGetTransientForHint(server(), dialog.winId(), &owner);
        EXPECT_EQ(g.window().winId(), owner) << "the dialog belongs to the game";
        EXPECT_FALSE(property(dialog.winId(), "_NET_WM_ICON").empty()) << "the game's icon";
        // A click on the greyed-out game, on the top-left cell beside the dialog.
        Deactivations lost;
        dialog.installEventFilter(&lost);
        xdotool(to(g, Elem::Box, 1) + QStringList{"click", "1"},
                [&] { return active(&dialog) && (!windowManager() || stackedAbove(dialog, g.window())); });
        QTest::qWait(300);  // long enough for an activation the click asked for to come back
        // icewm focuses the clicked window itself, whatever its modal dialog, and Qt gives it back.
        if (qEnvironmentVariable("TILEWARDEN_TEST_WM") != "icewm") {
            EXPECT_EQ(0, lost.count) << "the dialog keeps the keys: the click does not ask for the game";
        }
        if (windowManager()) {
            EXPECT_TRUE(stackedAbove(dialog, g.window())) << "the dialog stays above the game";
        }
        EXPECT_FALSE(g.s().opened[1]);
    };
    xdotool({"key", "ctrl+c"}, [&] { return active(g.tk.form2()); });
    ASSERT_TRUE(g.tk.form2() != nullptr && QTest::qWaitForWindowExposed(g.tk.form2()));
    // Measured on the server: what Qt takes for a new dialog's frame kwin sometimes leaves wrong.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return (frameOnServer(*g.tk.form2()).center() - frameOnServer(g.window()).center()).manhattanLength() <= 2; },
        10000))
        << "the dialog's frame is centred over the game's";
    checkDialog(*g.tk.form2(), "Custom Field");
    xdotool({"key", "Escape"}, [&] { return active(&g.window()); });
    EXPECT_FALSE(g.tk.form2()->isVisible());

    xdotool({"key", "alt+h"}, [&] { return QApplication::activePopupWidget() != nullptr; });
    xdotool({"key", "h"}, [&] { return active(g.tk.form3()); });
    ASSERT_TRUE(g.tk.form3() != nullptr && QTest::qWaitForWindowExposed(g.tk.form3()))
        << "the game takes the keys again once the dialog closes";
    checkDialog(*g.tk.form3(), "How to Play");
    xdotool({"key", "Escape"}, [&] { return active(&g.window()); });
    EXPECT_FALSE(g.tk.form3()->isVisible()) << "Escape closes the help window";
    EXPECT_TRUE(g.window().isEnabled());
    xdotool({"key", "ctrl+c"}, [&] { return active(g.tk.form2()); });
    EXPECT_TRUE(g.tk.form2()->isVisible()) << "the game takes the keys again once help closes";
    xdotool({"key", "Escape"});
}

TEST(X11, EveryKindOfNewGameKeepsTheOneWindowWhereThePlayerPutIt) {
    X11Game g;
    const WId window = g.window().winId();
    xdotool({"windowmove", "--sync", id(g.window()), "300", "200"},
            [&] { return onServer(g.window()) == g.window().geometry(); });
    g.settle();
    const auto same = [&](const char* how) {
        g.settle();
        EXPECT_EQ(window, g.window().winId()) << how;
        EXPECT_TRUE(g.window().isVisible()) << how;
    };
    QPoint at = g.window().frameGeometry().topLeft();
    for (int round = 0; round < 3; ++round) {
        xdotool({"key", "F2"});
        same("F2");
        xdotool(to(g, Elem::Smile, 0) + QStringList{"click", "1"});
        same("the face");
        g.window().action(MenuItem::mnuGT, 31)->trigger();
        same("a game type");
        xdotool({"key", "ctrl+c"}, [&] { return active(g.tk.form2()); });
        xdotool({"key", "Return"}, [&] { return active(&g.window()); });
        same("OK in Custom Field");
        EXPECT_EQ(at, g.window().frameGeometry().topLeft()) << "a new game at the same size stays in place";
    }
    const QPoint centre = g.window().frameGeometry().center();
    const QSize size = g.window().frameGeometry().size();
    xdotool({"key", "ctrl+i"}, [&] {
        const QRect now = g.window().frameGeometry();
        return now.size() != size && (centre - now.center()).manhattanLength() <= 2;
    });
    same("a level");
    EXPECT_LE((centre - g.window().frameGeometry().center()).manhattanLength(), 2) << "a new size keeps its centre";
}

TEST(X11, HShowsTheCrosshairAtOnceWhenTheHelpWindowClosesOverTheRestingPointer) {
    X11Game g;
    xdotool({"key", "ctrl+e"}, [&] { return g.checked(MenuItem::mnuHard); });
    g.settle();
    g.laymines({1, 100, 480});
    // The bottom-right cell: no help window, wherever it opens, comes over it.
    xdotool(to(g, Elem::Box, 480));
    const ShownCursor arrow = shownCursor();
    xdotool({"keydown", "h"}, [&] { return shownCursor() != arrow; });
    const ShownCursor cross = shownCursor();
    xdotool({"keyup", "h"}, [&] { return shownCursor() == arrow; });
    ASSERT_NE(arrow, cross) << "H shows the crosshair over the mine under the pointer";
    for (const bool byReturn : {true, false}) {
        SCOPED_TRACE(byReturn ? "closed by Return" : "closed by the close control");
        xdotool({"key", "alt+h"}, [&] { return QApplication::activePopupWidget() != nullptr; });
        xdotool({"key", "h"}, [&] { return active(g.tk.form3()); });
        ASSERT_TRUE(g.tk.form3() != nullptr && QTest::qWaitForWindowExposed(g.tk.form3()));
        ASSERT_FALSE(g.tk.form3()->frameGeometry().contains(QCursor::pos())) << "the pointer rests on the field";
        if (!byReturn && !windowManager()) break;
        const auto closed = [&] { return !g.tk.form3()->isVisible() && active(&g.window()); };
        byReturn ? xdotool({"key", "Return"}, closed) : closeControl(*g.tk.form3(), closed);
        ASSERT_FALSE(g.tk.form3()->isVisible());
        xdotool({"keydown", "h"}, [&] { return shownCursor() == cross; });
        EXPECT_EQ(cross, shownCursor());
        xdotool({"keyup", "h"}, [&] { return shownCursor() == arrow; });
        EXPECT_EQ(arrow, shownCursor());
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
    xdotool({"key", "ctrl+c"}, [&] { return active(g.tk.form2()); });
    ASSERT_TRUE(g.tk.form2() != nullptr && QTest::qWaitForWindowExposed(g.tk.form2()));
    xdotool({"windowminimize", "--sync", id(g.window())});
    if (!QTest::qWaitFor([&] { return g.window().isMinimized(); }, 10000)) {
        // The game has no minimise button, and some window managers (icewm) take that strictly.
        GTEST_SKIP() << "this window manager minimises no window without a minimise button";
    }
    g.hands.pressCancel();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !g.window().isMinimized() && g.window().isActiveWindow(); }, 10000))
        << "the game is back, restored and active";
    xdotool({"key", "ctrl+c"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return g.tk.form2()->isActiveWindow(); }, 10000)) << "the dialog opens again, restored";
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
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    xdotool({"key", "ctrl+c"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return active(g.tk.form2()); }, 10000));
    xdotool({"key", "alt+w", "type", "37"});
    xdotool({"key", "alt+h", "type", "27"});
    xdotool({"key", "Return"});
    g.settle();
    ASSERT_EQ(37 * 27, g.s().cells()) << "Custom 37 x 27, taller than the screen";
    for (const auto& [keys, level] : {std::pair{"ctrl+b", "Beginner"}, std::pair{"ctrl+e", "Expert"}}) {
        xdotool({"key", keys});
        g.settle();
        const QPoint off = frameOnServer(g.window()).center() - centre;
        EXPECT_LE(off.manhattanLength(), 2) << level << " opens " << off.x() << ", " << off.y() << " off centre";
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
    xdotool({"key", "ctrl+c"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return active(g.tk.form2()); }, 10000));
    CustomDialog& dialog = *g.tk.form2();
    ASSERT_TRUE(drag(dialog, {827, 745}));
    xdotool({"key", "Escape"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return g.window().isActiveWindow(); }, 10000));
    xdotool({"key", "ctrl+c"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return active(&dialog); }, 10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return frameOnServer(dialog).topLeft() == QPoint(827, 745); }, 10000))
        << "the dialog comes back at " << frameOnServer(dialog).left() << ", " << frameOnServer(dialog).top();
    xdotool({"key", "Escape"});
}

TEST(X11, TheCrosshairEndsWhenHIsLetGoWhereTheGameDoesNotSeeIt) {
    X11Game g;
    xdotool({"key", "ctrl+e"});
    g.settle();
    xdotool(to(g, Elem::Box, 1) + QStringList{"click", "1"});
    ASSERT_TRUE(g.s().minesplaced) << "a first click";
    // A mine in the left columns, which no dialog centred over the game covers.
    int mine = 1;
    while (mine <= 480 && !(g.s().mine[mine] && (mine - 1) % 30 < 5)) ++mine;
    ASSERT_LE(mine, 480);
    xdotool(to(g, Elem::Box, mine));
    const ShownCursor arrow = shownCursor();
    xdotool({"keydown", "h"});
    ASSERT_NE(arrow, shownCursor()) << "H shows the crosshair over the mine under the pointer";
    xdotool({"keyup", "h"});
    QWidget other;
    if (windowManager()) showAnother(other, g);
    QAction* gameTitle = g.window().menus().titles().front();
    QMenuBar& bar = g.window().menus().rowOf(gameTitle);
    const QPoint menu = bar.mapToGlobal(bar.actionGeometry(gameTitle).center());
    const std::vector<std::pair<const char*, QStringList>> elsewhere = {
        {"in Custom Field", {"key", "ctrl+c", "sleep", "0.5", "keyup", "h", "key", "Escape"}},
        {"after Alt+Tab", {"keydown", "alt", "key", "Tab", "keyup", "alt", "sleep", "0.5", "keyup", "h", "keydown",
                           "alt", "key", "Tab", "keyup", "alt"}},
        {"on the Game menu",
         {"mousemove", n(menu.x()), n(menu.y()), "click", "1", "sleep", "0.5", "keyup", "h", "key", "Escape"}},
    };
    for (const auto& [where, keys] : elsewhere) {
        SCOPED_TRACE(where);
        if (!windowManager() && where == std::string("after Alt+Tab")) continue;
        xdotool({"keydown", "h"});
        xdotool(keys);
        ASSERT_TRUE(QTest::qWaitFor([&] { return g.window().isActiveWindow(); }, 10000));
        xdotool(to(g, Elem::Box, mine));
        EXPECT_TRUE(QTest::qWaitFor([&] { return shownCursor() == arrow; }, 10000)) << "the crosshair stays";
    }
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
            EXPECT_TRUE(QTest::qWaitFor(
                [&] {
                    return onServer(window).size() == size && !inState(window, "MAXIMIZED_VERT") &&
                           !inState(window, "MAXIMIZED_HORZ") && !inState(window, "FULLSCREEN");
                },
                10000))
                << state.toStdString() << " left the window at " << window.width() << " x " << window.height();
        }
    };
    keepsItsSize(g.window(), "the game");
    xdotool({"key", "ctrl+c"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return active(g.tk.form2()); }, 10000));
    keepsItsSize(*g.tk.form2(), "Custom Field");
    xdotool({"key", "Escape"});
}

}  // namespace
}  // namespace tw::gui
