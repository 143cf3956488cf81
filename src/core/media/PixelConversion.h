// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/Result.h"
#include "core/media/Image.h"

#include <QString>
#include <array>
#include <cstdint>

namespace qv {

// Pixel layouts that cameras and decoders hand out. Four-byte layouts name their bytes in
// memory order; the "x" byte (padding or alpha) is ignored.
enum class PixelLayout {
    rgb24,
    bgr24,
    rgbx32,
    bgrx32,
    xrgb32,
    xbgr32,
    grey8,
    yuyv, // packed 4:2:2, Y0 U Y1 V
    uyvy, // packed 4:2:2, U Y0 V Y1
    nv12, // Y plane, then interleaved U V at half size
    nv21, // Y plane, then interleaved V U at half size
    i420, // Y, U, V planes, chroma at half size
    yv12, // Y, V, U planes, chroma at half size
    i422, // Y, U, V planes, chroma at half width (what most MJPEG webcams decode to)
    // One JPEG picture as a motion-JPEG camera or file holds it (plane 0 is the compressed
    // bytes). It is decoded only when converted, so the frames nobody analyses cost nothing;
    // the picture's own colour rules apply whatever matrix and range say.
    mjpeg,
};

// How luma and chroma map to RGB, for the YUV layouts.
enum class YuvMatrix { bt601, bt709 };
enum class YuvRange { limited, full };

struct PixelPlane {
    const std::uint8_t* data = nullptr;
    qsizetype bytesPerLine = 0;
    qsizetype size = 0; // bytes that may be read from data
};

// One frame's pixels as the producer holds them; the planes are borrowed, not copied.
struct PixelBuffer {
    PixelLayout layout = PixelLayout::rgb24;
    int width = 0;
    int height = 0;
    std::array<PixelPlane, 3> planes{};
    YuvMatrix matrix = YuvMatrix::bt601;
    YuvRange range = YuvRange::limited;
};

// The largest frame a camera delivers: 4K, landscape or portrait. A larger one is no camera's
// and is refused rather than decoded, so a hostile file costs no more memory than a camera.
constexpr int largestCameraSide = 4096;
constexpr qint64 largestCameraPixels = qint64(4096) * 2160;
bool isCameraSized(qint64 width, qint64 height);
// Why a frame of this size is refused, for the person who chose it.
QString tooLargeForACamera(qint64 width, qint64 height);

int planeCount(PixelLayout layout);
QString layoutName(PixelLayout layout);

// Converts to packed RGB (with libyuv's SIMD converters). Every plane is checked against its
// size first, so a short or inconsistent buffer fails instead of reading past its end; a JPEG
// picture must decode, whole, to the stated size; a frame larger than a camera's is refused.
//
// shrink (1, 2, 4 or 8) asks for a picture that many times smaller on each side (rounded up),
// each pixel the mean of those it stands for: JPEG pictures are decoded at that size and YUV
// planes are scaled before their colours are converted, so a smaller picture costs less than
// the whole one. Packed RGB and grey frames, which have nothing to save, come whole.
Result<Image> convertToRgb(const PixelBuffer& buffer, int shrink = 1);

// The sides of a frame shrunk as convertToRgb shrinks it.
int shrunkSide(int side, int shrink);

} // namespace qv
