// SPDX-License-Identifier: GPL-3.0-or-later
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

namespace {

QImage bitmap(int number) { return QImage(QString(":/bitmaps/%1.bmp").arg(number)); }

QSet<QRgb> colours(const QImage& image) {
    QSet<QRgb> out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) out.insert(image.pixel(x, y) | 0xFF000000u);
    return out;
}

TEST(ResourcePictures, NumbersUseTheirColoursOnTheOpenedCellFace) {
    const QRgb silver = qRgb(192, 192, 192);
    const QRgb black = qRgb(0, 0, 0);
    const QList<QRgb> inks{qRgb(0, 0, 255),   qRgb(0, 128, 0),   qRgb(255, 0, 0),   qRgb(0, 0, 128),
                           qRgb(128, 0, 0),   qRgb(0, 128, 128), qRgb(128, 0, 128)};
    EXPECT_EQ(colours(bitmap(300)), (QSet<QRgb>{silver, black}));
    for (int n = 1; n <= 24; ++n) {
        const QRgb ink = n <= 7 ? inks[n - 1] : black;
        EXPECT_EQ(colours(bitmap(300 + n)), (QSet<QRgb>{silver, black, ink})) << "number " << n;
        EXPECT_NE(bitmap(300 + n), bitmap(300)) << "number " << n << " is drawn";
    }
}

TEST(ResourcePictures, OpenedCellsShareTheDottedEdgeOfTheBlankCell) {
    const QImage blank = bitmap(300);
    for (int n : {301, 310, 324, 402, 403, 404, 406}) {
        const QImage cell = bitmap(n);
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(cell.pixel(15, i), blank.pixel(15, i)) << "bitmap " << n << " right edge " << i;
            EXPECT_EQ(cell.pixel(i, 15), blank.pixel(i, 15)) << "bitmap " << n << " bottom edge " << i;
        }
    }
}

TEST(ResourcePictures, IconsLoadAtTheirSizesWithTransparentCorners) {
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon(QString(":/icons/tilewarden-%1.png").arg(size));
        ASSERT_EQ(icon.size(), QSize(size, size)) << size;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    }
}

}  // namespace
