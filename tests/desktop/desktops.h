// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QFont>
#include <QPalette>

#include <array>
#include <string_view>

namespace tw {

// A common desktop as tests/desktop/as-desktop makes it, and what it gives a Qt program.
struct Desktop {
    std::string_view name;
    std::string_view family;
    bool dark;
    double ratio;
};

inline constexpr std::array<Desktop, 7> kDesktops = {{
    {"qt", "DejaVu Sans", false, 1},
    {"gnome", "Cantarell", false, 1},
    {"gnome-dark", "Cantarell", true, 1},
    {"gnome-sans", "DejaVu Sans", false, 1},
    {"gnome-sans-dark", "DejaVu Sans", true, 1},
    {"kde", "Noto Sans", true, 1},
    {"large-text", "DejaVu Sans", false, 1.25},
}};

// The desktop this program was started as (TW_DESKTOP), or nullptr; for "kde" it sets what Plasma's
// platform theme would before any window exists: Noto Sans at 10 points and Breeze Dark's palette.
inline const Desktop* startedAs() {
    const QByteArray name = qgetenv("TW_DESKTOP");
    for (const Desktop& desktop : kDesktops) {
        if (name != QByteArrayView(desktop.name.data(), static_cast<qsizetype>(desktop.name.size()))) continue;
        if (desktop.name == "kde") {
            QApplication::setFont(QFont(QStringLiteral("Noto Sans"), 10));
            QPalette palette(QColor(49, 54, 59));
            palette.setColor(QPalette::Base, QColor(35, 38, 41));
            for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
                palette.setColor(role, QColor(252, 252, 252));
            }
            palette.setColor(QPalette::Highlight, QColor(61, 174, 233));
            QApplication::setPalette(palette);
        }
        return &desktop;
    }
    return nullptr;
}

}  // namespace tw
