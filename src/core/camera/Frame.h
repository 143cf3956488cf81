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

    static Frame fromImage(Image image, double capturedAt) {
        return {capturedAt, [image = std::move(image)]() -> Result<Image> { return image; }, {}};
    }
};

} // namespace qv
