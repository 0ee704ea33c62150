// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/qt/accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QRectF>

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "core/grid.h"
#include "resources/catalogue.h"
#include "toolkit/design.h"
#include "toolkit/fieldkeys.h"
#include "toolkit/qt/board.h"
#include "toolkit/qt/mainwindow.h"
#include "toolkit/qt/textboxaccessible.h"

namespace tw {

namespace {

constexpr const char* kContext = "tw::Board";

// What a picture shows, in words. Digits and opened cells with a number speak the number.
struct Spoken {
    int picture;
    const char* text;
};
constexpr std::array<Spoken, 15> kSpoken = {{
    {pictures::kBuiltInFace, QT_TRANSLATE_NOOP("tw::Board", "smiling")},
    {pictures::kSmiling, QT_TRANSLATE_NOOP("tw::Board", "smiling")},
    {pictures::kFacePressed, QT_TRANSLATE_NOOP("tw::Board", "pressed")},
    {pictures::kSurprised, QT_TRANSLATE_NOOP("tw::Board", "surprised")},
    {pictures::kDead, QT_TRANSLATE_NOOP("tw::Board", "game lost")},
    {pictures::kCool, QT_TRANSLATE_NOOP("tw::Board", "game won")},
    {pictures::kMinus, QT_TRANSLATE_NOOP("tw::Board", "minus")},
    {pictures::openedCell(0), QT_TRANSLATE_NOOP("tw::Board", "empty")},
    {pictures::kCovered, QT_TRANSLATE_NOOP("tw::Board", "covered")},
    {pictures::kFlag, QT_TRANSLATE_NOOP("tw::Board", "flag")},
    {pictures::kMine, QT_TRANSLATE_NOOP("tw::Board", "mine")},
    {pictures::kFatalMine, QT_TRANSLATE_NOOP("tw::Board", "exploded mine")},
    {pictures::kWrongFlag, QT_TRANSLATE_NOOP("tw::Board", "wrong flag")},
    {pictures::kQuestion, QT_TRANSLATE_NOOP("tw::Board", "question mark")},
    {pictures::kQuestionPressed, QT_TRANSLATE_NOOP("tw::Board", "question mark")},
}};

std::optional<int> digitOf(int picture) {
    if (picture >= pictures::digit(0) && picture <= pictures::digit(9)) return picture - pictures::digit(0);
    return std::nullopt;
}

QString spokenPicture(int picture) {
    if (const auto digit = digitOf(picture)) return QString::number(*digit);
    if (picture >= pictures::openedCell(1) && picture <= pictures::openedCell(24)) {
        return QString::number(picture - pictures::openedCell(0));
    }
    for (const Spoken& spoken : kSpoken) {
        if (spoken.picture == picture) return QCoreApplication::translate(kContext, spoken.text);
    }
    return {};
}

// The client size tells how many cells the field holds.
Field fieldOf(const Board& board) {
    const QSize client = board.clientSize();
    return fieldOfClient(client.width(), client.height());
}

// What the screen reader was last told of the field: the focus cell's description.
QString newsOf(const Board& board);

QRect screenRect(const Board& board, const QRect& rect) {
    const qreal perPixel = board.scale() / board.devicePixelRatioF();
    const QRect onWidget =
        QRectF(QPointF(rect.topLeft()) * perPixel, QSizeF(rect.size()) * perPixel).toAlignedRect();
    return onWidget.translated(board.mapToGlobal(QPoint(0, 0)));
}

QString flagAction() { return QStringLiteral("Flag"); }

// The click runs from the event loop, so that the caller has its answer before any message box
// the click opens; like the mouse, it cannot reach a disabled window or one behind a modal box.
void perform(Board* board, Elem elem, int index, int button) {
    QMetaObject::invokeMethod(
        board,
        [board, elem, index, button] {
            if (!board->isEnabled() || !board->isVisible() || QApplication::activeModalWidget() != nullptr) {
                return;
            }
            board->click(elem, index, button);
        },
        Qt::QueuedConnection);
}

// The parts of the board beside the field, in reading order after the cells.
enum Part { kMinesCounter, kFace, kSecondsCounter, kParts };

// A part of the board that is drawn by the board itself and has no widget of its own.
class PartAccessible : public QAccessibleInterface {
public:
    explicit PartAccessible(Board* board) : board_(board) {}

