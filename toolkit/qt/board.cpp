// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/qt/board.h"

#include <QAccessible>
#include <QCursor>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

#include "resources/catalogue.h"
#include "toolkit/fieldkeys.h"
#include "toolkit/qt/accessible.h"
#include "toolkit/qt/input.h"
#include "toolkit/qt/mainwindow.h"

namespace tw {

namespace {

int buttonCode(Qt::MouseButton button) {
    if (button == Qt::LeftButton) return kLeftButton;
    if (button == Qt::RightButton) return kRightButton;
    return button == Qt::MiddleButton ? kMiddleButton : 0;
}

std::size_t buttonSlot(int code) { return code == kLeftButton ? 0 : code == kRightButton ? 1 : 2; }

bool playsOnField(const QKeyEvent& event) {
    return isFieldKey(keyCode(event.key())) && !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

bool takesMouse(Elem elem) { return elem == Elem::Box || elem == Elem::Smile; }

const QColor kBackground(192, 192, 192);
// The cells N counts are framed in the pictures' dark blue, inside the focus cell's black frame.
const QColor kNeighbourhoodMark(0, 0, 128);

// Products of a ratio may land a hair off a whole number; this much is not a pixel.
constexpr qreal kSlack = 1e-6;

int floorOf(qreal v) { return static_cast<int>(std::floor(v + kSlack)); }
int ceilOf(qreal v) { return static_cast<int>(std::ceil(v - kSlack)); }

// The rectangle scaled by `factor`, widened outwards to whole pixels.
QRect scaledOut(const QRect& rect, qreal factor) {
    const QPoint topLeft(floorOf(rect.left() * factor), floorOf(rect.top() * factor));
    const QPoint end(ceilOf((rect.right() + 1) * factor), ceilOf((rect.bottom() + 1) * factor));
    return QRect(topLeft, end - QPoint(1, 1));
}

}  // namespace

Board::Board(Pictures& pictures, QWidget* parent) : QWidget(parent), pictures_(pictures) {
    for (auto& row : frameSlots_) row.fill(-1);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

int Board::scale() const { return std::max(1, qRound(devicePixelRatioF())); }

// At a fractional ratio the widget is made a little larger or smaller than the board in
// logical pixels, so that the board fills it at the whole factor.
QSize Board::setClientSize(QSize size) {
    clientSize_ = size;
    const qreal perPixel = scale() / devicePixelRatioF();
    return {ceilOf(size.width() * perPixel), ceilOf(size.height() * perPixel)};
}

QPoint Board::toBoard(QPointF widgetPos) const {
    const qreal perPixel = devicePixelRatioF() / scale();
    return {floorOf(widgetPos.x() * perPixel), floorOf(widgetPos.y() * perPixel)};
}

QPointF Board::toWidget(QPoint boardPos) const {
    const qreal perPixel = scale() / devicePixelRatioF();
    return {(boardPos.x() + 0.5) * perPixel, (boardPos.y() + 0.5) * perPixel};
}

QRect Board::widgetRect(const QRect& boardRect) const {
    return scaledOut(boardRect, scale() / devicePixelRatioF());
}

QRect Board::boardRect(const QRect& widgetRect) const {
    return scaledOut(widgetRect, devicePixelRatioF() / scale()) & QRect(QPoint(0, 0), clientSize_);
}

int Board::slot(Elem elem, int index) const {
    if (index < 0) return -1;
    if (elem == Elem::Box) {
        return index < static_cast<int>(boxSlots_.size()) ? boxSlots_[index] : -1;
    }
    return index < 2 ? frameSlots_[static_cast<int>(elem)][index] : -1;
}

const Board::Element* Board::find(Elem elem, int index) const {
    const int s = slot(elem, index);
    return s < 0 ? nullptr : &elements_[s];
}

void Board::clear() {
    forgetTargets();
    neighbourhood_.clear();
    resetFocus();
    elements_.clear();
    order_.clear();
    boxSlots_.clear();
    for (auto& row : frameSlots_) row.fill(-1);
    hover(-1);
    update();
}

void Board::add(const Element& element) {
    if (element.index < 0 || (element.elem != Elem::Box && element.index > 1)) return;
    int s = slot(element.elem, element.index);
    if (s >= 0) {
        repaint(elements_[s]);
        elements_[s] = element;
        order_.erase(std::find(order_.begin(), order_.end(), s));
    } else {
        s = static_cast<int>(elements_.size());
        elements_.push_back(element);
        if (element.elem == Elem::Box) {
            if (element.index >= static_cast<int>(boxSlots_.size())) boxSlots_.resize(element.index + 1, -1);
            boxSlots_[element.index] = s;
        } else {
            frameSlots_[static_cast<int>(element.elem)][element.index] = s;
        }
    }
    order_.push_back(s);
    repaint(elements_[s]);
}

void Board::createBox(int index) {
    const Element* model = find(Elem::Box, 0);
    if (model == nullptr || index <= 0) return;
    Element copy = *model;
    copy.index = index;
    copy.visible = false;
    add(copy);
}

void Board::repaint(const Element& element) {
    if (element.visible && !element.rect.isEmpty()) update(widgetRect(element.rect));
}

void Board::setPicture(Elem elem, int index, int picture) {
    const int s = slot(elem, index);
    if (s < 0) return;
    Element& element = elements_[s];
    if (element.picture == picture) return;
    repaint(element);
    element.picture = picture;
    if (!isStretched(elem)) element.rect.setSize(pictures_.bitmap(picture).size());
    repaint(element);
    if (QAccessible::isActive()) announcePicture(*this, elem, index);
}

void Board::move(Elem elem, int index, int left, int top) {
    const int s = slot(elem, index);
    if (s < 0) return;
    Element& element = elements_[s];
    if (element.rect.topLeft() == QPoint(left, top)) return;
    repaint(element);
    element.rect.moveTopLeft(QPoint(left, top));
    repaint(element);
}

void Board::resize(Elem elem, int index, int width, int height) {
    const int s = slot(elem, index);
    if (s < 0) return;
    Element& element = elements_[s];
    repaint(element);
    element.rect.setSize(QSize(std::max(width, 0), std::max(height, 0)));
    repaint(element);
}

int Board::width(Elem elem, int index) const {
    const Element* element = find(elem, index);
    return element == nullptr ? 0 : element->rect.width();
}

void Board::show(Elem elem, int index) {
    const int s = slot(elem, index);
    if (s < 0 || elements_[s].visible) return;
    elements_[s].visible = true;
    repaint(elements_[s]);
}

void Board::bringToFront(Elem elem, int index) {
    const int s = slot(elem, index);
    if (s < 0 || order_.back() == s) return;
    order_.erase(std::find(order_.begin(), order_.end(), s));
    order_.push_back(s);
    repaint(elements_[s]);
}

void Board::setPointer(Elem elem, int index, Pointer pointer) {
    const int s = slot(elem, index);
    if (s < 0) return;
    elements_[s].pointer = pointer;
    if (s == hovered_) refreshCursor();
}

int Board::topmostAt(QPoint pos, bool inputOnly) const {
    for (auto it = order_.rbegin(); it != order_.rend(); ++it) {
        const Element& element = elements_[*it];
        if (!element.visible || !element.rect.contains(pos)) continue;
        if (inputOnly && !takesMouse(element.elem)) continue;
        return *it;
    }
    return -1;
}

const Board::Element* Board::inputElementAt(QPoint pos) const {
    const int s = topmostAt(pos, true);
    return s < 0 ? nullptr : &elements_[s];
}

// The board is drawn in board pixels and then enlarged by whole device pixels without
// smoothing, so every picture pixel stays a sharp square and every element edge a whole pixel.
void Board::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), kBackground);
    const QRect area = boardRect(event->rect());
    if (area.isEmpty()) return;
    QImage scene(area.size(), QImage::Format_RGB32);
    {
        QPainter scenePainter(&scene);
        scenePainter.translate(-area.topLeft());
        scenePainter.fillRect(area, kBackground);
        for (const int s : order_) {
            const Element& element = elements_[s];
            if (!element.visible || !element.rect.intersects(area)) continue;
            const QPixmap& pixmap = pictures_.bitmap(element.picture);
            if (isStretched(element.elem)) {
                scenePainter.drawPixmap(element.rect, pixmap);
            } else {
                scenePainter.drawPixmap(element.rect.topLeft(), pixmap,
                                        QRect(QPoint(0, 0), element.rect.size()));
            }
        }
        scenePainter.setPen(kNeighbourhoodMark);
        for (const int cell : neighbourhood_) {
            if (const Element* counted = find(Elem::Box, cell); counted != nullptr && counted->visible) {
                scenePainter.drawRect(counted->rect.adjusted(1, 1, -2, -2));
            }
        }
        if (const Element* focused = marked_ ? find(Elem::Box, focus_) : nullptr; focused && focused->visible) {
            scenePainter.setPen(Qt::black);
            scenePainter.drawRect(focused->rect.adjusted(2, 2, -3, -3));
        }
    }
    const int k = scale();
    // scaled() repeats pixels unless asked to smooth them.
    if (k > 1) scene = scene.scaled(area.size() * k);
    const qreal ratio = devicePixelRatioF();
    scene.setDevicePixelRatio(ratio);
    painter.drawImage(QPointF(area.left() * k / ratio, area.top() * k / ratio), scene);
}

