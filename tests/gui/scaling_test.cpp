// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_game.h"

#include <QBackingStore>
#include <QImage>
#include <QMouseEvent>

#include <cmath>
#include <tuple>

namespace tw::gui {
namespace {

// Whether `shot` shows `picture` (scaled to `size` in board pixels when given) at board
// position `at`, every picture pixel as a k x k square of device pixels starting at `origin`.
::testing::AssertionResult shows(const QImage& shot, QPoint origin, int k, QPoint at, int picture,
                                 QSize size = {}) {
    QImage expected = QImage(QStringLiteral(":/bitmaps/%1.bmp").arg(picture)).convertToFormat(QImage::Format_RGB32);
    if (expected.isNull()) return ::testing::AssertionFailure() << "picture " << picture << " is missing";
    if (size.isValid()) expected = expected.scaled(size);
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            for (int j = 0; j < k * k; ++j) {
                const QPoint device = origin + k * (at + QPoint(x, y)) + QPoint(j % k, j / k);
                if (!shot.rect().contains(device) || shot.pixel(device) != expected.pixel(x, y)) {
                    return ::testing::AssertionFailure() << "picture " << picture << " differs at device pixel ("
                                                         << device.x() << ", " << device.y() << ")";
                }
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// Every board pixel of `area` (board pixels) is one colour across its k x k device pixels.
::testing::AssertionResult blocky(const QImage& shot, QPoint origin, int k, QSize area) {
    for (int y = 0; y < area.height() * k; ++y) {
        for (int x = 0; x < area.width() * k; ++x) {
            const QPoint device = origin + QPoint(x, y);
            const QPoint corner = origin + QPoint(x / k * k, y / k * k);
            if (shot.pixel(device) != shot.pixel(corner)) {
                return ::testing::AssertionFailure() << "device pixel (" << device.x() << ", " << device.y() << ") is smoothed";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// The fresh Beginner board, as every build shows it.
void expectFreshBeginner(const QImage& shot, QPoint origin, int k) {
    EXPECT_TRUE(blocky(shot, origin, k, {152, 195}));
    // Each frame piece, the face and the counters' digits (010 mines, 000 seconds), stretched where given a size.
    const std::tuple<QPoint, int, QSize> pieces[] = {
        {{0, 0}, pictures::kPanelLeft, {}}, {{12, 0}, pictures::kPanelColumn, {4, 55}}, {{140, 0}, pictures::kPanelRight, {}},
        {{0, 55}, pictures::kWallRow, {12, 128}}, {{140, 55}, pictures::kWallRow, {12, 128}},
        {{0, 183}, pictures::kCornerLeft, {}}, {{12, 183}, pictures::kBottomColumn, {128, 12}},
        {{140, 183}, pictures::kCornerRight, {}}, {{63, 15}, pictures::kBuiltInFace, {}},
        {{18, 17}, pictures::digit(0), {}}, {{31, 17}, pictures::digit(1), {}}, {{44, 17}, pictures::digit(0), {}},
        {{95, 17}, pictures::digit(0), {}}, {{108, 17}, pictures::digit(0), {}}, {{121, 17}, pictures::digit(0), {}}};
    for (const auto& [at, picture, size] : pieces) EXPECT_TRUE(shows(shot, origin, k, at, picture, size));
    // Cells side by side, each exactly where its neighbour ends: no gap, no seam.
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            ASSERT_TRUE(shows(shot, origin, k, {12 + 16 * x, 55 + 16 * y}, pictures::kCovered));
        }
    }
}

struct Scaling : ::testing::Test {
    GuiGame g;
    // The ratio this run was started with: ctest runs the executable once per QT_SCALE_FACTOR.
    const qreal ratio = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    const int k = std::max(1, static_cast<int>(std::lround(ratio)));

    QImage grabbed() { return g.board().grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // What the window holds for the screen, painted piece by piece as the game went.
    QImage onScreen() {
        QApplication::processEvents();
        QBackingStore* store = g.window().backingStore();
        const auto* image = store == nullptr ? nullptr : dynamic_cast<const QImage*>(store->paintDevice());
        return image == nullptr ? QImage() : image->convertToFormat(QImage::Format_RGB32);
    }
    QPoint boardOrigin() { return (QPointF(g.board().mapTo(&g.window(), QPoint(0, 0))) * ratio).toPoint(); }
    // A pointer finer than a widget pixel, as a screen of this ratio delivers it.
    void clickAt(QPointF pos, Qt::MouseButton button = Qt::LeftButton) {
        const QPointF global = g.board().mapToGlobal(pos);
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? button : Qt::NoButton;
            QMouseEvent event(type, pos, global, button, held, Qt::NoModifier);
            QCoreApplication::sendEvent(&g.board(), &event);
        }
    }
};

TEST_F(Scaling, EveryPicturePixelIsASharpSquareAndTheCellsMeetWithoutSeamsOnTheScreenToo) {
    ASSERT_DOUBLE_EQ(ratio, g.board().devicePixelRatioF()) << "runs at the ratio it was started with";
    const QImage board = grabbed();
    expectFreshBeginner(board, {}, k);
    // Only the widget pixel that the scaled board leaves partly over may lie beyond it.
    const QSize over = board.size() - QSize(152, 195) * k;
    const int slack = ratio == k ? 0 : static_cast<int>(std::ceil(ratio));
    EXPECT_TRUE(over.width() >= 0 && over.height() >= 0 && over.width() <= slack && over.height() <= slack)
        << over.width() << " x " << over.height();
    const QImage screen = onScreen();
    ASSERT_FALSE(screen.isNull());
    expectFreshBeginner(screen, boardOrigin(), k);
}

TEST_F(Scaling, PiecewiseRepaintsAfterPlayStaySharp) {
    g.laywall();
    g.click(1);
    g.click(62);
    const QImage screen = onScreen();
    ASSERT_FALSE(screen.isNull());
    const QPoint origin = boardOrigin();
    EXPECT_TRUE(blocky(screen, origin, k, {152, 195}));
    const std::pair<QPoint, int> pieces[] = {
        {{12, 55}, pictures::openedCell(0)}, {{12 + 16 * 4, 55 + 16 * 7}, pictures::openedCell(2)},
        {{12 + 16 * 5, 55 + 16 * 7}, pictures::kFatalMine}, {{12 + 16 * 5, 55}, pictures::kMine},
        {{63, 15}, pictures::kDead}, {{121, 17}, pictures::digit(1)}};
    for (const auto& [at, picture] : pieces) EXPECT_TRUE(shows(screen, origin, k, at, picture));
}

// The first and the last device pixel of every Expert cell, each a right click that flags the
// cell and takes the flag off again.
TEST_F(Scaling, TheExpertBoardIsSharpAndEveryCellTakesTheClicksOnItsEdgeDevicePixels) {
    g.window().action(MenuItem::mnuHard, 0)->trigger();
    g.settle();
    const QImage expert = grabbed();
    EXPECT_TRUE(blocky(expert, {}, k, {504, 323}));
    EXPECT_TRUE(shows(expert, {}, k, {12, 55 + 16 * 16}, pictures::kBottomColumn, {480, 12}));
    EXPECT_TRUE(shows(expert, {}, k, {12 + 16 * 29, 55 + 16 * 15}, pictures::kCovered));
    for (int cell = 1; cell <= g.s().cells(); ++cell) {
        const QRect r = g.board().find(Elem::Box, cell)->rect;
        const QPoint first = r.topLeft() * k;
        for (const QPoint device : {first, (r.bottomRight() + QPoint(1, 1)) * k - QPoint(1, 1)}) {
            clickAt(QPointF(device) / ratio, Qt::RightButton);
            ASSERT_EQ(device == first ? kFlag : kNoMark, g.s().mark[cell])
                << "cell " << cell << ", device pixel (" << device.x() << ", " << device.y() << ")";
        }
    }
}

}  // namespace
}  // namespace tw::gui
