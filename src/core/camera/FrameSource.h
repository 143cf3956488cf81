// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/Result.h"
#include "core/camera/Frame.h"

#include <QString>
#include <functional>

namespace qv {

// What a frame source tells its consumer. Any of these may be called on any thread (usually
// the source's own); the consumer hops to where it wants to be.
struct FrameSourceCallbacks {
    std::function<void(Frame)> onFrame;
    // The source broke down while running; the text is the user-facing reason.
    std::function<void(const QString&)> onError;
    // The source paused without breaking (the device was taken away for a while) and
    // resumed again.
    std::function<void(const QString&)> onInterrupted;
    std::function<void()> onInterruptionEnded;
};

// Something that produces frames as a camera does: a real camera, a video file played as
// if it were one, a still image.
class FrameSource {
public:
    virtual ~FrameSource() = default;

    // Begins producing frames, or says, for a user, why it could not.
    virtual Status start(FrameSourceCallbacks callbacks) = 0;
    // Stops producing frames; once it returns, no callback is running or will run.
    virtual void stop() = 0;
};

} // namespace qv
