// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

#include <map>

namespace tw {

// The program's built-in pictures, each decoded once on first use and shared afterwards.
class Pictures {
public:
    const QPixmap& bitmap(int number);

private:
    std::map<int, QPixmap> cache_;
};

}  // namespace tw
