// SPDX-License-Identifier: GPL-3.0-or-later
// The committed pictures: their file format, that the drawing program reproduces them, and how
// they look once loaded.
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

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

constexpr std::array<std::array<std::uint8_t, 3>, 16> standard_palette{{
    {0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0}, {0, 0, 128}, {128, 0, 128}, {0, 128, 128},
    {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0}, {0, 0, 255},
    {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
}};

// Checks a BITMAPINFOHEADER with its palette at `at` and returns the size of the pixel rows.
std::uint32_t expect_4bit_header(const Bytes& b, std::size_t at, int width, int height) {
    EXPECT_EQ(le32(b, at), 40u);
    EXPECT_EQ(le32(b, at + 4), static_cast<std::uint32_t>(width));
    EXPECT_EQ(le32(b, at + 8), static_cast<std::uint32_t>(height));
    EXPECT_EQ(le16(b, at + 12), 1u) << "planes";
    EXPECT_EQ(le16(b, at + 14), 4u) << "bits per pixel";
    EXPECT_EQ(le32(b, at + 16), 0u) << "BI_RGB";
    for (std::size_t i = 0; i < 16; ++i) {
        const std::size_t entry = at + 40 + 4 * i;
        EXPECT_EQ((std::array<std::uint8_t, 3>{b.at(entry + 2), b.at(entry + 1), b.at(entry)}), standard_palette[i])
            << "palette entry " << i;
    }
    return static_cast<std::uint32_t>((width * 4 + 31) / 32 * 4 * height);
}

TEST(BitmapFiles, EveryBitmapIsAn4BitUncompressedBmpOfItsCatalogueSize) {
    for (const auto& expected : tw::pictures::kCatalogue) {
        SCOPED_TRACE("bitmap " + std::to_string(expected.number));
        const Bytes b = read_file(resources / "bitmaps" / (std::to_string(expected.number) + ".bmp"));
        ASSERT_GE(b.size(), 14u + 40u + 64u);
        EXPECT_EQ(std::string(b.begin(), b.begin() + 2), "BM");
        EXPECT_EQ(le32(b, 2), b.size());
        EXPECT_EQ(le32(b, 10), 14u + 40u + 64u) << "pixels follow the palette";
        const std::uint32_t rows = expect_4bit_header(b, 14, expected.size.width, expected.size.height);
        EXPECT_EQ(b.size(), 14u + 40u + 64u + rows);
    }
}

TEST(BitmapFiles, WindowIconHolds16And32Pixel4BitImagesWithMasks) {
    const Bytes b = read_file(resources / "icons" / "tilewarden.ico");
    ASSERT_GE(b.size(), 6u + 2 * 16u);
    EXPECT_EQ(le16(b, 0), 0u);
    EXPECT_EQ(le16(b, 2), 1u) << "icon, not cursor";
    ASSERT_EQ(le16(b, 4), 2u);
    std::vector<int> sizes;
    for (std::size_t i = 0; i < 2; ++i) {
        const std::size_t entry = 6 + 16 * i;
        const int size = b.at(entry);
        sizes.push_back(size);
        SCOPED_TRACE("icon " + std::to_string(size));
        EXPECT_EQ(b.at(entry + 1), size);
        EXPECT_EQ(b.at(entry + 2), 16) << "colour count";
        EXPECT_EQ(le16(b, entry + 6), 4u) << "bits per pixel";
        const std::uint32_t length = le32(b, entry + 8);
        const std::uint32_t offset = le32(b, entry + 12);
        ASSERT_LE(offset + length, b.size());
        const std::uint32_t colours = expect_4bit_header(b, offset, size, 2 * size);
        const std::uint32_t mask = static_cast<std::uint32_t>((size + 31) / 32 * 4 * size);
        EXPECT_EQ(length, 40u + 64u + colours / 2 + mask);
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16, 32}));
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
