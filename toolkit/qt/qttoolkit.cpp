// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/qt/qttoolkit.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>
#include <QWindow>

#include "resources/catalogue.h"
#include "toolkit/qt/accessible.h"
#include "toolkit/qt/board.h"
#include "toolkit/qt/fixedsize.h"
#include "toolkit/qt/input.h"
#include "toolkit/qt/keyrepeat.h"
#include "toolkit/qt/serverfocus.h"
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

// Makes a dialog the main window's on the desktop: kept above it, modal to it, minimised and
// restored with it, one entry in the task list; and of its own fixed size.
void belongTo(QWidget& dialog, QWidget& main) {
    dialog.setWindowModality(Qt::WindowModal);
    main.winId();
    dialog.winId();
    dialog.windowHandle()->setTransientParent(main.windowHandle());
    keepFixedSize(dialog);
}

// A dialog's close control, and Escape in it, ask the game to close it; the game decides.
class CloseRequests final : public QObject {
public:
    CloseRequests(QWidget& dialog, Form form, Events* const& events)
        : QObject(&dialog), dialog_(dialog), form_(form), events_(events) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const bool escape = event->type() == QEvent::KeyPress &&
                            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
                            static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier;
        if (event->type() != QEvent::Close && !escape) return false;
        event->ignore();
        if (takesInput(dialog_) && events_ != nullptr) events_->Form_Close(form_);
        return true;
    }

private:
    QWidget& dialog_;
    Form form_;
    Events* const& events_;
};

void reportCloseRequests(QWidget& dialog, Form form, Events* const& events) {
    dialog.installEventFilter(new CloseRequests(dialog, form, events));
}

// The active window (the game at a new game of its own) is not raised again: the desktop would
// tell it of a new configuration.
void showRestoredInFront(QWidget& window) {
    const bool active = window.isVisible() && !window.isMinimized() && QApplication::activeWindow() == &window;
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    if (!active) window.raise();
    window.activateWindow();
}

}  // namespace

QtToolkit::QtToolkit() {
    installAccessibility();
    repeatKeysAsPresses();
}

QtToolkit::~QtToolkit() = default;

// The dialogs read the toolkit's own events, so they never keep a game that is gone.
void QtToolkit::setEvents(Events* events) {
    events_ = events;
    if (form1_) form1_->setEvents(events);
}

void QtToolkit::setPicture(Elem elem, int index, int picture) {
    if (MainWindow* main = built()) main->board().setPicture(elem, index, picture);
}

void QtToolkit::move(Elem elem, int index, int left, int top) {
    if (MainWindow* main = built()) main->board().move(elem, index, left, top);
}

void QtToolkit::resize(Elem elem, int index, int width, int height) {
    if (MainWindow* main = built()) main->board().resize(elem, index, width, height);
}

int QtToolkit::width(Elem elem, int index) const {
    MainWindow* main = built();
    return main != nullptr ? main->board().width(elem, index) : 0;
}

void QtToolkit::show(Elem elem, int index) {
    if (MainWindow* main = built()) main->board().show(elem, index);
}

void QtToolkit::bringToFront(Elem elem, int index) {
    if (MainWindow* main = built()) main->board().bringToFront(elem, index);
}

void QtToolkit::setPointer(Elem elem, int index, Pointer pointer) {
    if (MainWindow* main = built()) main->board().setPointer(elem, index, pointer);
}

void QtToolkit::createBox(int index) {
    if (MainWindow* main = built()) main->board().createBox(index);
}

MainWindow& QtToolkit::mainWindow() {
    if (!form1_) {
        form1_ = std::make_unique<MainWindow>(pictures_);
        form1_->setEvents(events_);
    }
    return *form1_;
}

void QtToolkit::buildForm1() { mainWindow().build(); }

// The native window stays: it may be running one of its own handlers, and the desktop keeps
// its place, its stacking and its task-list entry.
void QtToolkit::destroyForm1() {
    if (form1_) form1_->tearDown();
}

void QtToolkit::setClientSize(int width, int height) {
    if (MainWindow* main = built()) main->setClientSize(width, height);
}

// Every window of the program carries the icon, the dialogs and message boxes too.
void QtToolkit::setIcon(int icon) {
    if (icon != pictures::kWindowIcon) return;
    if (icon_.isNull()) {
        icon_ = loadIcon();
        QApplication::setWindowIcon(icon_);
    }
}

