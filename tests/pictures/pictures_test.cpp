// SPDX-License-Identifier: GPL-3.0-or-later
// The committed pictures: their file format, that the drawing program reproduces them, and how
// they look once loaded.
#include <QImage>
#include <QImageReader>
#include <QSet>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <tuple>

#include "drawings.h"
#include "frame.h"
#include "resources/catalogue.h"

namespace {

namespace fs = std::filesystem;
using tw::drawing::Bytes;

const fs::path resources{TW_RESOURCES_DIR};

Bytes read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t le16(const Bytes& b, std::size_t at) { return b.at(at) | b.at(at + 1) << 8; }
std::uint32_t le32(const Bytes& b, std::size_t at) { return le16(b, at) | le16(b, at + 2) << 16; }

const QList<QRgb> standard_palette{
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0), qRgb(0, 0, 128),   qRgb(128, 0, 128),
    qRgb(0, 128, 128),   qRgb(192, 192, 192), qRgb(128, 128, 128), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

QSet<QRgb> colours(const QImage& image) {
    QSet<QRgb> out;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) out.insert(image.pixel(x, y));
        }
    }
    return out;
}

TEST(BitmapFiles, EveryBitmapIsAn4BitUncompressedBmpOfItsCatalogueSizeInTheStandardColours) {
    for (const auto& expected : tw::pictures::kCatalogue) {
        SCOPED_TRACE("bitmap " + std::to_string(expected.number));
        const std::string name = std::to_string(expected.number) + ".bmp";
        const Bytes b = read_file(resources / "bitmaps" / name);
        ASSERT_GE(b.size(), 14u + 40u + 64u);
        EXPECT_EQ(standard_palette, QImage(QString::fromStdString(":/bitmaps/" + name)).colorTable());
        const int width = expected.size.width;
        const int height = expected.size.height;
        const auto rows = static_cast<std::uint32_t>((width * 4 + 31) / 32 * 4 * height);
        // "BM", the file size, the pixels after the palette, the header, the size, one plane, 4 bits, BI_RGB.
        EXPECT_EQ(std::tuple(0x4D42u, 118 + rows, 118u, 40u, width, height, 1u, 4u, 0u),
                  std::tuple(le16(b, 0), le32(b, 2), le32(b, 10), le32(b, 14), static_cast<int>(le32(b, 18)),
                             static_cast<int>(le32(b, 22)), le16(b, 26), le16(b, 28), le32(b, 30)));
        EXPECT_EQ(b.size(), 118 + rows);
    }
}

TEST(BitmapFiles, WindowIconHolds16And32PixelImagesInTheStandardColoursWithMasks) {
    QImageReader reader(QString::fromStdString((resources / "icons" / "tilewarden.ico").string()));
    ASSERT_EQ(2, reader.imageCount());
    for (int size : {16, 32}) {
        const QImage icon = reader.read();
        ASSERT_EQ(QSize(size, size), icon.size()) << reader.errorString().toStdString();
        EXPECT_EQ(0, qAlpha(icon.pixel(0, 0))) << size;
        EXPECT_TRUE(QSet<QRgb>(standard_palette.begin(), standard_palette.end()).contains(colours(icon))) << size;
        reader.jumpToNextImage();
    }
}

// The committed bitmaps and icons are exactly what the drawing program draws, file for file.
TEST(Generator, RedrawingReproducesTheCommittedFilesByteForByte) {
    std::map<std::string, Bytes> drawn;
    for (const auto& file : tw::drawing::all_files()) drawn[file.path] = file.bytes;
    std::size_t committed = 0;
    for (const std::string folder : {"bitmaps", "icons"}) {
        for (const auto& entry : fs::directory_iterator(resources / folder)) {
            const std::string relative = folder + "/" + entry.path().filename().string();
            ASSERT_EQ(1u, drawn.count(relative)) << relative << " is not drawn by the drawing program";
            EXPECT_EQ(read_file(entry.path()), drawn[relative]) << relative << ": run scripts/draw-pictures";
            ++committed;
        }
    }
    EXPECT_EQ(committed, drawn.size()) << "run scripts/draw-pictures and commit the result";
}

TEST(Generator, FramePiecesJoinIntoOneFrameAtEveryFieldSize) {
    const tw::drawing::FramePieces pieces = tw::drawing::frame_pieces();
    for (int across = 5; across <= 40; ++across) {
        for (int down : {1, 2, 16, 24}) {
            SCOPED_TRACE(std::to_string(across) + " x " + std::to_string(down));
            EXPECT_EQ(tw::drawing::assemble_frame(pieces, across, down), tw::drawing::frame_model(across, down));
        }
    }
}

QImage bitmap(int number) { return QImage(QString(":/bitmaps/%1.bmp").arg(number)); }

// Each number in its ink on the opened cell's face; opened cells keep the blank cell's dotted edge.
TEST(ResourcePictures, NumbersUseTheirColoursOnTheOpenedCellFace) {
    const QRgb silver = qRgb(192, 192, 192);
    const QRgb black = qRgb(0, 0, 0);
    const QList<QRgb> inks{qRgb(0, 0, 255), qRgb(0, 128, 0), qRgb(255, 0, 0), qRgb(0, 0, 128),
                           qRgb(128, 0, 0), qRgb(0, 128, 128), qRgb(128, 0, 128)};
    const QImage blank = bitmap(300);
    EXPECT_EQ(colours(blank), (QSet<QRgb>{silver, black}));
    for (int n = 1; n <= 24; ++n) {
        EXPECT_EQ(colours(bitmap(300 + n)), (QSet<QRgb>{silver, black, n <= 7 ? inks[n - 1] : black})) << n;
        EXPECT_NE(bitmap(300 + n), blank) << "number " << n << " is drawn";
    }
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
