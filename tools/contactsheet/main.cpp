// SPDX-License-Identifier: GPL-3.0-or-later
#include "contact_sheet.h"
#include "frame_render.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        QTextStream(stderr) << "usage: contactsheet SHEET.png FRAMES.png\n";
        return 2;
    }
    if (!contact_sheet().save(args[1])) {
        QTextStream(stderr) << "contactsheet: cannot write " << args[1] << "\n";
        return 1;
    }
    if (!frame_sheet().save(args[2])) {
        QTextStream(stderr) << "contactsheet: cannot write " << args[2] << "\n";
        return 1;
    }
    return 0;
}
