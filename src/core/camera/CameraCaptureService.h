// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/Result.h"
#include "core/camera/CameraBackend.h"
#include "core/camera/CameraRun.h"
#include "core/media/Image.h"
#include "core/verification/PoseDetector.h"
#include "core/verification/PoseSnapshot.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace qv {

// The detector, or why there is none (an empty reason: pose tracking is not available).
using PoseDetectorLoad = Result<std::unique_ptr<PoseDetector>>;
// Makes the detector for one camera run; called on the capture thread.
using PoseDetectorLoader = std::function<PoseDetectorLoad()>;
// Sees every person the detector found in each analysed frame, on the capture thread. For
// tools that record what was seen when asked to; a break installs none.
using AnalysisObserver = std::function<void(double capturedAt, const DetectedPeople& people)>;

// Owns the camera for one verification run. Opens the chosen camera (or a substitute), runs
// the pose detector on at most `analysisRate` frames a second, follows one person, and hands
// (pose, preview) pairs to the main thread, where only the newest undelivered frame is ever
// handed on. Camera trouble arrives as short messages. The capture work runs on a thread of the
// service's own; every handler is called on the thread that made the service, which is the
// only one that may call the service.
//
// A service runs once: after stop() it stays stopped, and a new run needs a new service.
class CameraCaptureService final : public CameraRun {
public:
    enum class State { idle, starting, running, stopped };

    // Analysed frames a second, at most, on average (see AnalysisPacer): the rate for brisk
    // movement, which MotionGauge lowers while the person moves slowly or stands still.
    // Inference is nearly all that a camera run costs, so the rate sets the cost of a break.
    // Every clip of the test data counts the same from 10.5 to 15 a second at full rate (a
    // squat takes 1.5 to 3 s; an arm raise stays overhead for several frames even at 10 a
    // second).
    static constexpr double defaultAnalysisRate = 11;

    // analysisRate: above 0; tools measure other rates with it.
    CameraCaptureService(CameraBackend& backend, PoseDetectorLoader loadDetector,
                         AnalysisObserver observer = {}, double analysisRate = defaultAnalysisRate);
    ~CameraCaptureService() override;
    CameraCaptureService(const CameraCaptureService&) = delete;
    CameraCaptureService& operator=(const CameraCaptureService&) = delete;

    // The owner installs the handlers before start().
    void setHandlers(Handlers handlers) override;
    // Opens the camera in the background and returns at once.
    void start(const std::optional<QString>& deviceID, ExerciseKind exercise) override;
    // Final: once it returns, no handler is called and the observer sees nothing more (a
    // frame being analysed is waited for). The camera closes in the background.
    void stop() override;

    // The longer side, in pixels, of the preview a view shows of the camera; 0 (the start
    // value) while none is shown. Previews are made only while this is above 0, at most
    // this large (never larger than the camera's picture) and at most once per analysed
    // frame; with 0 the frame handler gets a null image. Any thread; applies from the next
    // analysed frame.
    void setPreviewSize(int longerSide) override;

    // Another process held the camera when last looked at.
    bool isBusy() const override;
    State state() const;

private:
    struct Core;
    std::shared_ptr<Core> core_;
};

} // namespace qv