void Board::press(int s, int button) {
    if (events_ == nullptr) return;
    const Element& element = elements_[s];
    if (element.elem == Elem::Smile) {
        events_->Smile_MouseDown(button);
    } else {
        events_->Box_MouseDown(element.index, button);
    }
}

void Board::release(int s, int button) {
    if (events_ == nullptr) return;
    const Element& element = elements_[s];
    if (element.elem == Elem::Smile) {
        events_->Smile_MouseUp(button);
    } else {
        events_->Box_MouseUp(element.index, button);
    }
}

void Board::click(Elem elem, int index, int button) {
    const int s = slot(elem, index);
    if (s < 0 || !takesMouse(elem)) return;
    press(s, button);
    release(s, button);
}

void Board::mousePressEvent(QMouseEvent* event) {
    setMarked(false);
    const int button = buttonCode(event->button());
    forgetReleased(event->buttons());
    if (button == 0) return;
    const int s = topmostAt(toBoard(event->position()), true);
    targets_[buttonSlot(button)] = s < 0 ? kFrame : s;
    if (s >= 0) press(s, button);
}

void Board::mouseReleaseEvent(QMouseEvent* event) {
    const int button = buttonCode(event->button());
    const int s = button == 0 ? kNoTarget : std::exchange(targets_[buttonSlot(button)], kNoTarget);
    forgetReleased(event->buttons());
    if (s >= 0) release(s, button);
}

