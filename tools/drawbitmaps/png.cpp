// SPDX-License-Identifier: GPL-3.0-or-later
#include "png.h"

#include <QBuffer>
#include <QImage>

#include <stdexcept>

namespace tw::drawing {

Bytes encode_png(const IconImage& image) {
    const Canvas& canvas = image.pixels;
    constexpr int transparent_index = 16;
    QImage indexed(canvas.width(), canvas.height(), QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (const Rgb& c : palette) colours.append(qRgb(c.r, c.g, c.b));
    colours.append(qRgba(0, 0, 0, 0));
    indexed.setColorTable(colours);
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            indexed.setPixel(x, y, image.is_opaque(x, y) ? static_cast<uint>(canvas.at(x, y)) : transparent_index);
        }
    }
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    if (!indexed.save(&buffer, "PNG")) throw std::runtime_error("cannot encode a PNG");
    return Bytes(encoded.begin(), encoded.end());
}

}  // namespace tw::drawing
