// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClipFrame.h"

#include "platform/common/VideoFileSource.h"
#include "pose/CameraPoseDetector.h"

#include <condition_variable>
#include <mutex>

namespace qv::gallery {

namespace {
// As large as the camera card on a 1920x1080 screen needs.
constexpr int previewSide = 960;
} // namespace

ClipFrame analyseClipFrame(const QString& videoPath, double atSeconds) {
    PoseDetectorLoad load = loadCameraPoseDetector();
    if (!load) {
        return {std::nullopt, load.error()};
    }
    PoseDetector& detector = **load;
    SubjectTracker tracker;
    SubjectFollower follower;
    std::mutex mutex;
    std::condition_variable done;
    ClipFrame result;
    bool isDone = false;
    const auto finish = [&](const QString& error) {
        std::lock_guard lock(mutex);
        if (!isDone && result.error.isEmpty()) {
            result.error = error;
        }
        isDone = true;
        done.notify_all();
    };

    VideoFileOptions options;
    options.pace = VideoFileOptions::Pace::asConsumed;
    options.onFinished = [&] {
        finish(QStringLiteral("the video ends before %1 s").arg(atSeconds));
    };
    FrameSourceCallbacks callbacks;
    callbacks.onError = finish;
    callbacks.onFrame = [&](const Frame& frame) {
        {
            std::lock_guard lock(mutex);
            if (isDone) {
                return;
            }
        }
        // Every frame goes through the tracker, so it follows the person as a break would.
        if (frame.capturedAt + 0.5 < atSeconds) {
            return;
        }
        Result<Image> picture = frame.picture();
        if (!picture) {
            finish(picture.error());
            return;
        }
        AnalysedFrame analysed =
            FrameAnalysis::analyse(std::move(*picture), 1, false, frame.capturedAt, previewSide,
                                   detector, tracker, follower);
        if (frame.capturedAt >= atSeconds) {
            std::lock_guard lock(mutex);
            result.frame = std::move(analysed);
            isDone = true;
            done.notify_all();
        }
    };
    VideoFileSource source(videoPath, options);
    if (const Status started = source.start(callbacks); !started) {
        return {std::nullopt, started.error()};
    }
    {
        std::unique_lock lock(mutex);
        done.wait(lock, [&] { return isDone; });
    }
    source.stop();
    return result;
}

} // namespace qv::gallery