// A button the event shows up lost its release somewhere else.
void Board::forgetReleased(Qt::MouseButtons held) {
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (!(held & button)) targets_[buttonSlot(buttonCode(button))] = kNoTarget;
    }
}

void Board::mouseMoveEvent(QMouseEvent* event) {
    forgetReleased(event->buttons());
    hover(topmostAt(toBoard(event->position()), false));
}

void Board::leaveEvent(QEvent*) { hover(-1); }

// The field's keys without Ctrl or Alt play on the field; the others are the window's keys. A
// press of a key that is down already is one of its repeats, whether or not the window system
// says so: on X11 it sends them as presses alone (keyrepeat.h).
void Board::keyPressEvent(QKeyEvent* event) {
    const bool repeat = !held_.insert(event->key()).second || event->isAutoRepeat();
    const int key = keyCode(event->key());
    if (events_ == nullptr) return;
    if (playsOnField(*event)) {
        play(key, repeat);
    } else {
        events_->Form_KeyDown(key, shiftState(event->modifiers()));
    }
}

// A repeat's release is no release; the others let the key go.
void Board::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    held_.erase(event->key());
    if (event->key() == Qt::Key_N) setNeighbourhood({});
    if (events_ != nullptr && !playsOnField(*event)) {
        events_->Form_KeyUp(keyCode(event->key()), shiftState(event->modifiers()));
    }
}

void Board::letGoOfKeys() {
    setNeighbourhood({});
    letGo_.merge(held_);
    held_.clear();
    // Reported after the handler that may be running, once the window takes input.
    QTimer::singleShot(0, this, &Board::reportLetGoKeys);
}

void Board::reportLetGoKeys() {
    if (events_ == nullptr || !isVisible() || window()->isMinimized() || !takesInput(*window())) return;
    for (const int key : std::exchange(letGo_, {})) {
        if (!isFieldKey(keyCode(key))) events_->Form_KeyUp(keyCode(key), 0);
    }
}

