// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/qt/helpwindow.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "toolkit/qt/dialoglayout.h"

namespace tw {

namespace {

constexpr std::array<const char*, 4> kParagraphs = {
    QT_TRANSLATE_NOOP("tw::HelpWindow",
                      "1. Normal - Mines are scattered throughout the board. Each tile tells you how many "
                      "mines are adjacent or diagonal to it. Your objective is to open all of the squares "
                      "that do not contain mines. Use right clicks to mark squares you know to be mines."),
    QT_TRANSLATE_NOOP("tw::HelpWindow",
                      "2. Adjacent - Play and objective are the same as #1, but the cells only tell you the "
                      "number of mines directly adjacent to them."),
    QT_TRANSLATE_NOOP("tw::HelpWindow",
                      "3. Super - Instead of being shown mines that are 1 space away as in #1, you are shown "
                      "the number of mines that are two spaces or less away."),
    QT_TRANSLATE_NOOP("tw::HelpWindow",
                      "4. Knight - In chess, a Knight moves one space and then two. In this version of "
                      "tilewarden, you are shown the number of mines that are a knight's move away from the "
                      "square you clicked."),
};

// The window's client area and the rectangles of its heading, paragraphs and button, as designed.
constexpr QSize kDesignSize(249, 282);
constexpr QRect kHeadingRect(32, 0, 185, 25);
constexpr std::array<QRect, 4> kParagraphRects = {
    QRect(0, 24, 249, 73), QRect(0, 96, 249, 49), QRect(0, 144, 249, 49), QRect(0, 192, 249, 57)};
constexpr QRect kOkRect(80, 248, 81, 33);
// The heading's designed size, in points.
constexpr qreal kHeadingPoints = 13.5;

// The design's colours are backgrounds of the design's black text, whatever the desktop's palette.
void paint(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace

HelpWindow::HelpWindow(Events* const& events)
    : QWidget(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      events_(events),
      label1_(new QLabel(tr("How To Play"), this)),
      command1_(new QPushButton(tr("OK"), this)) {
    paint(this, QColor(128, 255, 128));

    // The desktop's font, bold, at the designed size or the desktop's own where that is larger.
    QFont headingFont = font();
    headingFont.setPointSizeF(std::max(kHeadingPoints, QFontInfo(headingFont).pointSizeF()));
    headingFont.setBold(true);
    label1_->setFont(headingFont);
    label1_->setAlignment(Qt::AlignCenter);
    paint(label1_, QColor(255, 128, 0));

    // The paragraphs are in the desktop's font, as the design's were in the system's.
    for (std::size_t row = 0; row < paragraphs_.size(); ++row) {
        auto* paragraph = new QLabel(tr(kParagraphs[row]), this);
        paragraph->setWordWrap(true);
        paragraph->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        paint(paragraph, QColor(255, 255, 128));
        paragraphs_[row] = paragraph;
    }
    // Enter presses the focused button too, as in the dialogs.
    command1_->setAutoDefault(true);
    layOutGrown(*this, kDesignSize,
                {{label1_, kHeadingRect},
                 {paragraphs_[0], kParagraphRects[0]},
                 {paragraphs_[1], kParagraphRects[1]},
                 {paragraphs_[2], kParagraphRects[2]},
                 {paragraphs_[3], kParagraphRects[3]},
                 {command1_, kOkRect}});
    // The heading lies over the first paragraph's top edge, as designed.
    label1_->raise();
    command1_->setFocus();
    connect(command1_, &QPushButton::clicked, this, [this] {
        if (events_ != nullptr) events_->Command1_Click();
    });
}

}  // namespace tw
