// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_game.h"

#include <QAccessible>
#include <QLabel>

namespace tw::gui {
namespace {

// A dialog keeps its design grown by one factor, the one the desktop's font needs: each edge of a
// control lies where the design's does, grown as the window's width was, to a pixel.
void expectDesigned(const QWidget& window, QSize designed, std::initializer_list<std::pair<const QWidget*, QRect>> controls) {
    const double factor = window.width() / static_cast<double>(designed.width());
    EXPECT_GE(factor, 1.0);
    EXPECT_NEAR(designed.height() * factor, window.height(), 1.0);
    for (const auto& [control, rect] : controls) {
        EXPECT_NEAR(rect.left() * factor, control->x(), 1.0);
        EXPECT_NEAR(rect.top() * factor, control->y(), 1.0);
        EXPECT_NEAR((rect.left() + rect.width()) * factor, control->x() + control->width(), 1.0);
        EXPECT_NEAR((rect.top() + rect.height()) * factor, control->y() + control->height(), 1.0);
    }
}

TEST(Window, IsFixedCaptionedAndBuiltWithItsInitialMenu) {
    GuiGame g;
    EXPECT_EQ("Tilewarden", g.window().windowTitle());
    const QIcon drawn(QStringLiteral(":/icons/tilewarden.ico"));
    ASSERT_FALSE(drawn.availableSizes().isEmpty()) << "the icon does not decode";
    EXPECT_EQ(drawn.pixmap(32).toImage(), g.window().windowIcon().pixmap(32).toImage());
    EXPECT_EQ(g.window().minimumSize(), g.window().maximumSize());
    EXPECT_FALSE(g.window().windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(g.checked(MenuItem::mnuBeginner) && g.checked(MenuItem::mnuGT, 3) && !g.checked(MenuItem::mnuMarks));
}

// The face shows itself pressed while held, and its release anywhere starts a new game.
TEST(Window, TheFaceShowsItselfPressedAndItsReleaseAnywhereStartsANewGame) {
    GuiGame g;
    g.laywall();
    g.click(1);
    g.hands.pressFace(kRightButton);
    EXPECT_EQ(pictures::kFacePressed, g.face());
    g.hands.release(30, kRightButton);
    EXPECT_EQ(pictures::kCovered, g.picture(1));
}

TEST(Window, AScreenReaderHearsEveryCountACellCanShow) {
    GuiGame g;
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(&g.board());
    ASSERT_NE(nullptr, field);
    for (int count = 0; count <= 24; ++count) {
        g.tk.setPicture(Elem::Box, 9, pictures::openedCell(count));
        EXPECT_EQ(QStringLiteral("row 2, column 1: %1").arg(count == 0 ? QStringLiteral("empty") : QString::number(count)),
                  field->child(8)->text(QAccessible::Name));
    }
}

// F10 and a lone Alt open the first menu, whose title has no access letter; Alt with a key does not.
TEST(Window, F10AndALoneAltOpenTheGameMenu) {
    GuiGame g;
    const QMenu* game = g.window().menus().titles().front()->menu();
    const std::pair<std::vector<int>, bool> rows[] = {
        {{Qt::Key_F10}, true}, {{Qt::Key_Alt}, true}, {{Qt::Key_Alt, Qt::Key_S}, false}};
    for (const auto& [keys, opens] : rows) {
        for (const int key : keys) g.hands.keyDown(key);
        for (auto key = keys.rbegin(); key != keys.rend(); ++key) g.hands.keyUp(*key);
        EXPECT_EQ(opens ? game : nullptr, QApplication::activePopupWidget()) << keys.back();
        g.settle();
    }
    // Alt+Tab with the button held on a cell, where the window manager takes the Tab.
    g.hands.press(1);
    g.hands.keyDown(Qt::Key_Alt);
    g.hands.keyUp(Qt::Key_Alt);
    EXPECT_EQ(nullptr, QApplication::activePopupWidget());
    g.hands.release(1);
    EXPECT_TRUE(g.s().opened[1]) << "the release opens the cell";
}

TEST(Window, MenuKeysResizeAndCheckOnlyTheChosenItems) {
    GuiGame g;
    g.key(Qt::Key_E, Qt::ControlModifier);
    g.settle();
    EXPECT_EQ(QSize(16 * 30 + 24, 16 * 16 + 67), g.client());
    EXPECT_TRUE(g.checked(MenuItem::mnuHard) && !g.checked(MenuItem::mnuBeginner));
    EXPECT_EQ(g.board().geometry().bottom() + 1, g.window().height());
    g.window().action(MenuItem::mnuGT, 31)->trigger();
    g.settle();
    for (const GameType& type : kGameTypes) EXPECT_EQ(type.mask == 31, g.checked(MenuItem::mnuGT, type.mask));
    for (bool checked : {true, false, true}) {
        g.key(Qt::Key_M, Qt::ControlModifier);
        EXPECT_EQ(checked, g.checked(MenuItem::mnuMarks));
    }
    g.key(Qt::Key_F2);
    g.settle();
    EXPECT_FALSE(g.checked(MenuItem::mnuMarks)) << "a new game brings Marks back unchecked";
    EXPECT_TRUE(g.checked(MenuItem::mnuGT, 31) && g.checked(MenuItem::mnuHard));
    g.key(Qt::Key_B, Qt::ControlModifier);
    g.settle();
    EXPECT_EQ(QSize(152, 195), g.client());
    EXPECT_FALSE(g.checked(MenuItem::mnuHard));
}

// The dialog opens over an Expert game in progress with its designed controls; Cancel, the close
// control and Escape leave the game, its mines and the dialog's texts; OK, or Enter for the default
// button, starts a game on the typed field.
TEST(Window, TheCustomFieldDialogChangesNothingUntilOkStartsTheTypedField) {
    GuiGame g;
    g.key(Qt::Key_E, Qt::ControlModifier);
    g.settle();
    g.click(100);
    const auto mines = g.s().mine;
    const auto open = [&] {
        g.key(Qt::Key_C, Qt::ControlModifier);
        ASSERT_TRUE(g.tk.form2() != nullptr && g.tk.form2()->isVisible());
        EXPECT_FALSE(g.window().isEnabled());
    };
    open();
    CustomDialog& dialog = *g.tk.form2();
    EXPECT_EQ("Custom Field", dialog.windowTitle());
    EXPECT_EQ("30 16 99", dialog.box(TextBox::Acr).text() + " " + dialog.box(TextBox::Dwn).text() + " " +
                              dialog.box(TextBox::TM).text());
    expectDesigned(dialog, {225, 110},
                   {{&dialog.box(TextBox::Dwn), {72, 16, 57, 19}}, {&dialog.box(TextBox::Acr), {72, 48, 57, 19}},
                    {&dialog.okButton(), {142, 16, 73, 20}}});
    QWidget* focus = dialog.focusWidget();
    EXPECT_EQ(&dialog.okButton(), focus);
    for (QWidget* next : std::initializer_list<QWidget*>{&dialog.box(TextBox::Acr), &dialog.box(TextBox::Dwn),
                                                         &dialog.box(TextBox::TM), &dialog.cancelButton()}) {
        EXPECT_EQ(next, focus = focus->nextInFocusChain());
    }
    const std::function<void()> cancels[] = {[&] { g.hands.pressCancel(); }, [&] { g.hands.closeForm(Form::Form2); },
                                             [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }};
    for (const auto& cancel : cancels) {
        if (!dialog.isVisible()) open();
        g.hands.typeText(TextBox::Acr, "10");
        cancel();
        g.settle();
        EXPECT_TRUE(!dialog.isVisible() && g.window().isEnabled());
        EXPECT_EQ(QSize(16 * 30 + 24, 16 * 16 + 67), g.client());
        g.click(200);
        EXPECT_EQ(mines, g.s().mine);
        EXPECT_TRUE(g.checked(MenuItem::mnuHard));
    }
    g.key(Qt::Key_F2);
    EXPECT_TRUE(g.checked(MenuItem::mnuHard) && !g.checked(MenuItem::mnuCustom)) << "a new game after Cancel";
    open();
    EXPECT_EQ("10", dialog.box(TextBox::Acr).text()) << "the dialog keeps its texts";
    g.hands.typeText(TextBox::Dwn, "5");
    g.hands.pressOK();
    g.settle();
    EXPECT_TRUE(!dialog.isVisible() && g.window().isEnabled());
    EXPECT_EQ(QSize(16 * 10 + 24, 16 * 5 + 67), g.client());
    open();
    g.hands.typeText(TextBox::Dwn, "1");
    QTest::keyClick(&dialog.box(TextBox::Dwn), Qt::Key_Return);
    g.settle();
    EXPECT_EQ(QSize(10 * 16 + 24, 16 + 67), g.client()) << "Enter presses the default button";
}

// The help window, over a running game, shows its paragraphs in order; Enter presses its OK.
TEST(Help, ShowsTheParagraphsInOrderAndEnterGivesTheRunningGameBack) {
    GuiGame g;
    g.laywall();
    g.click(7);
    g.window().action(MenuItem::mnuHowTo, 0)->trigger();
    HelpWindow* help = g.tk.form3();
    ASSERT_TRUE(help != nullptr && help->isVisible());
    EXPECT_FALSE(g.window().isEnabled());
    expectDesigned(*help, {249, 282}, {{&help->heading(), {32, 0, 185, 25}}, {&help->okButton(), {80, 248, 81, 33}}});
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(help->paragraph(i).text().startsWith(QString::number(i + 1) + ". ")) << i;
    g.hands.tick();
    EXPECT_EQ("002", g.counter(false)) << "the clock goes on";
    QTest::keyClick(&help->okButton(), Qt::Key_Return);
    EXPECT_TRUE(!help->isVisible() && g.window().isEnabled());
    g.settle();
    g.click(1);
    EXPECT_TRUE(g.s().opened[1]);
    g.window().action(MenuItem::mnuHowTo, 0)->trigger();
    EXPECT_EQ(help, g.tk.form3()) << "the help window is only hidden and shown again";
}

TEST(Exit, TheMenuKeyAndTheCloseControlEndTheRunningProgram) {
    for (const bool key : {true, false}) {
        GuiGame g;
        g.laywall();
        g.click(1);
        // Ends a run that the program failed to end, so that a fault fails the test instead of hanging it.
        QTimer guard;
        guard.callOnTimeout([] { QCoreApplication::exit(1); });
        guard.start(10000);
        QTimer::singleShot(0, [&g, key] { key ? g.key(Qt::Key_X, Qt::ControlModifier) : (void)g.window().close(); });
        EXPECT_EQ(0, QApplication::exec());
        EXPECT_FALSE(g.window().isVisible());
    }
}

}  // namespace
}  // namespace tw::gui
