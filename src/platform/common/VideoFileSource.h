// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/FrameSource.h"

#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace qv {

struct VideoFileOptions {
    enum class Pace {
        // Frames come at the file's own rate, stamped with the clock, as a camera's would.
        realTime,
        // The next frame is decoded as soon as the consumer has let go of the previous one,
        // and is stamped with its position in the file (plus timestampOrigin), so the
        // consumer sees the file's timing however fast or slow it runs.
        asConsumed,
    };
    Pace pace = Pace::realTime;
    std::function<double()> clock; // monotonic seconds, thread-safe; for realTime
    double timestampOrigin = 0;    // for asConsumed
    // Called on the decoding thread with each frame's timestamp just before the frame.
    std::function<void(double)> onFrameTimestamp;
    // Called on the decoding thread once the last frame has been delivered (and, when
    // paced by the consumer, let go of).
    std::function<void()> onFinished;
};

// Decodes a video file (anything GStreamer can play) and delivers its pictures as a camera
// would deliver frames. The pictures are upright (orientation tags are applied); each stays in
// the decoder's layout until its picture is asked for, as a camera's frame does, so the
// frames a consumer drops cost no conversion (and motion JPEG's no decoding).
class VideoFileSource final : public FrameSource {
public:
    VideoFileSource(QString path, VideoFileOptions options);
    ~VideoFileSource() override;

    Status start(FrameSourceCallbacks callbacks) override;
    void stop() override;

private:
    struct Pipeline;
    struct Gate;

    void run(FrameSourceCallbacks callbacks);
    bool deliverNext(const FrameSourceCallbacks& callbacks);

    QString path_;
    VideoFileOptions options_;
    std::unique_ptr<Pipeline> pipeline_;
    std::shared_ptr<Gate> gate_;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

} // namespace qv
