// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <string_view>

#include "app/game.h"
#include "app/version.h"
#include "store/besttimes.h"
#include "toolkit/qt/qttoolkit.h"
#include "toolkit/qt/texts.h"

namespace {

// Exit status for a command line the program does not understand, as other tools use it.
constexpr int kUsageError = 2;

bool asksForInformation(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "-v" || arg == "--version") return true;
    }
    return false;
}

// Answers --help and --version and exits, or returns false when the program should play;
// writes a one-line error and returns true with `status` set when the command line is bad.
bool handleCommandLine(const QCoreApplication& app, int& status) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("tw::CommandLine", "Mine-field logic puzzle with a choice of neighbourhood rules."));
    parser.addHelpOption();
    parser.addVersionOption();
    const bool parsed = parser.parse(app.arguments());
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    // Only process() adds Qt's own options to the help text; it exits after printing it.
    if (parsed && parser.isSet(QStringLiteral("help-all"))) parser.process(app);
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
    QString error;
    if (!parsed) {
        error = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        error = QCoreApplication::translate("tw::CommandLine", "Unexpected argument '%1'.")
                    .arg(parser.positionalArguments().constFirst());
    }
    if (error.isEmpty()) return false;
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(error));
    status = kUsageError;
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("tilewarden"));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(tw::kVersion));
    // Wayland compositors find the menu entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tilewarden.Tilewarden"));
    int status = 0;
    // Help and version need no display, so they are answered before any window system is opened;
    // --help-all waits for QApplication, which adds the options every Qt program takes.
    if (asksForInformation(argc, argv)) {
        QCoreApplication info(argc, argv);
        tw::installTranslations(info, tw::playerLocale());
        handleCommandLine(info, status);
        return status;
    }
    // QApplication takes Qt's own options (-platform, -style, ...) off the command line first.
    QApplication app(argc, argv);
    tw::installTranslations(app, tw::playerLocale());
    if (handleCommandLine(app, status)) return status;
    // Closing the main window is the game's decision, reported through Form_Close.
    QApplication::setQuitOnLastWindowClosed(false);
    tw::QtToolkit toolkit;
    tw::Game game(toolkit, tw::besttimesfolder());
    game.start();
    return QApplication::exec();
}
