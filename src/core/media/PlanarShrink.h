// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/media/Image.h"
#include "core/media/PixelConversion.h"

namespace libyuv {
struct YuvConstants;
}

namespace qv {

// Whether shrinkYuvToRgb takes the layout: the YUV ones, whose planes can be scaled apart.
bool isShrinkableYuv(PixelLayout layout);

// Converts a checked YUV buffer to RGB at the smaller size of `out`: the planes are
// box-filtered down first, so the colour conversion, the largest part of the work, runs on
// the smaller picture only. `constants` are libyuv's for the buffer's matrix and range, with
// U and V swapped (its RGB24 is blue first).
void shrinkYuvToRgb(const PixelBuffer& buffer, const libyuv::YuvConstants* constants, Image& out);

} // namespace qv
