// SPDX-License-Identifier: GPL-3.0-or-later
#include "VideoPoseRecorder.h"

#include "core/verification/DetectedPoseConversion.h"
#include "platform/common/VideoFileSource.h"

#include <condition_variable>
#include <mutex>
#include <optional>

namespace qv {

namespace {

// The outcome of a run, set once from the decoding thread and awaited by the caller.
class Completion {
public:
    void finish(Status outcome) {
        std::lock_guard lock(mutex_);
        if (!isFinished_) {
            outcome_ = std::move(outcome);
            isFinished_ = true;
        }
        finished_.notify_all();
    }
    Status wait() {
        std::unique_lock lock(mutex_);
        finished_.wait(lock, [this] { return isFinished_; });
        return outcome_;
    }

private:
    std::mutex mutex_;
    std::condition_variable finished_;
    bool isFinished_ = false;
    Status outcome_;
};

} // namespace

VideoPoseRecorder::VideoPoseRecorder(PoseDetector& detector, double fps)
    : detector_(detector)
    , minimumInterval_(1.0 / fps) {}

Status VideoPoseRecorder::run(const QString& videoPath,
                              const std::function<bool(const PoseFrame&)>& onFrame) {
    Completion completion;
    std::optional<double> lastAnalysedAt;
    VideoFileOptions options;
    // Paced by the analysis: every frame is seen, however slow the detector.
    options.pace = VideoFileOptions::Pace::asConsumed;
    options.onFinished = [&] { completion.finish({}); };
    FrameSourceCallbacks callbacks;
    callbacks.onError = [&](const QString& error) { completion.finish(Failure{error}); };
    callbacks.onFrame = [&](const Frame& frame) {
        if (lastAnalysedAt && frame.capturedAt - *lastAnalysedAt < minimumInterval_ - 1e-6) {
            return;
        }
        lastAnalysedAt = frame.capturedAt;
        const Result<Image> picture = frame.picture();
        if (!picture) {
            completion.finish(Failure{picture.error()});
            return;
        }
        PoseFrame analysed{frame.capturedAt, {}};
        for (const DetectedPerson& person : detector_.detect(*picture)) {
            analysed.people.push_back(poseSnapshotFromDetectedPerson(&person, frame.capturedAt));
        }
        ++analysed_;
        if (!onFrame(analysed)) {
            completion.finish(
                Failure{QStringLiteral("the frame at %1 s was refused").arg(frame.capturedAt)});
        }
    };
    VideoFileSource source(videoPath, options);
    if (Status started = source.start(callbacks); !started) {
        return started;
    }
    Status outcome = completion.wait();
    source.stop();
    return outcome;
}

} // namespace qv