QWidget* QtToolkit::window(Form form) const {
    return form == Form::Form1 ? built() : dialogs_[static_cast<std::size_t>(form)].get();
}

std::unique_ptr<QWidget> QtToolkit::makeDialog(Form form) {
    switch (form) {
        case Form::Form1: break;
        case Form::Form2: {
            auto dialog = std::make_unique<CustomDialog>(events_);
            for (const TextBox box : {TextBox::Acr, TextBox::Dwn, TextBox::TM}) {
                dialog->box(box).setText(qtext(texts_[static_cast<int>(box)]));
            }
            return dialog;
        }
        case Form::Form3: return std::make_unique<HelpWindow>(events_);
    }
    return nullptr;
}

void QtToolkit::showForm(Form form) {
    std::unique_ptr<QWidget>& dialog = dialogs_[static_cast<std::size_t>(form)];
    if (form != Form::Form1 && !dialog) {
        dialog = makeDialog(form);
        dialog->setWindowTitle(translated(windowRow(form).caption));
        belongTo(*dialog, mainWindow());
        reportCloseRequests(*dialog, form, events_);
    }
    QWidget* shown = window(form);
    if (shown == nullptr) return;
    if (form == Form::Form2) form2()->centreOver(mainWindow());
    showRestoredInFront(*shown);
    // Once shown, the dialog can ask the desktop to put its frame, not its client area, there.
    if (form == Form::Form2) form2()->centreOver(mainWindow());
}

// Whatever closes a dialog gives the main window back as the player left it before the dialog:
// shown, restored, in front and holding the keys.
void QtToolkit::hideForm(Form form) {
    QWidget* hidden = window(form);
    if (hidden == nullptr) return;
    const bool dialog = form != Form::Form1 && hidden->isVisible();
    // The server's focus stayed on the main window while Qt took the dialog for active.
    const bool focusStayed = dialog && form1_ && hidden->isActiveWindow() && holdsServerFocus(*form1_);
    hidden->hide();
    if (dialog && built() != nullptr) {
        form1_->showAfreshIfMinimised();
        showRestoredInFront(*form1_);
        if (focusStayed) renewServerFocus(*form1_);
    }
}

void QtToolkit::enableForm(Form form, bool enabled) {
    if (QWidget* target = window(form)) target->setEnabled(enabled);
}

bool QtToolkit::formExists(Form form) const { return window(form) != nullptr; }

void QtToolkit::setChecked(MenuItem item, int index, bool checked) {
    if (MainWindow* main = built()) {
        if (QAction* action = main->action(item, index)) setCheckMark(*action, checked);
    }
}

bool QtToolkit::isChecked(MenuItem item, int index) const {
    MainWindow* main = built();
    const QAction* action = main != nullptr ? main->action(item, index) : nullptr;
    return action != nullptr && action->isChecked();
}

void QtToolkit::setText(TextBox box, std::string_view text) {
    if (form2() != nullptr) {
        form2()->box(box).setText(qtext(text));
    } else {
        texts_[static_cast<int>(box)] = std::string(text);
    }
}

std::string QtToolkit::text(TextBox box) const {
    if (form2() != nullptr) return form2()->box(box).text().toStdString();
    return texts_[static_cast<int>(box)];
}

void QtToolkit::messageBox(std::string_view text, std::string_view title, bool information) {
    QMessageBox box(information ? QMessageBox::Information : QMessageBox::NoIcon, translated(title),
                    translated(text), QMessageBox::Ok, form1_.get());
    box.exec();
}

void QtToolkit::setTimerEnabled(bool enabled) {
    MainWindow* main = built();
    if (main == nullptr) return;
    if (enabled && !main->second().isActive()) main->second().start();
    if (!enabled) main->second().stop();
}

bool QtToolkit::timerEnabled() const {
    MainWindow* main = built();
    return main != nullptr && main->second().isActive();
}

int QtToolkit::focusCell() const {
    const MainWindow* main = built();
    return main != nullptr ? main->board().focusCell() : 1;
}

void QtToolkit::showHint(const Hint& hint) {
    if (MainWindow* main = built()) main->board().showHint(hint);
}

void QtToolkit::tellTaken(TextBox box, int value, Taken taken) {
    if (MainWindow* main = built(); main != nullptr && QAccessible::isActive()) announceTaken(main->board(), box, value, taken);
}

void QtToolkit::quit() {
    // The dialogs go with the main window they belong to.
    if (form1_) form1_->hide();
    QCoreApplication::exit(0);
}

}  // namespace tw
