// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QEvent>

#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/game.h"
#include "core/state.h"
#include "toolkit/qt/qttoolkit.h"

namespace {

// Resident memory of this process in KiB, as the kernel reports it.
long residentKib() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

}  // namespace

// Starts a new game by the face again and again on the largest field and prints the resident
// memory after each count of rebuilds given on the command line, one "rebuilds N rss_kib K" line
// each. A rebuild that leaks leaves the figures climbing.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The offscreen platform warns at every raise(); the figures are all this program prints.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    std::vector<long> checkpoints;
    for (int k = 1; k < argc; ++k) checkpoints.push_back(std::atol(argv[k]));
    if (checkpoints.empty()) checkpoints = {10, 1000, 10000};

    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tilewarden-rebuild-memory";
    tw::QtToolkit toolkit;
    tw::Game game(toolkit, folder);
    tw::GameState& s = game.state();
    s.levelbeginner = s.levelintermediate = s.levelexpert = false;
    s.levelcustom = true;
    s.across = tw::kMaxAcross;
    s.down = tw::kMaxDown;
    s.totalmines = 99;
    game.start();

    long done = 0;
    for (const long checkpoint : checkpoints) {
        for (; done < checkpoint; ++done) {
            game.events().Smile_MouseDown(tw::kLeftButton);
            game.events().Smile_MouseUp(tw::kLeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QApplication::processEvents();
        }
        std::cout << "rebuilds " << done << " rss_kib " << residentKib() << std::endl;
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
