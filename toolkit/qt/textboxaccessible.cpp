// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/qt/textboxaccessible.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>

#include "toolkit/qt/dialoglayout.h"

namespace tw {

namespace {

class TextBoxAccessible final : public QAccessibleWidget,
                                public QAccessibleTextInterface,
                                public QAccessibleEditableTextInterface {
public:
    explicit TextBoxAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box().isReadOnly();
        state.readOnly = box().isReadOnly();
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? box().text() : QAccessibleWidget::text(kind);
    }

    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0 || !box().hasSelectedText()) return;
        *start = box().selectionStart();
        *end = box().selectionEnd();
    }
    int selectionCount() const override { return box().hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { box().deselect(); }
    void setSelection(int, int start, int end) override { box().setSelection(start, end - start); }
    int cursorPosition() const override { return box().cursorPosition(); }
    void setCursorPosition(int position) override { box().setCursorPosition(position); }
    QString text(int start, int end) const override { return box().text().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(box().text().size()); }
    QRect characterRect(int offset) const override {
        const QRect contents = lineEditContents(box(), box().size());
        const QFontMetrics metrics(box().font());
        const QString text = box().text();
        const QPoint topLeft(contents.left() + metrics.horizontalAdvance(text.left(offset)), contents.top());
        return {box().mapToGlobal(topLeft), QSize(metrics.horizontalAdvance(text.mid(offset, 1)), contents.height())};
    }
    int offsetAtPoint(const QPoint& point) const override { return box().cursorPositionAt(box().mapFromGlobal(point)); }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        box().setText(box().text().replace(start, end - start, text));
    }

private:
    QLineEdit& box() const { return *static_cast<QLineEdit*>(widget()); }
};

}  // namespace

QAccessibleInterface* textBoxAccessible(QLineEdit* box) { return new TextBoxAccessible(box); }

}  // namespace tw
