// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/media/PlanarShrink.h"

#include <libyuv/convert.h>
#include <libyuv/convert_argb.h>
#include <libyuv/planar_functions.h>
#include <libyuv/scale.h>
#include <vector>

namespace qv {

namespace {

struct PlaneView {
    const std::uint8_t* data = nullptr;
    int stride = 0;
    int width = 0;
    int height = 0;
};

// Luma and both chroma planes, chroma at half width and full or half height.
struct Planar {
    PlaneView y, u, v;
};

int halfUp(int value) {
    return (value + 1) / 2;
}

int stride(const PixelPlane& plane) {
    return static_cast<int>(plane.bytesPerLine);
}

// Scratch memory of the thread that converts: a camera's frames are all of one size, so after
// the first frame no conversion asks the system for fresh pages.
std::vector<std::uint8_t>& scratch(int which) {
    thread_local std::vector<std::uint8_t> buffers[2];
    return buffers[which];
}

std::uint8_t* reserve(int which, std::size_t bytes) {
    std::vector<std::uint8_t>& buffer = scratch(which);
    if (buffer.size() < bytes) {
        buffer.resize(bytes);
    }
    return buffer.data();
}

// The buffer's planes as they are where it has three, else split into scratch memory.
Planar planarOf(const PixelBuffer& b) {
    const auto& p = b.planes;
    const int w = b.width;
    const int h = b.height;
    const int cw = halfUp(w);
    const int ch = halfUp(h);
    switch (b.layout) {
    case PixelLayout::i420:
        return {{p[0].data, stride(p[0]), w, h},
                {p[1].data, stride(p[1]), cw, ch},
                {p[2].data, stride(p[2]), cw, ch}};
    case PixelLayout::yv12:
        return {{p[0].data, stride(p[0]), w, h},
                {p[2].data, stride(p[2]), cw, ch},
                {p[1].data, stride(p[1]), cw, ch}};
    case PixelLayout::i422:
        return {{p[0].data, stride(p[0]), w, h},
                {p[1].data, stride(p[1]), cw, h},
                {p[2].data, stride(p[2]), cw, h}};
    case PixelLayout::yuyv:
    case PixelLayout::uyvy: {
        const std::size_t lumaBytes = static_cast<std::size_t>(w) * h;
        const std::size_t chromaBytes = static_cast<std::size_t>(cw) * h;
        std::uint8_t* y = reserve(0, lumaBytes + 2 * chromaBytes);
        std::uint8_t* u = y + lumaBytes;
        std::uint8_t* v = u + chromaBytes;
        const auto split = b.layout == PixelLayout::yuyv ? libyuv::YUY2ToI422 : libyuv::UYVYToI422;
        split(p[0].data, stride(p[0]), y, w, u, cw, v, cw, w, h);
        return {{y, w, w, h}, {u, cw, cw, h}, {v, cw, cw, h}};
    }
    case PixelLayout::nv12:
    case PixelLayout::nv21: {
        const std::size_t chromaBytes = static_cast<std::size_t>(cw) * ch;
        std::uint8_t* u = reserve(0, 2 * chromaBytes);
        std::uint8_t* v = u + chromaBytes;
        if (b.layout == PixelLayout::nv12) {
            libyuv::SplitUVPlane(p[1].data, stride(p[1]), u, cw, v, cw, cw, ch);
        } else {
            libyuv::SplitUVPlane(p[1].data, stride(p[1]), v, cw, u, cw, cw, ch);
        }
        return {{p[0].data, stride(p[0]), w, h}, {u, cw, cw, ch}, {v, cw, cw, ch}};
    }
    default:
        return {};
    }
}

void scale(const PlaneView& from, std::uint8_t* to, int width, int height) {
    libyuv::ScalePlane(from.data, from.stride, from.width, from.height, to, width, width, height,
                       libyuv::kFilterBox);
}

// A packed 4:2:2 frame that the shrink divides evenly is converted a strip of `shrink` rows at
// a time, each strip into one row of `out`, so that the frame-sized planes of the general way
// are never written and read back: for a 720p frame that is 1.8 MB on every analysed frame.
// The chroma of the strip's row pairs is averaged by the split itself, as the box would.
bool shrinkPackedByStrips(const PixelBuffer& b, const libyuv::YuvConstants* constants, Image& out) {
    const int w = b.width;
    const int ow = out.width();
    const int shrink = ow > 0 ? w / ow : 0;
    const bool isPacked = b.layout == PixelLayout::yuyv || b.layout == PixelLayout::uyvy;
    if (!isPacked || shrink < 2 || ow * shrink != w || out.height() * shrink != b.height ||
        w % (2 * shrink) != 0) {
        return false;
    }
    const int cw = w / 2;
    const int chromaRows = shrink / 2; // the split halves the chroma's rows already
    const std::size_t lumaBytes = static_cast<std::size_t>(w) * shrink;
    const std::size_t chromaBytes = static_cast<std::size_t>(cw) * chromaRows;
    std::uint8_t* y = reserve(0, lumaBytes + 2 * chromaBytes);
    std::uint8_t* u = y + lumaBytes;
    std::uint8_t* v = u + chromaBytes;
    std::uint8_t* smallY = reserve(1, 3 * static_cast<std::size_t>(ow));
    std::uint8_t* smallU = smallY + ow;
    std::uint8_t* smallV = smallU + ow;
    // Halved, a strip's chroma already is one row of the picture's width.
    const bool isChromaScaled = chromaRows > 1;
    const auto split = b.layout == PixelLayout::yuyv ? libyuv::YUY2ToI420 : libyuv::UYVYToI420;
    const PixelPlane& source = b.planes[0];
    for (int row = 0; row < out.height(); ++row) {
        split(source.data + static_cast<qsizetype>(row) * shrink * source.bytesPerLine,
              stride(source), y, w, u, cw, v, cw, w, shrink);
        scale({y, w, w, shrink}, smallY, ow, 1);
        if (isChromaScaled) {
            scale({u, cw, cw, chromaRows}, smallU, ow, 1);
            scale({v, cw, cw, chromaRows}, smallV, ow, 1);
        }
        libyuv::I444ToRGB24Matrix(smallY, ow, isChromaScaled ? smallV : v, ow,
                                  isChromaScaled ? smallU : u, ow, out.row(row), ow * 3, constants,
                                  ow, 1);
    }
    return true;
}

} // namespace

bool isShrinkableYuv(PixelLayout layout) {
    switch (layout) {
    case PixelLayout::yuyv:
    case PixelLayout::uyvy:
    case PixelLayout::nv12:
    case PixelLayout::nv21:
    case PixelLayout::i420:
    case PixelLayout::yv12:
    case PixelLayout::i422:
        return true;
    default:
        return false;
    }
}

void shrinkYuvToRgb(const PixelBuffer& buffer, const libyuv::YuvConstants* constants, Image& out) {
    if (shrinkPackedByStrips(buffer, constants, out)) {
        return;
    }
    const Planar planar = planarOf(buffer);
    const int w = out.width();
    const int h = out.height();
    // Chroma is scaled to the smaller picture's full size (4:4:4): halved once more it would
    // spread each colour over four of the smaller picture's pixels, sixteen of the frame's.
    const std::size_t planeBytes = static_cast<std::size_t>(w) * h;
    std::uint8_t* y = reserve(1, 3 * planeBytes);
    std::uint8_t* u = y + planeBytes;
    std::uint8_t* v = u + planeBytes;
    scale(planar.y, y, w, h);
    scale(planar.u, u, w, h);
    scale(planar.v, v, w, h);
    libyuv::I444ToRGB24Matrix(y, w, v, w, u, w, out.row(0), w * 3, constants, w, h);
}

} // namespace qv
