// SPDX-License-Identifier: GPL-3.0-or-later
// The window at its edges on a real X server: real input through the server's test extension
// (xdotool) and the close control as the window manager's WM_DELETE_WINDOW message (wmctrl).
// The offscreen platform never loses a release; only a real server does.
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>

#include <tuple>

#include "../gui/gui_game.h"

namespace tw::gui {
namespace {

// Runs a program, letting the game take its events meanwhile.
void run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    ASSERT_TRUE(QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 20000))
        << program.toStdString() << " hangs";
    QTest::qWait(100);
}

void xdotool(const QStringList& arguments) { run(QStringLiteral("xdotool"), arguments); }
void closeControl(QWidget& window) { run(QStringLiteral("wmctrl"), {"-i", "-c", QString::number(window.winId())}); }

// Arguments that move the pointer onto the middle of an element, measured from the window
// where the server has it then: the window manager may still be placing it.
QStringList to(GuiGame& g, Elem elem, int index) {
    const QPointF centre = g.board().toWidget(g.board().find(elem, index)->rect.center());
    const QPoint at = g.board().mapTo(&g.window(), centre.toPoint());
    const QString window = QString::number(g.window().winId());
    return {"mousemove", "--window", window, QString::number(at.x()), QString::number(at.y())};
}

TEST(X11, AReleaseLostWhileTheWindowWasDisabledActsNowhereLater) {
    GuiGame g;
    g.laywall();
    EXPECT_LE((g.window().frameGeometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center())
                  .manhattanLength(),
              2)
        << "the frame is centred";
    // The left button goes down on cell 10, Ctrl+C opens the Custom Field dialog, the button
    // comes up while the main window is disabled, and Escape closes the dialog.
    xdotool(to(g, Elem::Box, 10) + QStringList{"mousedown", "1", "sleep", "0.3", "key", "ctrl+c", "sleep", "0.3",
                                               "mouseup", "1", "sleep", "0.3", "key", "Escape"});
    ASSERT_TRUE(g.window().isEnabled());
    g.settle();
    xdotool(to(g, Elem::Box, 20) + QStringList{"click", "3"});
    EXPECT_EQ(kFlag, g.s().mark[20]);
    EXPECT_EQ(kNoMark, g.s().mark[10]);
    EXPECT_FALSE(g.s().opened[10]);
}

TEST(X11, ThePressOfEachButtonTakesItsOwnRelease) {
    GuiGame g;
    g.laywall();
    xdotool(to(g, Elem::FrameL, 0) + QStringList{"mousedown", "1"} + to(g, Elem::Box, 3) +
            QStringList{"mousedown", "3", "sleep", "0.1", "mouseup", "1", "sleep", "0.1", "mouseup", "3"});
    EXPECT_EQ(kFlag, g.s().mark[3]) << "the right button went down on the cell";
    EXPECT_FALSE(g.s().opened[3]) << "the left button went down on the frame";
    EXPECT_FALSE(g.window().second().isActive());

    // A custom row of eight cells with one mine.
    std::tie(g.s().levelbeginner, g.s().levelcustom, g.s().across, g.s().down, g.s().totalmines) =
        std::tuple(false, true, 8, 1, 1);
    g.window().action(MenuItem::mnuNew, 0)->trigger();
    g.settle();
    g.laymines({8});
    xdotool(to(g, Elem::Box, 7) + QStringList{"click", "1"});
    // Left opens the last safe cells and wins; right comes up while the message box is open.
    xdotool(to(g, Elem::Box, 1) + QStringList{"mousedown", "1", "mousedown", "3", "mouseup", "1", "sleep", "0.3",
                                              "mouseup", "3", "sleep", "0.3", "key", "Return"});
    ASSERT_TRUE(g.s().won);
    const int builds = g.window().builds();
    xdotool(to(g, Elem::Smile, 0) + QStringList{"click", "1"});
    EXPECT_EQ(builds + 1, g.window().builds()) << "the first click on the face starts a new game";
}

TEST(X11, TheCloseControlOfTheDisabledWindowDoesNothing) {
    GuiGame g;
    xdotool({"key", "ctrl+c"});
    ASSERT_FALSE(g.window().isEnabled());
    closeControl(g.window());
    EXPECT_TRUE(g.window().isVisible()) << "the program goes on";
    EXPECT_TRUE(g.tk.form2()->isVisible());
    xdotool({"key", "Escape"});
    closeControl(g.window());
    EXPECT_FALSE(g.window().isVisible()) << "the enabled window's close control ends the program";
}

TEST(X11, TheHelpWindowGivesTheWindowBackAsItWas) {
    GuiGame g;
    g.laywall();
    xdotool(to(g, Elem::Box, 14));
    const auto openHelp = [&] {
        g.window().action(MenuItem::mnuHowTo, 0)->trigger();
        return QTest::qWaitForWindowActive(g.tk.form3());
    };
    for (const char* key : {"space", "Return"}) {
        ASSERT_TRUE(openHelp());
        // The help window comes between the resting pointer and the field.
        const QPoint under = QCursor::pos() - QPoint(100, 100);
        xdotool({"windowmove", "--sync", QString::number(g.tk.form3()->winId()), QString::number(under.x()),
                 QString::number(under.y())});
        xdotool({"key", key});
        EXPECT_FALSE(g.tk.form3()->isVisible()) << key << " presses the focused OK";
        xdotool({"keydown", "h"});
        EXPECT_EQ(Qt::CrossCursor, g.board().cursor().shape()) << "H shows the mine under the resting pointer";
        xdotool({"keyup", "h"});
        EXPECT_EQ(Qt::ArrowCursor, g.board().cursor().shape());
    }

    ASSERT_TRUE(openHelp());
    xdotool({"windowminimize", "--sync", QString::number(g.window().winId())});
    ASSERT_TRUE(g.window().isMinimized());
    xdotool({"key", "Return"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !g.window().isMinimized() && g.window().isVisible(); }, 2000))
        << "OK gives back the minimised main window";
}

}  // namespace
}  // namespace tw::gui
