// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPointer>

#include <array>
#include <memory>
#include <string>

#include "toolkit/toolkit.h"
#include "toolkit/windows.h"
#include "toolkit/qt/customdialog.h"
#include "toolkit/qt/helpwindow.h"
#include "toolkit/qt/mainwindow.h"
#include "toolkit/qt/pictures.h"

namespace tw {

// The game's windows as Qt widgets. Needs a QApplication for its whole life.
class QtToolkit final : public Toolkit {
public:
    QtToolkit();
    ~QtToolkit() override;
    QtToolkit(const QtToolkit&) = delete;
    QtToolkit& operator=(const QtToolkit&) = delete;

    void setEvents(Events* events) override;

    void setPicture(Elem elem, int index, int picture) override;
    void move(Elem elem, int index, int left, int top) override;
    void resize(Elem elem, int index, int width, int height) override;
    int width(Elem elem, int index) const override;
    void show(Elem elem, int index) override;
    void bringToFront(Elem elem, int index) override;
    void setPointer(Elem elem, int index, Pointer pointer) override;
    void createBox(int index) override;

    void buildForm1() override;
    void destroyForm1() override;
    void setClientSize(int width, int height) override;
    void setIcon(int icon) override;
    void showForm(Form form) override;
    void hideForm(Form form) override;
    void enableForm(Form form, bool enabled) override;
    bool formExists(Form form) const override;

    void setChecked(MenuItem item, int index, bool checked) override;
    bool isChecked(MenuItem item, int index) const override;

    void setText(TextBox box, std::string_view text) override;
    std::string text(TextBox box) const override;

    void messageBox(std::string_view text, std::string_view title, bool information) override;

    void setTimerEnabled(bool enabled) override;
    bool timerEnabled() const override;

    void quit() override;
    int focusCell() const override;
    void showHint(const Hint& hint) override;
    void tellTaken(TextBox box, int value, Taken taken) override;

    // The windows, or nullptr where there is none yet. The main window lives from its first
    // build to the end of the run; destroyForm1 only takes its contents down.
    MainWindow* form1() const { return form1_.get(); }
    CustomDialog* form2() const { return static_cast<CustomDialog*>(dialogs_[1].get()); }
    HelpWindow* form3() const { return static_cast<HelpWindow*>(dialogs_[2].get()); }
    // Any window of the table, or nullptr where there is none: the main window while its
    // contents are down, a dialog until it is first shown.
    QWidget* window(Form form) const;

private:
    // A new dialog, before it belongs to the main window.
    std::unique_ptr<QWidget> makeDialog(Form form);
    // The main window while its contents are built, or nullptr.
    MainWindow* built() const { return form1_ && form1_->built() ? form1_.get() : nullptr; }
    MainWindow& mainWindow();

    Events* events_ = nullptr;
    Pictures pictures_;
    QIcon icon_;
    std::unique_ptr<MainWindow> form1_;
    // The dialogs belong to the main window on the desktop, but they are no child widgets of it,
    // so that disabling it leaves them enabled.
    std::array<std::unique_ptr<QWidget>, kWindows.size()> dialogs_;
    // What the Custom Field boxes hold before the dialog exists.
    std::array<std::string, 3> texts_{};
};

}  // namespace tw
