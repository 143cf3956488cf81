// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/media/Image.h"

namespace qv {

Image::Image(int width, int height)
    : Image(
          width, height,
          QByteArray(static_cast<qsizetype>(std::max(0, width)) * std::max(0, height) * 3, '\0')) {}

Image::Image(int width, int height, QByteArray rgb)
    : width_(width)
    , height_(height)
    , rgb_(std::move(rgb)) {
    // A buffer that does not match its size would let a reader run off its end.
    if (width_ <= 0 || height_ <= 0 ||
        rgb_.size() != static_cast<qsizetype>(width_) * height_ * 3) {
        width_ = 0;
        height_ = 0;
        rgb_.clear();
    }
}

const std::uint8_t* Image::row(int y) const {
    return reinterpret_cast<const std::uint8_t*>(rgb_.constData()) +
           static_cast<qsizetype>(y) * width_ * 3;
}

std::uint8_t* Image::row(int y) {
    return reinterpret_cast<std::uint8_t*>(rgb_.data()) + static_cast<qsizetype>(y) * width_ * 3;
}

} // namespace qv
