// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <cstdint>

namespace qv {

// A picture as the core sees it: tightly packed 8-bit RGB rows, top row first. The core has
// no GUI library, so camera frames and previews travel in this form; the views turn it into
// their own image type.
class Image {
public:
    Image() = default;
    Image(int width, int height); // black
    Image(int width, int height, QByteArray rgb);

    int width() const { return width_; }
    int height() const { return height_; }
    bool isNull() const { return width_ <= 0 || height_ <= 0; }
    const QByteArray& rgb() const { return rgb_; }
    QByteArray& rgb() { return rgb_; }
    const std::uint8_t* row(int y) const;
    std::uint8_t* row(int y);

    bool operator==(const Image&) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    QByteArray rgb_;
};

} // namespace qv
