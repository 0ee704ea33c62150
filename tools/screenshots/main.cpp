// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the README's screenshots from the real game: a Beginner game in play, a Super Sweeper
// field with numbers above 8 (the board alone, only the game's own pictures) and the help window
// in German. With --check it writes nothing and fails when the committed board no longer
// matches what the game draws now. With --desktop, run on an X server as one of the desktops of
// tests/desktop/as-desktop, it takes the Beginner game and the help window as the X server shows
// them under that desktop's settings.
// Usage: screenshots [--check | --desktop] FOLDER   (scripts/screenshots runs it)
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QImage>
#include <QLocale>
#include <QProcess>
#include <QWidget>

#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <utility>

#include "app/game.h"
#include "tests/desktop/desktops.h"
#include "toolkit/design.h"
#include "toolkit/qt/qttoolkit.h"
#include "toolkit/qt/texts.h"

namespace {

using namespace tw;

// The shown top-level window, or the widget inside it, of the given class.
QWidget* shownWindow(const char* windowClass, const char* childClass = nullptr) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || !window->inherits(windowClass)) continue;
        if (childClass == nullptr) return window;
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (child->inherits(childClass)) return child;
        }
    }
    return nullptr;
}

QImage picture(QWidget* widget) {
    QApplication::processEvents();
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The window as the X server shows it, once it has the keys, as the player sees it, and has
// drawn itself there.
bool saveShown(QWidget* window, const QString& file) {
    const QDeadlineTimer deadline(5000);
    while (!window->isActiveWindow() && !deadline.hasExpired()) QApplication::processEvents(QEventLoop::AllEvents, 50);
    window->repaint();
    QGuiApplication::sync();
    return QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QString::number(window->winId()), file}) == 0;
}

void click(Events& events, int cell, int button) {
    events.Box_MouseDown(cell, button);
    events.Box_MouseUp(cell, button);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const Desktop* desktop = startedAs();
    const QStringList args = QApplication::arguments();
    const bool check = args.contains(QStringLiteral("--check"));
    const bool asDesktop = args.contains(QStringLiteral("--desktop"));
    if (args.size() != (check || asDesktop ? 3 : 2) || (asDesktop && desktop == nullptr)) {
        std::fprintf(stderr, "usage: screenshots [--check | --desktop] FOLDER (--desktop under tests/desktop/as-desktop)\n");
        return 2;
    }
    const QDir folder(args.last());
    QApplication::setQuitOnLastWindowClosed(false);
    QtToolkit toolkit;
    Game game(toolkit, std::filesystem::path(QDir::tempPath().toStdString()) / "tilewarden-screenshots");
    GameState& s = game.state();
    Events& events = game.events();
    s.fixedseed = 5;
    game.start();

    // Beginner: a first click, then one that opens an empty stretch, two flags and a few seconds.
    click(events, 10, kLeftButton);
    for (int c = 1; c <= s.cells(); ++c) {
        if (s.mine[c] || s.opened[c] || s.count[c] != 0) continue;
        click(events, c, kLeftButton);
        break;
    }
    int flags = 0;
    for (int c = 1; c <= s.cells() && flags < 2; ++c) {
        if (!s.mine[c]) continue;
        click(events, c, kRightButton);
        ++flags;
    }
    for (int t = 0; t < 12; ++t) events.Second_Timer();
    if (asDesktop) {
        const QString name = QString::fromUtf8(desktop->name.data(), static_cast<qsizetype>(desktop->name.size()));
        bool saved = saveShown(shownWindow("tw::MainWindow"), folder.filePath(QStringLiteral("beginner-%1.png").arg(name)));
        events.Menu_Click(MenuItem::mnuHowTo, 0);
        return saveShown(shownWindow("tw::HelpWindow"), folder.filePath(QStringLiteral("help-%1.png").arg(name))) && saved ? 0 : 1;
    }
    const QImage beginner = picture(shownWindow("tw::MainWindow"));

    // Super Sweeper on a crowded custom field, its left part opened.
    events.Menu_Click(MenuItem::mnuGT, 31);
    events.Menu_Click(MenuItem::mnuCustom, 0);
    for (auto [box, text] : {std::pair{TextBox::Acr, "16"}, {TextBox::Dwn, "10"}, {TextBox::TM, "50"}}) {
        toolkit.setText(box, text);
    }
    events.OK_Click();
    click(events, 1, kLeftButton);
    for (int c = 1; c <= s.cells(); ++c) {
        if ((c - 1) % s.across < 9 && !s.opened[c]) click(events, c, s.mine[c] ? kRightButton : kLeftButton);
    }
    const QImage sweeper = picture(shownWindow("tw::MainWindow", "tw::Board"));
    const QString boardfile = folder.filePath(QStringLiteral("super-sweeper.png"));
    if (check) {
        const QImage committed = QImage(boardfile).convertToFormat(QImage::Format_RGB32);
        if (committed == sweeper) return 0;
        std::fprintf(stderr, "%s is not what the game draws: run scripts/screenshots and look at the change\n",
                     qPrintable(boardfile));
        return 1;
    }

    installTranslations(app, QLocale(QStringLiteral("de_DE")));
    events.Menu_Click(MenuItem::mnuHowTo, 0);
    const QImage help = picture(shownWindow("tw::HelpWindow"));
    bool saved = beginner.save(folder.filePath(QStringLiteral("beginner.png")));
    saved = sweeper.save(boardfile) && saved;
    saved = help.save(folder.filePath(QStringLiteral("help-de.png"))) && saved;
    return saved ? 0 : 1;
}
