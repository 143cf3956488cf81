// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the frame conversion as a camera or a video file would hand them
// over: the first bytes choose the layout, the stated size and the row length, the rest are
// the pixels (one plane, or three equal parts). Beyond sanitizer reports (a read past what
// was handed over is the fault to find) it checks that a converted picture has the stated
// size, or that size shrunk where the top bits of the first byte ask for a smaller picture.
#include "FuzzRequire.h"
#include "core/media/PixelConversion.h"

#include <cstdint>

using qv::fuzz::require;

namespace {

constexpr std::size_t headerBytes = 6;
constexpr int layoutCount = static_cast<int>(qv::PixelLayout::mjpeg) + 1;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < headerBytes) {
        return 0;
    }
    qv::PixelBuffer frame;
    frame.layout = static_cast<qv::PixelLayout>((data[0] & 0x3f) % layoutCount);
    const int shrink = 1 << (data[0] >> 6); // 1, 2, 4 or 8
    frame.width = (data[1] | data[2] << 8) % 2048;
    frame.height = (data[3] | data[4] << 8) % 2048;
    const std::uint8_t* pixels = data + headerBytes;
    const auto bytes = static_cast<qsizetype>(size - headerBytes);
    const qsizetype rowBytes = qsizetype(data[5]) * 4;
    const int planes = qv::planeCount(frame.layout);
    const qsizetype planeBytes = bytes / planes;
    for (int i = 0; i < planes; ++i) {
        frame.planes[static_cast<std::size_t>(i)] = {pixels + i * planeBytes, rowBytes, planeBytes};
    }
    const qv::Result<qv::Image> picture = qv::convertToRgb(frame, shrink);
    if (picture) {
        const bool isWhole = picture->width() == frame.width && picture->height() == frame.height;
        const bool isShrunk = picture->width() == qv::shrunkSide(frame.width, shrink) &&
                              picture->height() == qv::shrunkSide(frame.height, shrink);
        require(isWhole || isShrunk);
    } else {
        require(!picture.error().isEmpty());
    }
    return 0;
}