void Board::play(int key, bool repeat) {
    const int before = focus_;
    focus_ = movedFocus(focus_, key, fieldOfClient(clientSize_.width(), clientSize_.height()));
    const int button = clickButton(key);
    if (held_.contains(Qt::Key_N)) showNeighbourhood();
    if (button == 0) {
        if (marksFocus(key)) setMarked(true);
        if (const Element* shown = find(Elem::Box, before)) repaint(*shown);
        if (const Element* shown = find(Elem::Box, focus_)) repaint(*shown);
        if (QAccessible::isActive() && !(key == kKeyN && repeat)) {
            announceKey(*this, key, 0, movesFocus(key) && focus_ == before);
        }
        return;
    }
    const Element* cell = find(Elem::Box, focus_);
    if (repeat || cell == nullptr || !cell->visible) return;
    const int opened = QAccessible::isActive() ? openedCells(*this) : 0;
    click(Elem::Box, focus_, button);
    if (QAccessible::isActive()) announceKey(*this, key, opened, false);
}

void Board::setMarked(bool marked) {
    if (marked_ == marked) return;
    marked_ = marked;
    if (const Element* shown = find(Elem::Box, focus_)) repaint(*shown);
}

void Board::resetFocus() {
    setMarked(false);
    focus_ = 1;
    if (QAccessible::isActive()) {
        QTimer::singleShot(0, this, [this] { announceField(*this, false); });
    }
}

void Board::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    QTimer::singleShot(0, this, &Board::reportLetGoKeys);
    if (!QAccessible::isActive()) return;
    // The screen reader is put on the field itself first.
    QTimer::singleShot(0, this, [this, first = !std::exchange(introduced_, true)] {
        announceFocus(*this, first);
    });
}

void Board::enterEvent(QEnterEvent*) { rehover(); }

void Board::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled()) forgetTargets();
        rehover();
        isEnabled() ? QTimer::singleShot(0, this, &Board::reportLetGoKeys) : letGoOfKeys();
        // Disabling took the window's keyboard focus away from the board: it takes it back.
        if (isEnabled() && window()->focusWidget() == nullptr) setFocus();
    }
    QWidget::changeEvent(event);
}

void Board::showEvent(QShowEvent*) {
    rehover();
    QTimer::singleShot(0, this, &Board::reportLetGoKeys);
}

void Board::hideEvent(QHideEvent*) {
    forgetTargets();
    letGoOfKeys();
}

void Board::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (QAccessible::isActive()) announceFocusLost(*this);
    letGoOfKeys();
}

// Losing the keyboard focus loses no release: the window system still sends it here.
bool Board::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) rehover();
    return QWidget::event(event);
}

void Board::rehover() {
    const QPoint at = mapFromGlobal(QCursor::pos());
    hover(rect().contains(at) ? topmostAt(toBoard(at), false) : -1);
}

void Board::hover(int s) {
    if (s == hovered_) return;
    hovered_ = s;
    if (held_.contains(Qt::Key_N)) showNeighbourhood();
    refreshCursor();
}

void Board::refreshCursor() {
    const bool cross = hovered_ >= 0 && elements_[hovered_].pointer == Pointer::Cross;
    if (cross == crossShown_) return;
    crossShown_ = cross;
    if (cross) {
        setCursor(Qt::CrossCursor);
    } else {
        unsetCursor();
    }
}

void Board::showHint(const Hint& hint) {
    if (hint.cell >= 1 && hint.cell <= fieldOfClient(clientSize_.width(), clientSize_.height()).cells()) {
        const int before = std::exchange(focus_, hint.cell);
        setMarked(true);
        for (const int cell : {before, focus_}) {
            if (const Element* shown = find(Elem::Box, cell)) repaint(*shown);
        }
    }
    if (QAccessible::isActive()) announceHint(*this, hint);
}

int Board::neighbourhoodCentre() const {
    const bool onCell = hovered_ >= 0 && elements_[hovered_].elem == Elem::Box;
    return tw::neighbourhoodCentre(focus_, marked_, onCell ? elements_[hovered_].index : 0);
}

void Board::showNeighbourhood() {
    const auto* main = qobject_cast<const MainWindow*>(window());
    const int mask = main != nullptr ? main->checkedGameType() : 0;
    setNeighbourhood(neighbourhood(neighbourhoodCentre(), mask, fieldOfClient(clientSize_.width(), clientSize_.height())));
}

void Board::setNeighbourhood(std::vector<int> cells) {
    if (cells == neighbourhood_) return;
    neighbourhood_ = std::move(cells);
    update();
}

}  // namespace tw
