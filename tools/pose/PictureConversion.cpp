// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureConversion.h"

#include <cstring>

namespace qv::tools {

Image toImage(const QImage& picture) {
    if (picture.isNull()) {
        return {};
    }
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    Image image(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        // Qt pads each row to four bytes; the engine's rows are packed.
        std::memcpy(image.row(y), rgb.constScanLine(y), static_cast<std::size_t>(rgb.width()) * 3);
    }
    return image;
}

} // namespace qv::tools
