// SPDX-License-Identifier: GPL-3.0-or-later
#include "contact_sheet.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include <vector>

namespace {

constexpr int zoom = 4;
constexpr int gap = 16;
constexpr int label_height = 18;
constexpr int sheet_width = 1500;
const QColor backdrop(52, 60, 72);

struct Tile {
    QString label;
    QImage image;
    int group;
};

std::vector<Tile> tiles() {
    std::vector<Tile> out;
    const QDir bitmaps(":/bitmaps");
    for (const QString& name : bitmaps.entryList(QDir::Files, QDir::Name)) {
        const QImage image(bitmaps.filePath(name));
        const QString number = QFileInfo(name).baseName();
        // scaled() keeps every pixel a sharp block unless asked to smooth.
        out.push_back({number, image.scaled(image.size() * zoom), number.toInt() / 100});
    }
    for (int size : {16, 32, 48, 64, 128, 256})
        out.push_back({QString("icon %1").arg(size), QImage(QString(":/icons/tilewarden-%1.png").arg(size)), 9});
    return out;
}

}  // namespace

QImage contact_sheet() {
    const std::vector<Tile> all = tiles();
    struct Placed {
        const Tile* tile;
        QPoint at;
    };
    std::vector<Placed> placed;
    int x = gap;
    int y = gap;
    int row_height = 0;
    int group = -1;
    for (const Tile& tile : all) {
        const int width = std::max(tile.image.width(), 60);
        if (group != -1 && (tile.group != group || x + width > sheet_width)) {
            x = gap;
            y += row_height + label_height + gap;
            row_height = 0;
        }
        group = tile.group;
        placed.push_back({&tile, QPoint(x, y)});
        x += width + gap;
        row_height = std::max(row_height, tile.image.height());
    }
    QImage sheet(sheet_width, y + row_height + label_height + gap, QImage::Format_RGB32);
    sheet.fill(backdrop);
    QPainter painter(&sheet);
    painter.setPen(Qt::white);
    for (const Placed& p : placed) {
        painter.drawImage(p.at, p.tile->image);
        painter.drawText(QRect(p.at.x(), p.at.y() + p.tile->image.height() + 2, 200, label_height),
                         Qt::AlignLeft | Qt::AlignTop, p.tile->label);
    }
    return sheet;
}
