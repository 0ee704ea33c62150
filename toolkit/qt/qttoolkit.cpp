// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/qt/qttoolkit.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>

#include "resources/catalogue.h"
#include "toolkit/qt/accessible.h"
#include "toolkit/qt/board.h"
#include "toolkit/qt/texts.h"

namespace tw {

namespace {

QString qtext(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The icon's 16 and 32 pixel forms, from PNG copies: Qt reads PNG itself, while reading the
// .ico would load an image-format plugin at every start.
QIcon loadIcon() {
    QIcon icon;
    for (const int size : {16, 32}) {
        const QPixmap form(QStringLiteral(":/icons/tilewarden-%1.png").arg(size));
        if (!form.isNull()) icon.addPixmap(form);
    }
    if (!icon.isNull()) return icon;
    QPixmap placeholder(32, 32);
    placeholder.fill(QColor(255, 0, 255));
    return QIcon(placeholder);
}

}  // namespace

QtToolkit::QtToolkit() { installAccessibility(); }

QtToolkit::~QtToolkit() {
    for (const QPointer<MainWindow>& old : retired_) {
        if (old) old->hide();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void QtToolkit::setEvents(Events* events) {
    events_ = events;
    if (form1_) form1_->setEvents(events);
    if (form2_) form2_->setEvents(events);
    if (form3_) form3_->setEvents(events);
}

void QtToolkit::setPicture(Elem elem, int index, int picture) {
    if (form1_) form1_->board().setPicture(elem, index, picture);
}

void QtToolkit::move(Elem elem, int index, int left, int top) {
    if (form1_) form1_->board().move(elem, index, left, top);
}

void QtToolkit::resize(Elem elem, int index, int width, int height) {
    if (form1_) form1_->board().resize(elem, index, width, height);
}

int QtToolkit::width(Elem elem, int index) const {
    return form1_ ? form1_->board().width(elem, index) : 0;
}

void QtToolkit::show(Elem elem, int index) {
    if (form1_) form1_->board().show(elem, index);
}

void QtToolkit::bringToFront(Elem elem, int index) {
    if (form1_) form1_->board().bringToFront(elem, index);
}

void QtToolkit::setPointer(Elem elem, int index, Pointer pointer) {
    if (form1_) form1_->board().setPointer(elem, index, pointer);
}

void QtToolkit::createBox(int index) {
    if (form1_) form1_->board().createBox(index);
}

void QtToolkit::buildForm1() {
    if (form1_) destroyForm1();
    form1_ = std::make_unique<MainWindow>(pictures_, events_, frame_);
}

void QtToolkit::destroyForm1() {
    if (!form1_) return;
    // This may run inside one of the window's own handlers, so it is deleted only once
    // control is back in the event loop, and it reports nothing more until then.
    form1_->retire();
    frame_ = form1_->frame();
    std::erase_if(retired_, [](const QPointer<MainWindow>& old) { return old.isNull(); });
    if (form1_->isVisible()) {
        retired_.emplace_back(form1_.get());
    }
    form1_.release()->deleteLater();
}

void QtToolkit::setClientSize(int width, int height) {
    if (form1_) form1_->setClientSize(width, height);
}

void QtToolkit::setIcon(int icon) {
    if (!form1_ || icon != pictures::kWindowIcon) return;
    if (icon_.isNull()) icon_ = loadIcon();
    form1_->setWindowIcon(icon_);
}

QWidget* QtToolkit::window(Form form) const {
    switch (form) {
        case Form::Form1: return form1_.get();
        case Form::Form2: return form2_.get();
        case Form::Form3: return form3_.get();
    }
    return nullptr;
}

void QtToolkit::showForm(Form form) {
    if (form == Form::Form2 && !form2_) {
        form2_ = std::make_unique<CustomDialog>(events_);
        for (const TextBox box : {TextBox::Acr, TextBox::Dwn, TextBox::TM}) {
            form2_->box(box).setText(qtext(texts_[static_cast<int>(box)]));
        }
    }
    if (form == Form::Form3 && !form3_) form3_ = std::make_unique<HelpWindow>(events_);
    QWidget* shown = window(form);
    if (shown == nullptr) return;
    shown->setWindowState(shown->windowState() & ~Qt::WindowMinimized);
    shown->show();
    shown->raise();
    shown->activateWindow();
    if (form == Form::Form1) {
        for (const QPointer<MainWindow>& old : retired_) {
            if (old) old->hide();
        }
        retired_.clear();
    }
}

void QtToolkit::hideForm(Form form) {
    if (QWidget* hidden = window(form)) hidden->hide();
}

void QtToolkit::enableForm(Form form, bool enabled) {
    if (QWidget* target = window(form)) target->setEnabled(enabled);
}

bool QtToolkit::formExists(Form form) const { return window(form) != nullptr; }

void QtToolkit::setChecked(MenuItem item, int index, bool checked) {
    if (!form1_) return;
    if (QAction* action = form1_->action(item, index)) setCheckMark(*action, checked);
}

bool QtToolkit::isChecked(MenuItem item, int index) const {
    if (!form1_) return false;
    const QAction* action = form1_->action(item, index);
    return action != nullptr && action->isChecked();
}

void QtToolkit::setText(TextBox box, std::string_view text) {
    if (form2_) {
        form2_->box(box).setText(qtext(text));
    } else {
        texts_[static_cast<int>(box)] = std::string(text);
    }
}

std::string QtToolkit::text(TextBox box) const {
    if (form2_) return form2_->box(box).text().toStdString();
    return texts_[static_cast<int>(box)];
}

void QtToolkit::messageBox(std::string_view text, std::string_view title, bool information) {
    QMessageBox box(information ? QMessageBox::Information : QMessageBox::NoIcon, translated(title),
                    translated(text), QMessageBox::Ok, form1_.get());
    box.exec();
}

void QtToolkit::setTimerEnabled(bool enabled) {
    if (!form1_) return;
    if (enabled && !form1_->second().isActive()) form1_->second().start();
    if (!enabled) form1_->second().stop();
}

bool QtToolkit::timerEnabled() const { return form1_ && form1_->second().isActive(); }

void QtToolkit::quit() {
    for (const Form form : {Form::Form1, Form::Form2, Form::Form3}) {
        if (QWidget* shown = window(form)) shown->hide();
    }
    QCoreApplication::exit(0);
}

}  // namespace tw
