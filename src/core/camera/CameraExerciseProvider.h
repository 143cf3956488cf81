// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/CameraAuthorization.h"
#include "core/camera/CameraRun.h"
#include "core/time/TimeSource.h"
#include "core/verification/ExerciseKind.h"
#include "core/verification/OverheadRaiseClassifier.h"
#include "core/verification/SquatClassifier.h"
#include "core/verification/VerificationEngine.h"

#include <QString>
#include <memory>
#include <optional>

namespace qv {

// The camera engine of a break: checks the camera permission, runs the camera, waits
// until the user is properly framed, counts repetitions with the exercise's classifier and
// reports progress until the target is reached. Whenever the camera cannot do its job it
// reports `failed` once, and the owner switches to the timed break.
//
// Main thread only. A stopped provider is not started again; each camera run has its own.
class CameraExerciseProvider final : public VerificationEngine {
public:
    enum class Lifecycle { idle, awaitingPermission, requestingPermission, running, stopped };

    static constexpr double framingSeconds = 1.0; // framed this long before counting
    static constexpr double dropoutGrace = 0.35;  // unusable this long still counts
    // At the bottom of a deep squat facing the camera the thighs point at it and hide the
    // knees, whose confidence drops while the hips stay in view; the bottom lasts well under
    // this. Knees seen this recently still show a picture that reaches below them.
    static constexpr double hiddenKneeGrace = 1.0;
    static constexpr double silenceTimeout = 10.0;   // no frame this long ends the run
    static constexpr double interruptionGrace = 5.0; // a pause this long ends the run
    static constexpr double watchdogInterval = 1.0;

    CameraExerciseProvider(std::optional<QString> deviceID, ExerciseKind exercise,
                           int targetRepetitions, TimeSource& time,
                           CameraAuthorizationCheck authorizationStatus,
                           std::unique_ptr<CameraRun> capture);
    ~CameraExerciseProvider() override;

    void start() override;
    void stop() override;

    // The longer side, in pixels, of the camera preview a view shows; 0 (the start value)
    // while it shows none. Progress values carry a preview only while this is above 0, so a
    // break whose view hides the camera spends nothing on previews. See
    // CameraRun::setPreviewSize.
    void setPreviewSize(int longerSide) override;

    Lifecycle lifecycle() const { return lifecycle_; }
    int generation() const { return generation_; }
    bool isExerciseArmed() const { return isExerciseArmed_; }
    int repetitions() const;
    ExerciseKind exercise() const { return exercise_; }
    int targetRepetitions() const { return targetRepetitions_; }

private:
    void startCamera();
    void installHandlers();
    void startWatchdog(int generation);
    void checkWatchdog(int generation);
    void handleFrame(const PoseSnapshot& pose, const Image& preview);
    bool isUsable(const PoseSnapshot& pose, double now) const;
    // Counts the frame; false when the provider is gone or stopped by the owner meanwhile.
    bool count(const PoseSnapshot& pose, const Image& preview, bool checkCompletion);
    QString updateClassifier(const PoseSnapshot& pose); // returns the feedback
    void disarm();
    void resetClassifier();
    void handleInterruption(const QString& text);
    void fail(const QString& text);
    void endRun();
    void stopCapture();

    const std::optional<QString> deviceID_;
    const ExerciseKind exercise_;
    const int targetRepetitions_;
    TimeSource& time_;
    CameraAuthorizationCheck authorizationStatus_;
    std::unique_ptr<CameraRun> capture_;
    SquatClassifier squatClassifier_;
    OverheadRaiseClassifier overheadRaiseClassifier_;

    std::optional<double> framingBeganAt_;
    std::optional<double> lastUsablePoseAt_;
    std::optional<double> lastThighAt_; // when hip and knee were last both seen
    bool isExerciseArmed_ = false;
    double sessionBeganAt_;
    double lastFrameAt_;
    ScheduledTask watchdog_;
    ScheduledTask interruptionFailover_;
    Lifecycle lifecycle_ = Lifecycle::idle;
    int generation_ = 0;
    // Expires with the provider, so code after a callback can tell whether it still lives.
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

} // namespace qv
