// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/qt/customdialog.h"
#include "toolkit/qt/input.h"

#include <QCloseEvent>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

#include "toolkit/placement.h"

namespace tw {

namespace {

// The labels run up to their text boxes so that their captions are never clipped.
void label(QWidget* parent, const QString& caption, QWidget* buddy, int top) {
    auto* label = new QLabel(caption, parent);
    label->setGeometry(8, top, 62, 19);
    label->setBuddy(buddy);
}

}  // namespace

CustomDialog::CustomDialog(Events* events)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      events_(events),
      dwn_(new QLineEdit(this)),
      acr_(new QLineEdit(this)),
      tm_(new QLineEdit(this)),
      ok_(new QPushButton(tr("OK"), this)),
      cancel_(new QPushButton(tr("Cancel"), this)) {
    setWindowTitle(tr("Custom Field"));
    setFixedSize(225, 110);
    dwn_->setGeometry(72, 16, 57, 19);
    acr_->setGeometry(72, 48, 57, 19);
    tm_->setGeometry(72, 80, 57, 19);
    ok_->setGeometry(142, 16, 73, 20);
    cancel_->setGeometry(142, 40, 73, 20);
    label(this, tr("&Height:"), dwn_, 16);
    label(this, tr("&Width:"), acr_, 48);
    label(this, tr("&Mines:"), tm_, 80);
    dwn_->setAccessibleName(tr("height"));
    acr_->setAccessibleName(tr("width"));
    tm_->setAccessibleName(tr("mines"));
    ok_->setDefault(true);
    ok_->setAutoDefault(true);
    cancel_->setAutoDefault(false);
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

void CustomDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (takesInput(*this) && events_ != nullptr) events_->Form_Close(Form::Form2);
}

}  // namespace tw
