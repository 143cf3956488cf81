// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/camera/CameraExerciseProvider.h"

#include <QCoreApplication>

namespace qv {

namespace {

// Translated when reported, not once at start-up, so they follow the language chosen by then.
QString accessOffText() {
    return QCoreApplication::translate("Camera",
                                       "Camera access is off. Continuing with the honor timer.");
}

QString notPreparedText() {
    return QCoreApplication::translate(
        "Camera", "Camera permission was not prepared. Using the timed break instead.");
}

QString unavailableText() {
    return QCoreApplication::translate("Camera",
                                       "Camera is unavailable. Continuing with the honor timer.");
}

QString busyText() {
    return QCoreApplication::translate(
        "Camera", "Camera is busy in another app. Continuing with the honor timer.");
}

QString silentText() {
    return QCoreApplication::translate(
        "Camera", "Camera stopped responding. Continuing with the honor timer.");
}

QString pausedText() {
    return QCoreApplication::translate("Camera", "Camera paused");
}

} // namespace

CameraExerciseProvider::CameraExerciseProvider(std::optional<QString> deviceID,
                                               ExerciseKind exercise, int targetRepetitions,
                                               TimeSource& time,
                                               CameraAuthorizationCheck authorizationStatus,
                                               std::unique_ptr<CameraRun> capture)
    : deviceID_(std::move(deviceID))
    , exercise_(exercise)
    , targetRepetitions_(targetRepetitions)
    , time_(time)
    , authorizationStatus_(std::move(authorizationStatus))
    , capture_(std::move(capture))
    , sessionBeganAt_(time.monotonicSeconds())
    , lastFrameAt_(sessionBeganAt_) {}

CameraExerciseProvider::~CameraExerciseProvider() {
    stopCapture();
}

int CameraExerciseProvider::repetitions() const {
    return exercise_ == ExerciseKind::squat ? squatClassifier_.repetitions()
                                            : overheadRaiseClassifier_.repetitions();
}

void CameraExerciseProvider::start() {
    if (lifecycle_ != Lifecycle::idle) {
        return;
    }
    // The provider never asks for permission: the owner does that before a break.
    switch (authorizationStatus_ ? authorizationStatus_() : CameraAuthorization::unknown) {
    case CameraAuthorization::authorized:
        return startCamera();
    case CameraAuthorization::restricted:
    case CameraAuthorization::denied:
        return fail(accessOffText());
    case CameraAuthorization::notDetermined:
        return fail(notPreparedText());
    case CameraAuthorization::unknown:
        return fail(unavailableText());
    }
}

void CameraExerciseProvider::stop() {
    if (lifecycle_ == Lifecycle::stopped) {
        return;
    }
    endRun();
    resetClassifier();
    framingBeganAt_.reset();
    lastUsablePoseAt_.reset();
    lastThighAt_.reset();
    isExerciseArmed_ = false;
}

void CameraExerciseProvider::startCamera() {
    if (lifecycle_ != Lifecycle::idle && lifecycle_ != Lifecycle::requestingPermission) {
        return;
    }
    lifecycle_ = Lifecycle::running;
    const int generation = ++generation_;
    sessionBeganAt_ = lastFrameAt_ = time_.monotonicSeconds();
    framingBeganAt_.reset();
    lastUsablePoseAt_.reset();
    lastThighAt_.reset();
    isExerciseArmed_ = false;
    resetClassifier();

    const std::weak_ptr<int> alive = lifetime_;
    reportProgress(progress::Framing{std::nullopt, std::nullopt, 0});
    if (alive.expired() || generation_ != generation) {
        return;
    }
    installHandlers();
    capture_->start(deviceID_, exercise_);
    startWatchdog(generation);
}

void CameraExerciseProvider::setPreviewSize(int longerSide) {
    if (capture_) {
        capture_->setPreviewSize(longerSide);
    }
}

void CameraExerciseProvider::installHandlers() {
    // Every handler runs on the main thread, and only while the run lasts: the capture's
    // stop() is final and comes before the run ends or the provider goes.
    CameraRun::Handlers handlers;
    handlers.frame = [this](const PoseSnapshot& pose, const Image& preview) {
        Q_ASSERT(lifecycle_ == Lifecycle::running);
        handleFrame(pose, preview);
    };
    handlers.error = [this](const QString& text) { fail(text); };
    // The capture's only notice: the chosen camera is missing and another one stands in.
    handlers.notice = [this](const QString& text) {
        reportProgress(progress::TrackingFeedback{text, StatusKind::cameraSubstituted});
    };
    handlers.interruption = [this](const QString& text) { handleInterruption(text); };
    handlers.interruptionEnded = [this] { interruptionFailover_.cancel(); };
    handlers.diagnostic = [](const QString&) {}; // the application writes no log
    capture_->setHandlers(std::move(handlers));
}

void CameraExerciseProvider::startWatchdog(int generation) {
    watchdog_ = time_.every(watchdogInterval, [this, generation] { checkWatchdog(generation); });
}

void CameraExerciseProvider::checkWatchdog(int generation) {
    if (lifecycle_ != Lifecycle::running || generation_ != generation) {
        watchdog_.cancel();
        return;
    }
    if (time_.monotonicSeconds() - lastFrameAt_ >= silenceTimeout) {
        fail(capture_->isBusy() ? busyText() : silentText());
    }
}

bool CameraExerciseProvider::isUsable(const PoseSnapshot& pose, double now) const {
    // A squat shows in the hips coming down towards the knees: a picture that ends above the
    // feet still shows it, one that ends above the knees does not.
    if (exercise_ == ExerciseKind::squat) {
        if (pose.hasThigh()) {
            return true;
        }
        const bool isHipSeen =
            pose.framedJoint(Joint::leftHip) || pose.framedJoint(Joint::rightHip);
        return isHipSeen && lastThighAt_ && now - *lastThighAt_ <= hiddenKneeGrace;
    }
    return OverheadRaiseClassifier::sample(pose).has_value();
}

void CameraExerciseProvider::handleFrame(const PoseSnapshot& pose, const Image& preview) {
    const double now = time_.monotonicSeconds();
    lastFrameAt_ = now;
    if (pose.hasThigh()) {
        lastThighAt_ = now;
    }
    if (isUsable(pose, now)) {
        lastUsablePoseAt_ = now;
        if (!framingBeganAt_) {
            framingBeganAt_ = now;
        }
        if (now - *framingBeganAt_ >= framingSeconds) {
            isExerciseArmed_ = true;
            count(pose, preview, true);
            return;
        }
        // The classifier watches the framing second too, so a repetition begun as the user
        // came into view is not lost; nothing is reported as counted before it ends.
        updateClassifier(pose);
        reportProgress(progress::Framing{pose, preview, now - sessionBeganAt_});
        return;
    }
    if (isExerciseArmed_ && lastUsablePoseAt_ && now - *lastUsablePoseAt_ <= dropoutGrace) {
        count(pose, preview, false); // a short dropout does not disarm
        return;
    }
    disarm();
    reportProgress(progress::Framing{pose, preview, now - sessionBeganAt_});
}

bool CameraExerciseProvider::count(const PoseSnapshot& pose, const Image& preview,
                                   bool checkCompletion) {
    const QString feedback = updateClassifier(pose);
    const int done = repetitions();
    const int generation = generation_;
    const std::weak_ptr<int> alive = lifetime_;
    auto stillRunning = [&] { return !alive.expired() && generation_ == generation; };

    reportProgress(progress::Exercise{pose, preview, done, targetRepetitions_});
    if (!stillRunning()) {
        return false;
    }
    reportProgress(progress::TrackingFeedback{feedback, StatusKind::coaching});
    if (!stillRunning()) {
        return false;
    }
    if (checkCompletion && done >= targetRepetitions_) {
        stop();
        reportProgress(progress::Completed{});
        if (alive.expired()) {
            return false;
        }
        reportCompletion();
        return false;
    }
    return true;
}

QString CameraExerciseProvider::updateClassifier(const PoseSnapshot& pose) {
    if (exercise_ == ExerciseKind::squat) {
        return squatClassifier_.update(pose, pose.capturedAt).feedback;
    }
    return overheadRaiseClassifier_.update(pose, pose.capturedAt).feedback;
}

void CameraExerciseProvider::disarm() {
    framingBeganAt_.reset();
    lastUsablePoseAt_.reset();
    lastThighAt_.reset();
    isExerciseArmed_ = false;
    resetClassifier();
}

void CameraExerciseProvider::resetClassifier() {
    // The count stays: only the calibration and the phase begin again.
    if (exercise_ == ExerciseKind::squat) {
        squatClassifier_.resetTracking();
    } else {
        overheadRaiseClassifier_.reset();
    }
}

void CameraExerciseProvider::handleInterruption(const QString& text) {
    if (interruptionFailover_.isActive()) {
        return;
    }
    const int generation = generation_;
    const std::weak_ptr<int> alive = lifetime_;
    reportProgress(progress::TrackingFeedback{pausedText(), StatusKind::cameraPaused});
    if (alive.expired() || generation_ != generation) {
        return;
    }
    interruptionFailover_ = time_.after(interruptionGrace, [this, generation, text] {
        if (lifecycle_ == Lifecycle::running && generation_ == generation) {
            fail(QCoreApplication::translate("Camera", "%1 Continuing with the honor timer.",
                                             "after the sentence that says what the camera did")
                     .arg(text));
        }
    });
}

void CameraExerciseProvider::fail(const QString& text) {
    if (lifecycle_ == Lifecycle::stopped) {
        return;
    }
    endRun();
    reportProgress(progress::Failed{text});
}

void CameraExerciseProvider::endRun() {
    // A new generation turns away every late callback of the run that ends here.
    lifecycle_ = Lifecycle::stopped;
    ++generation_;
    watchdog_.cancel();
    interruptionFailover_.cancel();
    stopCapture();
}

void CameraExerciseProvider::stopCapture() {
    if (capture_) {
        capture_->stop();
    }
}

} // namespace qv
