// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <array>

#include "toolkit/toolkit.h"

class QLabel;
class QPushButton;

namespace tw {

// Form3: how to play, four paragraphs under a heading, and an OK button.
class HelpWindow final : public QWidget {
    Q_OBJECT

public:
    // `events` is the toolkit's, which outlives the window.
    explicit HelpWindow(Events* const& events);

    QLabel& heading() { return *label1_; }
    // The paragraphs from top to bottom.
    QLabel& paragraph(int row) { return *paragraphs_.at(row); }
    QPushButton& okButton() { return *command1_; }

private:
    Events* const& events_;
    QLabel* label1_;
    std::array<QLabel*, 4> paragraphs_{};
    QPushButton* command1_;
};

}  // namespace tw
