// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/qt/dialoglayout.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

#include <cmath>

namespace tw {

namespace {

// Steps small enough to grow by at most a pixel or two at a time.
constexpr double kStep = 1.0 / 64;
// Beyond this the dialog would not fit the screen anyway.
constexpr double kLargest = 4;

int grown(int length, double factor) { return static_cast<int>(std::lround(length * factor)); }

// Edge by edge, so that controls that meet in the design still meet.
QRect grown(const QRect& rect, double factor) {
    const QPoint topLeft(grown(rect.left(), factor), grown(rect.top(), factor));
    const QPoint end(grown(rect.left() + rect.width(), factor), grown(rect.top() + rect.height(), factor));
    return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}

// Whether the control shows its whole text at this size, as the control itself measures it.
bool fits(const QWidget& control, QSize size) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (label->wordWrap()) return label->heightForWidth(size.width()) <= size.height();
        const QSize need = label->sizeHint();
        return need.width() <= size.width() && need.height() <= size.height();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = QRect(QPoint(0, 0), size);
        option.text = button->text();
        if (button->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
        if (button->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QSize need = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
        return need.width() <= room.width() && need.height() <= room.height();
    }
    // A line edit centres its line of text in its contents and clips it there.
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) {
        return edit->fontMetrics().height() <= lineEditContents(*edit, size).height();
    }
    return true;
}

}  // namespace

QRect lineEditContents(const QLineEdit& edit, QSize size) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = QRect(QPoint(0, 0), size);
    option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    option.state |= QStyle::State_Sunken;
    return edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit).marginsRemoved(edit.textMargins());
}

void layOutGrown(QWidget& window, QSize designed, std::initializer_list<Placed> controls) {
    // Fonts and margins are final only once the style has polished the controls.
    window.ensurePolished();
    double factor = 1;
    for (; factor < kLargest; factor += kStep) {
        bool all = true;
        for (const Placed& control : controls) all = all && fits(*control.widget, grown(control.designed, factor).size());
        if (all) break;
    }
    for (const Placed& control : controls) control.widget->setGeometry(grown(control.designed, factor));
    window.setFixedSize(grown(designed.width(), factor), grown(designed.height(), factor));
}

}  // namespace tw
