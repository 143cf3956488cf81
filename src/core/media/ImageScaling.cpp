// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/media/ImageScaling.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <libyuv/planar_functions.h>
#include <libyuv/scale_rgb.h>
#include <vector>

namespace qv {

Image scaledToFit(const Image& image, int maxLongerSide) {
    const int longer = std::max(image.width(), image.height());
    if (image.isNull() || maxLongerSide <= 0 || longer <= maxLongerSide) {
        return image;
    }
    const double scale = static_cast<double>(maxLongerSide) / longer;
    const int width = std::max(1, static_cast<int>(std::lround(image.width() * scale)));
    const int height = std::max(1, static_cast<int>(std::lround(image.height() * scale)));
    Image result(width, height,
                 QByteArray(static_cast<qsizetype>(width) * height * 3, Qt::Uninitialized));
    // The three bytes of a pixel are scaled alike, so the order of the channels is no matter.
    libyuv::RGBScale(image.row(0), image.width() * 3, image.width(), image.height(), result.row(0),
                     width * 3, width, height, libyuv::kFilterBox);
    return result;
}

void mirrorHorizontally(Image& image) {
    const auto rowBytes = static_cast<std::size_t>(image.width()) * 3;
    std::vector<std::uint8_t> mirrored(rowBytes);
    for (int y = 0; y < image.height(); ++y) {
        libyuv::RGB24Mirror(image.row(y), static_cast<int>(rowBytes), mirrored.data(),
                            static_cast<int>(rowBytes), image.width(), 1);
        std::memcpy(image.row(y), mirrored.data(), rowBytes);
    }
}

} // namespace qv
