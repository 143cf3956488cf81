// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/Result.h"
#include "core/media/Image.h"

#include <functional>
#include <gst/gst.h>
#include <memory>

namespace qv {

// The raw layouts the conversion reads directly, and motion JPEG: the caps a decoded video's
// sink takes. The decoder's own layout is kept where it is one of them, so a frame that is
// never analysed is never converted.
extern const char* const deliveredFormats;

// Motion JPEG holds every frame as a picture of its own, so its frames are handed out still
// compressed and decoded only when their picture is asked for: a break analyses about a third
// of a 30 fps camera's frames, and decoding the others cost more than converting the ones
// analysed. It is what cameras record, and they tag no orientation; a single picture (no
// frame rate), which may be tagged, is decoded and turned upright as before.
bool isMotionJpeg(const GstCaps* caps);

// How to get the picture of a sample, shrunk as convertToRgb shrinks it, when it is asked
// for; empty when the sample's format cannot be read. The reader holds the sample.
struct SamplePicture {
    std::function<Result<Image>(int shrink)> read;
    int width = 0;
    int height = 0;
};
SamplePicture pictureReader(std::shared_ptr<GstSample> sample);

} // namespace qv
