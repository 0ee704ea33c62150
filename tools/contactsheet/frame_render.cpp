// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame_render.h"

#include <QPainter>

#include <array>

#include "resources/catalogue.h"
#include "toolkit/design.h"

namespace {

using namespace tw::pictures;

QImage bitmap(int number) { return QImage(QString(":/bitmaps/%1.bmp").arg(number)); }

// A field half opened from the top left, with numbers up to 24, flags and question marks.
int cell_picture(int x, int y, int across) {
    if (x + 2 * y < across / 2 + 2) {
        if (y == 0) return openedCell((x * 5) % 25);
        return openedCell((x + y) % 3 == 0 ? 0 : 1 + (x * 3 + y * 7) % 24);
    }
    constexpr std::array<int, 12> covered{kCovered, kCovered, kFlag, kCovered, kQuestion, kCovered,
                                           kCovered, kQuestionPressed, kCovered, kMine, kFatalMine, kWrongFlag};
    return covered[static_cast<std::size_t>(x * 5 + y * 3) % covered.size()];
}

void draw_counter(QPainter& painter, int across, bool mines, int value) {
    const tw::Rect frame = tw::framePlace(tw::Elem::FrameN, mines ? 0 : 1, across, 0);
    painter.drawImage(frame.left, frame.top, bitmap(kCounterBack));
    const QString digits = value < 0 ? QString("-%1").arg(-value, 2, 10, QChar('0'))
                                     : QString("%1").arg(value, 3, 10, QChar('0'));
    for (int k = 0; k < 3; ++k) {
        const QChar c = digits[k];
        const tw::Rect at = tw::digitPlace(across, mines, k);
        painter.drawImage(at.left, at.top, bitmap(c == '-' ? kMinus : digit(c.digitValue())));
    }
}

}  // namespace

QImage render_window(int across, int down, int face) {
    QImage window(tw::kCellSize * across + tw::kAroundFieldWidth, tw::kCellSize * down + tw::kAroundFieldHeight,
                  QImage::Format_RGB32);
    window.fill(Qt::magenta);
    QPainter painter(&window);
    for (const tw::DesignElement& piece : tw::kForm1Design) {
        if (piece.elem == tw::Elem::Smile || piece.elem == tw::Elem::Box || piece.elem == tw::Elem::FrameN) continue;
        const tw::Rect at = tw::framePlace(piece.elem, piece.index, across, down);
        painter.drawImage(QRect(at.left, at.top, at.width, at.height), bitmap(piece.picture));
    }
    draw_counter(painter, across, true, across == 5 ? -7 : 10 * across);
    draw_counter(painter, across, false, 123);
    const QImage faceimage = bitmap(face);
    painter.drawImage(tw::faceLeft(across, faceimage.width()), tw::kCounterTop, faceimage);
    for (int y = 0; y < down; ++y) {
        for (int x = 0; x < across; ++x) {
            const tw::Rect at = tw::cellPlace(x, y);
            painter.drawImage(at.left, at.top, bitmap(cell_picture(x, y, across)));
        }
    }
    return window;
}

QImage frame_sheet() {
    constexpr std::array<int, 5> widths{5, 8, 16, 30, 37};
    constexpr std::array<int, 5> faces{kBuiltInFace, kFacePressed, kSurprised, kDead, kCool};
    constexpr int down = 4;
    constexpr int gap = 20;
    std::array<QImage, widths.size()> windows;
    int sheet_width = 0;
    int sheet_height = gap;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        windows[i] = render_window(widths[i], down, faces[i]);
        sheet_width = std::max(sheet_width, gap + windows[i].width() * 4 + 2 * gap);
        sheet_height += windows[i].height() * 3 + gap;
    }
    QImage sheet(sheet_width, sheet_height, QImage::Format_RGB32);
    sheet.fill(QColor(52, 60, 72));
    QPainter painter(&sheet);
    int y = gap;
    for (const QImage& window : windows) {
        painter.drawImage(gap, y, window);
        painter.drawImage(2 * gap + window.width(), y,
                          window.scaled(window.size() * 3));
        y += window.height() * 3 + gap;
    }
    return sheet;
}
