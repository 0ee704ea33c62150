// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/qt/customdialog.h"

#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

#include <array>

#include "toolkit/placement.h"
#include "toolkit/qt/dialoglayout.h"

namespace tw {

namespace {

QLabel* label(QWidget* parent, const QString& caption, QWidget* buddy) {
    auto* label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}

// The client area and the rows' tops, as designed; the labels run up to their text boxes.
constexpr QSize kDesignSize(225, 110);
constexpr std::array<int, 3> kRowTops = {16, 48, 80};
constexpr QRect labelRect(int row) { return {8, kRowTops[row], 62, 19}; }
constexpr QRect boxRect(int row) { return {72, kRowTops[row], 57, 19}; }

}  // namespace

CustomDialog::CustomDialog(Events* const& events)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      events_(events),
      dwn_(new QLineEdit(this)),
      acr_(new QLineEdit(this)),
      tm_(new QLineEdit(this)),
      ok_(new QPushButton(tr("OK"), this)),
      cancel_(new QPushButton(tr("Cancel"), this)) {
    QLabel* height = label(this, tr("&Height:"), dwn_);
    QLabel* width = label(this, tr("&Width:"), acr_);
    QLabel* mines = label(this, tr("&Mines:"), tm_);
    dwn_->setAccessibleName(tr("height"));
    acr_->setAccessibleName(tr("width"));
    tm_->setAccessibleName(tr("mines"));
    ok_->setDefault(true);
    ok_->setAutoDefault(true);
    cancel_->setAutoDefault(false);
    layOutGrown(*this, kDesignSize,
                {{height, labelRect(0)}, {dwn_, boxRect(0)}, {width, labelRect(1)}, {acr_, boxRect(1)},
                 {mines, labelRect(2)}, {tm_, boxRect(2)}, {ok_, QRect(142, 16, 73, 20)},
                 {cancel_, QRect(142, 40, 73, 20)}});
    setTabOrder(ok_, acr_);
    setTabOrder(acr_, dwn_);
    setTabOrder(dwn_, tm_);
    setTabOrder(tm_, cancel_);
    ok_->setFocus();
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (events_ != nullptr) events_->OK_Click();
    });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (events_ != nullptr) events_->Cancel_Click();
    });
}

QLineEdit& CustomDialog::box(TextBox box) {
    switch (box) {
        case TextBox::Acr: return *acr_;
        case TextBox::Dwn: return *dwn_;
        case TextBox::TM: break;
    }
    return *tm_;
}

// Escape acts as the Cancel button; the dialog never closes itself.
void CustomDialog::reject() {
    if (events_ != nullptr) events_->Cancel_Click();
}

// Until the desktop has framed the dialog, its frame is taken to be drawn like the owner's. Only
// a shown window can ask the desktop to put its frame, not its client area, at a place.
void CustomDialog::centreOver(const QWidget& owner) {
    owner_ = &owner;
    if (moved_) return;
    winId();
    const QMargins own = windowHandle()->frameMargins();
    assumed_ = !own.isNull() || owner.windowHandle() == nullptr ? own : owner.windowHandle()->frameMargins();
    const QSize frame = size().grownBy(assumed_);
    const QRect over = owner.frameGeometry();
    const FrameRect placed = centredFrame({over.left(), over.top(), over.width(), over.height()}, frame.width(),
                                          frame.height());
    if (isVisible()) {
        windowHandle()->setFramePosition({placed.left, placed.top});
    } else {
        move(placed.left, placed.top);
    }
    placedAt_ = {placed.left, placed.top};
}

void CustomDialog::hideEvent(QHideEvent* event) {
    moved_ = moved_ || frameGeometry().topLeft() != placedAt_;
    QDialog::hideEvent(event);
}

bool CustomDialog::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    const QEvent::Type type = event->type();
    if ((type == QEvent::Move || type == QEvent::Resize || type == QEvent::Expose || type == QEvent::Show) &&
        owner_ != nullptr && isVisible() && windowHandle()->frameMargins() != assumed_) {
        centreOver(*owner_);
    }
    return handled;
}

}  // namespace tw
