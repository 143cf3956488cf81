// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/media/PixelConversion.h"

#include <functional>
#include <memory>

namespace qv {

// One picture from a camera or a stand-in for one.
//
// The pixels stay in the producer's layout until someone asks for them: a camera delivers
// more frames than are analysed, and converting the ones that are dropped would waste the
// processor time that the analysis needs.
struct Frame {
    // Monotonic seconds (the clock of the time source) at which the frame was captured.
    double capturedAt = 0;
    // The picture as RGB, or why it cannot be had. Safe to call on any thread, once.
    std::function<Result<Image>()> picture;
    // Whoever holds a copy of this holds the frame. A source that waits for its consumer
    // produces the next frame only once every copy is gone.
    std::shared_ptr<const void> hold;
    // Instead of picture: the picture shrunk (see convertToRgb) for less than the whole one
    // costs, for an analysis that samples it down anyway. Empty where the producer cannot
    // shrink; width and height (the frame's own) are then 0 too.
    std::function<Result<Image>(int shrink)> shrunkPicture{};
    int width = 0;
    int height = 0;

    static Frame fromImage(Image image, double capturedAt) {
        Frame frame;
        frame.capturedAt = capturedAt;
        frame.picture = [image = std::move(image)]() -> Result<Image> { return image; };
        return frame;
    }
};

} // namespace qv
