// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: drawbitmaps OUTDIR\n"
                     "writes OUTDIR/bitmaps/NNN.bmp and OUTDIR/icons/tilewarden.*\n";
        return 2;
    }
    try {
        tw::drawing::write_all(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "drawbitmaps: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
