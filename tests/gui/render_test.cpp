// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_game.h"

#include <QImage>

namespace tw::gui {
namespace {

QImage resourcePicture(int number) {
    QImage image(QStringLiteral(":/bitmaps/%1.bmp").arg(number));
    EXPECT_FALSE(image.isNull()) << "picture " << number << " is missing from the resources";
    return image.convertToFormat(QImage::Format_RGB32);
}

// Whether the board shows `picture` at `at`, scaled to `size` when that is given.
::testing::AssertionResult shows(const QImage& board, QPoint at, int picture, QSize size = {}) {
    QImage expected = resourcePicture(picture);
    if (size.isValid()) expected = expected.scaled(size);
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (board.pixel(at.x() + x, at.y() + y) != expected.pixel(x, y)) {
                return ::testing::AssertionFailure()
                       << "picture " << picture << " differs at (" << x << ", " << y << ") of ("
                       << at.x() << ", " << at.y() << ")";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

QImage rendered(GuiGame& g) {
    return g.board().grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(Render, AFreshBeginnerBoardShowsTheFrameFaceCountersAndCoveredCells) {
    GuiGame g;
    const QImage board = rendered(g);
    ASSERT_EQ(QSize(152, 195), board.size());
    EXPECT_TRUE(shows(board, {0, 0}, 501));
    // The counter backgrounds and the face lie in front of the panel from x = 16 on.
    EXPECT_TRUE(shows(board, {12, 0}, 503, {4, 55}));
    EXPECT_TRUE(shows(board, {140, 0}, 502));
    EXPECT_TRUE(shows(board, {0, 55}, 507, {12, 128}));
    EXPECT_TRUE(shows(board, {140, 55}, 507, {12, 128}));
    EXPECT_TRUE(shows(board, {0, 183}, 504));
    EXPECT_TRUE(shows(board, {12, 183}, 506, {128, 12}));
    EXPECT_TRUE(shows(board, {140, 183}, 505));
    EXPECT_TRUE(shows(board, {63, 15}, pictures::kBuiltInFace));
    // The digits lie in front of the counter backgrounds; the backgrounds' rims stay visible.
    EXPECT_EQ(resourcePicture(500).pixel(0, 0), board.pixel(16, 15));
    EXPECT_EQ(resourcePicture(500).pixel(40, 24), board.pixel(93 + 40, 15 + 24));
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(shows(board, {18 + 13 * k, 17}, k == 1 ? 201 : 200)) << "mines digit " << k;
        EXPECT_TRUE(shows(board, {95 + 13 * k, 17}, 200)) << "seconds digit " << k;
    }
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            ASSERT_TRUE(shows(board, {12 + 16 * x, 55 + 16 * y}, 400));
        }
    }
}

TEST(Render, OpenedCellsAndTheLostFaceAreRepaintedInPlace) {
    GuiGame g;
    g.laywall();
    g.click(1);
    QImage board = rendered(g);
    EXPECT_TRUE(shows(board, {12, 55}, 300));
    EXPECT_TRUE(shows(board, {12 + 16 * 4, 55 + 16 * 7}, 302));
    EXPECT_TRUE(shows(board, {12 + 16 * 4, 55 + 16 * 3}, 303));
    EXPECT_TRUE(shows(board, {12 + 16 * 7, 55 + 16 * 7}, 400));
    EXPECT_TRUE(shows(board, {121, 17}, 201)) << "the seconds counter reads 001";

    g.click(62);
    board = rendered(g);
    EXPECT_TRUE(shows(board, {12 + 16 * 5, 55 + 16 * 7}, 403));
    EXPECT_TRUE(shows(board, {12 + 16 * 5, 55}, 402));
    EXPECT_TRUE(shows(board, {63, 15}, 104)) << "the smaller face keeps its left edge";
}

}  // namespace
}  // namespace tw::gui
