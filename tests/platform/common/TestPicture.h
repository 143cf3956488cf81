// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace qv::test {

// Six by four pixels, every one different: red rises to the right, green downwards.
inline QImage testPicture() {
    QImage picture(6, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            picture.setPixel(x, y, qRgb(40 * x, 60 * y, 255 - 40 * x));
        }
    }
    return picture;
}

} // namespace qv::test
