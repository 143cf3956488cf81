// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/media/Image.h"

namespace qv {

// The image shrunk, keeping its proportions, so that its longer side is at most
// maxLongerSide pixels; an image that already fits is returned as it is. Each output pixel
// is the mean of the source pixels it covers (a box filter), so thin lines survive the
// reduction.
Image scaledToFit(const Image& image, int maxLongerSide);

// The picture flipped left to right, in place.
void mirrorHorizontally(Image& image);

} // namespace qv
