// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "toolkit/toolkit.h"

class QLineEdit;
class QPushButton;

namespace tw {

// Form2: the width, height and mine count of a custom field. It reports its buttons and its
// close control and leaves showing and hiding itself to the game.
class CustomDialog final : public QDialog {
    Q_OBJECT

public:
    // `events` is the toolkit's, which outlives the dialog.
    explicit CustomDialog(Events* const& events);

    QLineEdit& box(TextBox box);
    QPushButton& okButton() { return *ok_; }
    QPushButton& cancelButton() { return *cancel_; }

    void reject() override;
    // Centres the dialog's frame over the frame of `owner`, and again whenever the desktop's
    // frame around the shown dialog turns out other than assumed; once the player has moved the
    // dialog, it stays where they left it.
    void centreOver(const QWidget& owner);

protected:
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;

private:
    Events* const& events_;
    QLineEdit* dwn_;
    QLineEdit* acr_;
    QLineEdit* tm_;
    QPushButton* ok_;
    QPushButton* cancel_;
    const QWidget* owner_ = nullptr;
    // The frame margins the last centring assumed, where it put the frame, and whether the player
    // has moved the dialog from there.
    QMargins assumed_;
    QPoint placedAt_;
    bool moved_ = false;
};

}  // namespace tw