    // The board element whose place this part takes, or nullptr when it has none now.
    virtual const Board::Element* element() const = 0;
    // Its index among the board's children on a field of `cells` cells.
    virtual int position(int cells) const = 0;
    const Board* board() const { return board_.data(); }

    bool isValid() const override { return element() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return board_ ? QAccessible::queryAccessibleInterface(board_.data()) : nullptr;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const Board::Element* shown = element();
        return shown == nullptr ? QRect() : screenRect(*board_, shown->rect);
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.disabled = !board_ || !board_->isEnabled();
        state.invisible = !board_ || !board_->isVisible();
        return state;
    }

protected:
    QPointer<Board> board_;
};

class CellAccessible final : public PartAccessible,
                             public QAccessibleTableCellInterface,
                             public QAccessibleActionInterface {
public:
    CellAccessible(Board* board, int cell, bool twin) : PartAccessible(board), cell_(cell), twin_(twin) {}

    const Board::Element* element() const override {
        if (!board_ || cell_ > fieldOf(*board_).cells()) return nullptr;
        return board_->find(Elem::Box, cell_);
    }
    int position(int) const override { return cell_ - 1; }

    QString text(QAccessible::Text t) const override {
        const Board::Element* shown = element();
        if (shown != nullptr && t == QAccessible::Description && focused()) return newsOf(*board_);
        if (t != QAccessible::Name || shown == nullptr) return {};
        told_ = true;
        return QCoreApplication::translate("tw::Board", "row %1, column %2: %3")
            .arg(rowIndex() + 1)
            .arg(columnIndex() + 1)
            .arg(spokenPicture(shown->picture));
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    // A screen reader takes an object of the same role, name and place for the one it is on.
    QRect rect() const override { return twin_ ? PartAccessible::rect().adjusted(0, 0, -1, -1) : PartAccessible::rect(); }
    QAccessible::State state() const override {
        QAccessible::State state = PartAccessible::state();
        state.focusable = true;
        state.focused = focused();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return placeof(across(), cell_).x; }
    int rowIndex() const override { return placeof(across(), cell_).y; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    QStringList actionNames() const override { return {pressAction(), flagAction()}; }
    QString localizedActionName(const QString& name) const override {
        if (name == pressAction()) return QCoreApplication::translate("tw::Board", "Open");
        if (name == flagAction()) return QCoreApplication::translate("tw::Board", "Flag");
        return {};
    }
    QString localizedActionDescription(const QString& name) const override {
        if (name == pressAction()) return QCoreApplication::translate("tw::Board", "Opens the cell");
        if (name == flagAction()) {
            return QCoreApplication::translate("tw::Board", "Flags the cell, marks it or takes its mark away");
        }
        return {};
    }
    void doAction(const QString& name) override {
        if (!board_ || element() == nullptr) return;
        if (name == pressAction()) perform(board_.data(), Elem::Box, cell_, kLeftButton);
        if (name == flagAction()) perform(board_.data(), Elem::Box, cell_, kRightButton);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // Whether anyone has been given this cell's name, and may keep it until told it changed.
    bool told() const { return told_; }

private:
    int across() const { return board_ ? std::max(1, fieldOf(*board_).across) : 1; }
    bool focused() const { return board_ && board_->hasFocus() && board_->focusCell() == cell_; }

    int cell_;
    bool twin_;
    mutable bool told_ = false;
};

class FaceAccessible final : public PartAccessible, public QAccessibleActionInterface {
public:
    using PartAccessible::PartAccessible;

    const Board::Element* element() const override { return board_ ? board_->find(Elem::Smile, 0) : nullptr; }
    int position(int cells) const override { return cells + kFace; }

    QString text(QAccessible::Text t) const override {
        const Board::Element* shown = element();
        if (shown == nullptr) return {};
        if (t == QAccessible::Name) return QCoreApplication::translate("tw::Board", "new game");
        if (t == QAccessible::Description) return spokenPicture(shown->picture);
        return {};
    }
    QAccessible::Role role() const override { return QAccessible::Button; }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (board_ && element() != nullptr && name == pressAction()) {
            perform(board_.data(), Elem::Smile, 0, kLeftButton);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

class CounterAccessible final : public PartAccessible {
public:
    CounterAccessible(Board* board, Part part) : PartAccessible(board), part_(part) {}

    const Board::Element* element() const override {
        return board_ ? board_->find(Elem::FrameN, part_ == kMinesCounter ? 0 : 1) : nullptr;
    }
    int position(int cells) const override { return cells + part_; }

    QString text(QAccessible::Text t) const override {
        if (!board_ || (t != QAccessible::Name && t != QAccessible::Value)) return {};
        const QString value = shownValue();
        if (t == QAccessible::Value) return value;
        return part_ == kMinesCounter ? QCoreApplication::translate("tw::Board", "mines left: %1").arg(value)
                                      : QCoreApplication::translate("tw::Board", "seconds: %1").arg(value);
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }

private:
    // The three digit places read as a number, leading zeros dropped and a sign spoken.
    QString shownValue() const {
        const int first = fieldOf(*board_).cells() + (part_ == kMinesCounter ? 1 : 4);
        QString sign;
        int value = 0;
        for (int place = 0; place < 3; ++place) {
            const Board::Element* digit = board_->find(Elem::Box, first + place);
            if (digit == nullptr) return {};
            if (const auto d = digitOf(digit->picture)) {
                value = value * 10 + *d;
            } else {
                sign = spokenPicture(digit->picture) + QLatin1Char(' ');
            }
        }
        return sign + QString::number(value);
    }

    Part part_;
};

// The board as a table of cells, with the counters and the face as further children.
class BoardAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    // Not a table to a screen reader, which would read a whole row at each step to another row.
    explicit BoardAccessible(Board* board) : QAccessibleWidget(board, QAccessible::Grouping) {}
    ~BoardAccessible() override {
        for (const QAccessible::Id id : cells_) {
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
        }
        for (const QAccessible::Id id : twins_) {
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
        }
        for (const QAccessible::Id id : parts_) {
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
        }
    }

    Board& board() const { return *static_cast<Board*>(widget()); }

    // The child that shows this element, or nullptr.
    QAccessibleInterface* showing(Elem elem, int index) const {
        const int cells = fieldOf(board()).cells();
        if (elem == Elem::Smile) return part(kFace);
        if (elem != Elem::Box || index < 1) return nullptr;
        if (index <= cells) return cell(index);
        if (index <= counterPlace(cells, true, 2)) return part(kMinesCounter);
        if (index <= counterPlace(cells, false, 2)) return part(kSecondsCounter);
        return nullptr;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return QCoreApplication::translate("tw::Board", "field");
        }
        if (t == QAccessible::Description) {
            return QCoreApplication::translate(
                "tw::Board",
                "Arrow keys move, Home, End, Page Up and Page Down go to the edges, Space opens, F flags, "
                "R reads the row, S tells the counters, N the cells a number counts, D a safe cell, F2 starts a new game");
        }
        return QAccessibleWidget::text(t);
    }

    // The focus cell: a focus event for the board is raised for it.
    QAccessibleInterface* focusChild() const override {
        return board().focusCell() <= fieldOf(board()).cells() ? cell(board().focusCell()) : nullptr;
    }
    QString news;
    // Whether the field has held the keys, with the screen reader on it, since the news was told:
    // then the reader has heard it, and the field taking the keys back tells it no more.
    bool heard = false;
    // Whether the screen reader is on the field: from the field's first focus after it took the
    // keys to the next loss of them.
    bool settled = false;
    // What the next new field is told with besides: the Marks it turned off.
    QString fieldNote;
    // The cell whose neighbourhood N last summed up: the next N there lists it.
    int summedUp = 0;

    int childCount() const override { return fieldOf(board()).cells() + kParts; }
    QAccessibleInterface* child(int index) const override {
        const int cells = fieldOf(board()).cells();
        if (index < 0 || index >= cells + kParts) return nullptr;
        return index < cells ? cell(index + 1) : part(static_cast<Part>(index - cells));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* part = dynamic_cast<const PartAccessible*>(child);
        if (part == nullptr || part->board() != &board()) return -1;
        return part->position(fieldOf(board()).cells());
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = board().toBoard(board().mapFromGlobal(QPointF(x, y)));
        if (const Board::Element* hit = board().inputElementAt(at)) {
            if (QAccessibleInterface* shown = showing(hit->elem, hit->index)) return shown;
        }
        for (const Part counter : {kMinesCounter, kSecondsCounter}) {
            QAccessibleInterface* shown = part(counter);
            if (shown != nullptr && shown->rect().contains(x, y)) return shown;
        }
        return nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        const Field field = fieldOf(board());
        if (row < 0 || column < 0 || row >= field.down || column >= field.across) return nullptr;
        return cell(cellat(field.across, column, row));
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return fieldOf(board()).across; }
    int rowCount() const override { return fieldOf(board()).down; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    // The children are made when first asked for and live as long as the board's own interface.
    QAccessibleInterface* cell(int number, bool twin = false) const {
        if (board().find(Elem::Box, number) == nullptr) return nullptr;
        const auto slot = static_cast<std::size_t>(number - 1);
        if (slot >= cells_.size()) {
            cells_.resize(slot + 1, 0);
            twins_.resize(slot + 1, 0);
        }
        return remembered(cells_[slot], [&] { return new CellAccessible(&board(), number, twin); });
    }

public:
    // A screen reader presents what it is told of the focused cell only as a focus on another
    // object: each cell has a twin that takes its place for that.
    QAccessibleInterface* swapFocusCell() {
        const int number = board().focusCell();
        if (cell(number) == nullptr) return nullptr;
        const auto slot = static_cast<std::size_t>(number - 1);
        std::swap(cells_[slot], twins_[slot]);
        return cell(number, true);
    }

private:
    QAccessibleInterface* part(Part which) const {
        return remembered(parts_[which], [&]() -> PartAccessible* {
            if (which == kFace) return new FaceAccessible(&board());
            return new CounterAccessible(&board(), which);
        });
    }
    template <typename Make>
    static QAccessibleInterface* remembered(QAccessible::Id& id, Make make) {
        if (id == 0) id = QAccessible::registerAccessibleInterface(make());
        return QAccessible::accessibleInterface(id);
    }

    mutable std::vector<QAccessible::Id> cells_;
    mutable std::vector<QAccessible::Id> twins_;
    mutable std::array<QAccessible::Id, kParts> parts_{};
};

BoardAccessible* tableOf(const Board& board) {
    return dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(const_cast<Board*>(&board)));
}

QString newsOf(const Board& board) {
    const BoardAccessible* table = tableOf(board);
    return table != nullptr ? table->news : QString();
}

QString counterName(BoardAccessible& table, Part counter) {
    const QAccessibleInterface* shown = table.child(fieldOf(table.board()).cells() + counter);
    return shown != nullptr ? shown->text(QAccessible::Name) : QString();
}

// The checked game type's caption without its rule ("Normal").
QString gameType(const Board& board) {
    const auto* main = qobject_cast<const MainWindow*>(board.window());
    const QAction* item = main != nullptr ? main->action(MenuItem::mnuGT, main->checkedGameType()) : nullptr;
    return item != nullptr ? item->text().left(item->text().lastIndexOf(QStringLiteral(" ("))) : QString();
}

// How many cells the number N shows counts, and how many of them are covered, flagged and open.
QString neighbourhoodSum(const Board& board) {
    int flagged = 0;
    int open = 0;
    for (const int cell : board.shownNeighbourhood()) {
        const Board::Element* shown = board.find(Elem::Box, cell);
        const int picture = shown != nullptr ? shown->picture : pictures::kCovered;
        flagged += picture == pictures::kFlag;
        open += picture >= pictures::openedCell(0) && picture <= pictures::openedCell(24);
    }
    const int all = static_cast<int>(board.shownNeighbourhood().size());
    return QCoreApplication::translate("tw::Board", "counts %1 cells: %2 covered, %3 flagged, %4 open")
        .arg(all)
        .arg(all - flagged - open)
        .arg(flagged)
        .arg(open);
}

// Each cell the number N shows counts, with what it shows.
QString neighbourhoodList(const Board& board) {
    const int across = std::max(1, fieldOf(board).across);
    QStringList cells;
    for (const int cell : board.shownNeighbourhood()) {
        const Board::Element* shown = board.find(Elem::Box, cell);
        const Place at = placeof(across, cell);
        cells << QCoreApplication::translate("tw::Board", "row %1, column %2: %3")
                     .arg(at.y + 1)
                     .arg(at.x + 1)
                     .arg(spokenPicture(shown != nullptr ? shown->picture : pictures::kCovered));
    }
    return cells.join(QStringLiteral("; "));
}

// What the next new field is told with besides.
void noteWithField(BoardAccessible& table, const QString& note) {
    table.fieldNote = table.fieldNote.isEmpty() ? note : table.fieldNote + QStringLiteral(", ") + note;
}

// A lost game shows its exploded mine until the next new game; the face may smile again before.
bool showsLoss(const Board& board) {
    for (int i = 1; i <= fieldOf(board).cells(); ++i) {
        const Board::Element* cell = board.find(Elem::Box, i);
        if (cell != nullptr && cell->picture == pictures::kFatalMine) return true;
    }
    return false;
}

// Moves the screen reader to the focus cell, which it reads with `news` as its description;
// `again` has it read the cell it is on.
void tell(Board& board, const QString& news, bool again) {
    BoardAccessible* table = tableOf(board);
    if (table == nullptr) return;
    table->news = news;
    const bool holdsKeys = board.isVisible() && board.hasFocus();
    table->heard = table->settled && holdsKeys;
    if (!holdsKeys) return;
    QAccessibleInterface* focused = again ? table->swapFocusCell() : table->focusChild();
    if (focused == nullptr) return;
    QAccessibleEvent event(focused, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

QAccessibleInterface* factory(const QString& key, QObject* object) {
    if (key == QLatin1String(Board::staticMetaObject.className())) {
        if (auto* board = qobject_cast<Board*>(object)) return new BoardAccessible(board);
    }
    if (key == QLatin1String(QLineEdit::staticMetaObject.className())) {
        if (auto* box = qobject_cast<QLineEdit*>(object)) return textBoxAccessible(box);
    }
    // The game's own windows would otherwise pass for anonymous fillers; a screen reader reads a
    // dialog's text when it opens.
    auto* window = qobject_cast<QWidget*>(object);
    if (window == nullptr || !window->isWindow() || key != QLatin1String(object->metaObject()->className()) ||
        !key.startsWith(QLatin1String("tw::"))) {
        return nullptr;
    }
    return new QAccessibleWidget(window, window->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window);
}

}  // namespace

int openedCells(const Board& board) {
    int opened = 0;
    for (int i = 1; i <= fieldOf(board).cells(); ++i) {
        const Board::Element* cell = board.find(Elem::Box, i);
        if (cell != nullptr && cell->picture >= pictures::openedCell(0) && cell->picture <= pictures::openedCell(24)) {
            ++opened;
        }
    }
    return opened;
}

void announceKey(Board& board, int key, int openedBefore, bool stayed) {
    BoardAccessible* table = tableOf(board);
    if (table == nullptr) return;
    const int button = clickButton(key);
    const int summedUp = std::exchange(table->summedUp, 0);
    if (key == kKeyN) {
        const int centre = board.neighbourhoodCentre();
        tell(board, centre == summedUp ? neighbourhoodList(board) : neighbourhoodSum(board), true);
        if (centre != summedUp) table->summedUp = centre;
        return;
    }
    if (key != kKeyS && key != kKeyR && button == 0) {
        tell(board, stayed ? QCoreApplication::translate("tw::Board", "edge") : QString(), stayed);
        return;
    }
    QStringList news;
    const Board::Element* face = board.find(Elem::Smile, 0);
    const int opened = openedCells(board) - openedBefore;
    if (key == kKeyR) {
        const Field field = fieldOf(board);
        const int row = placeof(std::max(1, field.across), board.focusCell()).y;
        QStringList shown;
        for (int column = 0; column < field.across; ++column) {
            const Board::Element* cell = board.find(Elem::Box, cellat(field.across, column, row));
            if (cell != nullptr) shown << spokenPicture(cell->picture);
        }
        news << QCoreApplication::translate("tw::Board", "row %1: %2").arg(row + 1).arg(shown.join(QStringLiteral(", ")));
    } else if (key == kKeyS) {
        news << counterName(*table, kMinesCounter) << counterName(*table, kSecondsCounter) << gameType(board);
    } else if (showsLoss(board)) {
        news << QCoreApplication::translate("tw::Board", "game lost");
    } else if (key == kKeyF) {
        news << counterName(*table, kMinesCounter);
    } else if (opened > 1) {
        news << QCoreApplication::translate("tw::Board", "%1 cells opened").arg(opened);
    }
    if (button != 0 && face != nullptr && face->picture == pictures::kCool) {
        news << QCoreApplication::translate("tw::Board", "game won");
    }
    tell(board, news.join(QStringLiteral(", ")), true);
}

// News heard already is not told again when the field takes the keys back from a dialog or menu.
void announceFocus(Board& board, bool first) {
    BoardAccessible* table = tableOf(board);
    if (table == nullptr) return;
    table->settled = true;
    first ? announceField(board, true) : tell(board, table->heard ? QString() : table->news, !table->heard);
}

void announceFocusLost(Board& board) {
    if (BoardAccessible* table = tableOf(board)) table->settled = false;
}

void announceField(Board& board, bool withKeys) {
    BoardAccessible* table = tableOf(board);
    if (table == nullptr || table->focusChild() == nullptr) return;
    const Field field = fieldOf(board);
    QStringList said{QCoreApplication::translate("tw::Board", "new game, %1 columns, %2 rows, %3")
                         .arg(field.across)
                         .arg(field.down)
                         .arg(counterName(*table, kMinesCounter)),
                     gameType(board)};
    if (!table->fieldNote.isEmpty()) said << std::exchange(table->fieldNote, {});
    QString news = said.join(QStringLiteral(", "));
    if (withKeys) news += QStringLiteral(". ") + table->text(QAccessible::Description);
    tell(board, news, true);
}

void announceTaken(Board& board, TextBox box, int value, Taken taken) {
    BoardAccessible* table = tableOf(board);
    if (table == nullptr) return;
    const char* const texts[3][3] = {
        {QT_TRANSLATE_NOOP("tw::Board", "width %1, the largest"), nullptr,
         QT_TRANSLATE_NOOP("tw::Board", "width %1")},
        {QT_TRANSLATE_NOOP("tw::Board", "height %1, the largest"), QT_TRANSLATE_NOOP("tw::Board", "height %1, the smallest"),
         nullptr},
        {QT_TRANSLATE_NOOP("tw::Board", "mines %1, the most"), QT_TRANSLATE_NOOP("tw::Board", "mines %1, the fewest"),
         nullptr}};
    const char* text = texts[static_cast<int>(box)][static_cast<int>(taken)];
    if (text != nullptr) noteWithField(*table, QCoreApplication::translate("tw::Board", text).arg(value));
}

void announceMarks(Board& board, bool on, bool newField) {
    BoardAccessible* table = tableOf(board);
    if (table == nullptr) return;
    const QString said = on ? QCoreApplication::translate("tw::Board", "marks on")
                            : QCoreApplication::translate("tw::Board", "marks off");
    newField ? noteWithField(*table, said) : tell(board, said, true);
}

void announceHint(Board& board, const Hint& hint) {
    const int across = std::max(1, fieldOf(board).across);
    const Place at = placeof(across, hint.cell);
    const auto [first, second] = hint.clues;
    const Place a = placeof(across, std::max(1, first.cell));
    const Place b = placeof(across, std::max(1, second.cell));
    // Every reason names the safe cell first, then the numbers it rests on.
    const auto safe = [&](const char* text) {
        return QCoreApplication::translate("tw::Board", text).arg(at.y + 1).arg(at.x + 1);
    };
    QString said;
    switch (hint.why) {
        case HintWhy::None:
            said = QCoreApplication::translate("tw::Board", "no certain move");
            break;
        case HintWhy::First:
            said = safe(QT_TRANSLATE_NOOP("tw::Board", "row %1, column %2 is safe: the first cell opened never holds a mine"));
            break;
        case HintWhy::Satisfied:
            said = safe(first.number == 1
                            ? QT_TRANSLATE_NOOP("tw::Board", "row %1, column %2 is safe: the %3 at row %4, column %5 is already touching its mine")
                            : QT_TRANSLATE_NOOP("tw::Board", "row %1, column %2 is safe: the %3 at row %4, column %5 is already touching its mines"))
                       .arg(first.number)
                       .arg(a.y + 1)
                       .arg(a.x + 1);
            break;
        case HintWhy::Subset:
            said = safe(QT_TRANSLATE_NOOP("tw::Board",
                                          "row %1, column %2 is safe: the mines the %3 at row %4, column %5 still "
                                          "needs are all the %6 at row %7, column %8 still needs"))
                       .arg(first.number)
                       .arg(a.y + 1)
                       .arg(a.x + 1)
                       .arg(second.number)
                       .arg(b.y + 1)
                       .arg(b.x + 1);
            break;
        case HintWhy::Frontier:
            said = safe(QT_TRANSLATE_NOOP("tw::Board", "row %1, column %2 is safe: no way the mines can lie around the numbers covers it"));
            break;
        case HintWhy::Count:
            said = safe(QT_TRANSLATE_NOOP("tw::Board", "row %1, column %2 is safe: the numbers need every mine that is left"));
            break;
    }
    tell(board, said, true);
}

void installAccessibility() { QAccessible::installFactory(factory); }

void announcePicture(Board& board, Elem elem, int index) {
    // A window still being built is announced whole when it is shown.
    if (!board.isVisible()) return;
    const auto* table = dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(&board));
    if (table == nullptr) return;
    QAccessibleInterface* shown = table->showing(elem, index);
    // A screen reader works through every change it is sent before it answers the next key: a new
    // field or a cascade announces only the cells whose names were asked for.
    const auto* cell = dynamic_cast<const CellAccessible*>(shown);
    if (shown == nullptr || (cell != nullptr && !cell->told())) return;
    QAccessibleEvent event(shown, elem == Elem::Smile ? QAccessible::DescriptionChanged : QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

}  // namespace tw
