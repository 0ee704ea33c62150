// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/qt/pictures.h"

#include <QPainter>

#include "resources/catalogue.h"

namespace tw {

namespace {

// A missing picture shows as a loud magenta box of the catalogue's size, so it cannot go unnoticed.
QPixmap placeholder(int number) {
    const pictures::Size size = pictures::sizeOf(number).value_or(pictures::Size{16, 16});
    QPixmap pixmap(size.width, size.height);
    pixmap.fill(QColor(255, 0, 255));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, size.width - 1, size.height - 1);
    return pixmap;
}

}  // namespace

const QPixmap& Pictures::bitmap(int number) {
    auto found = cache_.find(number);
    if (found != cache_.end()) return found->second;
    QPixmap pixmap(QStringLiteral(":/bitmaps/%1.bmp").arg(number));
    if (pixmap.isNull()) pixmap = placeholder(number);
    return cache_.emplace(number, std::move(pixmap)).first->second;
}

}  // namespace tw
