// SPDX-License-Identifier: GPL-3.0-or-later
#include "CountRun.h"

#include "core/camera/CameraExerciseProvider.h"
#include "core/time/EventLoopTimeSource.h"
#include "core/time/VirtualTimeSource.h"
#include "core/verification/DetectedPoseConversion.h"
#include "core/verification/PoseStream.h"
#include "platform/common/VideoFileCameraBackend.h"
#include "pose/CameraPoseDetector.h"
#include "tools/common/OutputFile.h"
#include "tools/common/ToolOptions.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QTimer>
#include <climits>

namespace qv {

namespace {

// What a progress value says, as one JSON object stamped with seconds into the video.
struct EventDescriber {
    double at;
    QJsonObject operator()(const progress::Framing& p) const {
        return {{"t", at},
                {"event", "framing"},
                {"elapsed", p.elapsedSeconds},
                {"pose", p.pose.has_value() && !p.pose->isEmpty()}};
    }
    QJsonObject operator()(const progress::Exercise& p) const {
        return {
            {"t", at}, {"event", "exercise"}, {"repetitions", p.repetitions}, {"target", p.target}};
    }
    QJsonObject operator()(const progress::HonorCountdown& p) const {
        return {{"t", at}, {"event", "honorCountdown"}, {"secondsRemaining", p.secondsRemaining}};
    }
    QJsonObject operator()(const progress::TrackingFeedback& p) const {
        return {{"t", at}, {"event", "trackingFeedback"}, {"message", p.message}};
    }
    QJsonObject operator()(const progress::Failed& p) const {
        return {{"t", at}, {"event", "failed"}, {"message", p.message}};
    }
    QJsonObject operator()(const progress::Preparing&) const {
        return {{"t", at}, {"event", "preparing"}};
    }
    QJsonObject operator()(const progress::CameraPermissionRequired&) const {
        return {{"t", at}, {"event", "cameraPermissionRequired"}};
    }
    QJsonObject operator()(const progress::Completed&) const {
        return {{"t", at}, {"event", "completed"}};
    }
};

// Records every analysed frame's people, on the capture thread, timed from the video start.
// The stream goes to a file beside the target that replaces it only when the run succeeds:
// a run that fails leaves an earlier file as it was.
class PoseRecorder {
public:
    PoseRecorder(const QString& path, double origin)
        : file_(path)
        , origin_(origin) {}
    Status open() {
        Status opened = file_.open();
        if (opened) {
            writer_.emplace(file_.device());
        }
        return opened;
    }
    // After the run: the whole stream, or why not (an earlier file then stays as it was).
    Status commit() { return isWhole_ ? file_.commit() : file_.abandon(); }
    void record(double capturedAt, const DetectedPeople& people) {
        std::vector<PoseSnapshot> snapshots;
        const double t = capturedAt - origin_;
        for (const DetectedPerson& person : people) {
            snapshots.push_back(poseSnapshotFromDetectedPerson(&person, t));
        }
        isWhole_ = writer_->write(t, snapshots) && isWhole_;
    }

private:
    tools::OutputFile file_;
    double origin_;
    std::optional<PoseStreamWriter> writer_;
    bool isWhole_ = true;
};

} // namespace

CountResult runCount(const CountOptions& options,
                     const std::function<void(double, int)>& onProgress) {
    VirtualTimeSource virtualTime;
    EventLoopTimeSource realTime;
    TimeSource& time = options.isRealTime ? static_cast<TimeSource&>(realTime) : virtualTime;
    const double origin = time.monotonicSeconds();
    QEventLoop loop;
    CountResult result;

    VideoFileOptions video;
    if (options.isRealTime) {
        video.pace = VideoFileOptions::Pace::realTime;
        video.clock = [&realTime] { return realTime.monotonicSeconds(); };
        // Frames still on their way get a moment to arrive before the run ends.
        video.onFinished = [&loop] {
            QMetaObject::invokeMethod(
                &loop, [&loop] { QTimer::singleShot(500, &loop, &QEventLoop::quit); });
        };
    } else {
        video.pace = VideoFileOptions::Pace::asConsumed;
        video.timestampOrigin = origin;
        // Time moves to each frame before the frame's analysis reaches the main thread: both
        // are posted there, in this order.
        video.onFrameTimestamp = [&loop, &virtualTime](double at) {
            QMetaObject::invokeMethod(&loop, [&virtualTime, at] {
                virtualTime.advance(std::max(0.0, at - virtualTime.monotonicSeconds()));
            });
        };
        video.onFinished = [&loop] { QMetaObject::invokeMethod(&loop, &QEventLoop::quit); };
    }
    VideoFileCameraBackend cameras(options.videoPath, video);

    std::optional<PoseRecorder> recorder;
    if (!options.posesPath.isEmpty()) {
        const Status distinct = tools::differentFromInput(QStringLiteral("--poses"),
                                                          options.posesPath, options.videoPath);
        if (!distinct) {
            result.failure = distinct.error();
            return result;
        }
        recorder.emplace(options.posesPath, origin);
        if (const Status opened = recorder->open(); !opened) {
            result.failure = opened.error();
            return result;
        }
    }
    AnalysisObserver observer;
    if (recorder) {
        observer = [&recorder](double at, const DetectedPeople& people) {
            recorder->record(at, people);
        };
    }
    CameraExerciseProvider provider(
        cameras.device().id, options.exercise, options.target.value_or(INT_MAX), time,
        [] { return CameraAuthorization::authorized; },
        std::make_unique<CameraCaptureService>(
            cameras, [size = options.inputSize] { return loadCameraPoseDetector(size); }, observer,
            options.analysisRate.value_or(CameraCaptureService::defaultAnalysisRate)));

    provider.onProgress = [&](const VerificationProgress& value) {
        const double at = time.monotonicSeconds() - origin;
        result.events.push_back(std::visit(EventDescriber{at}, value));
        const PoseSnapshot* pose = nullptr;
        if (const auto* framing = std::get_if<progress::Framing>(&value)) {
            pose = framing->pose ? &*framing->pose : nullptr;
        } else if (const auto* exercise = std::get_if<progress::Exercise>(&value)) {
            pose = &exercise->pose;
            while (static_cast<int>(result.repetitionTimes.size()) < exercise->repetitions) {
                result.repetitionTimes.push_back(exercise->pose.capturedAt - origin);
            }
            result.repetitions = exercise->repetitions;
        } else if (const auto* failed = std::get_if<progress::Failed>(&value)) {
            result.failure = failed->message;
            loop.quit();
        }
        if (pose != nullptr) {
            ++result.analysedFrames;
            result.videoSeconds = pose->capturedAt - origin;
            if (onProgress) {
                onProgress(result.videoSeconds, result.repetitions);
            }
        }
    };
    provider.onCompletion = [&] {
        result.isCompleted = true;
        loop.quit();
    };
    provider.start();
    if (provider.lifecycle() == CameraExerciseProvider::Lifecycle::running) {
        loop.exec();
    }
    provider.stop();
    // A failed run's stream is left unwritten.
    if (recorder && !result.failure) {
        if (const Status written = recorder->commit(); !written) {
            result.failure = written.error();
        }
    }
    return result;
}

} // namespace qv
