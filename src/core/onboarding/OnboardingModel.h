// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/CameraAuthorization.h"
#include "core/media/Image.h"
#include "core/verification/PoseSnapshot.h"
#include "core/verification/PreviewDemand.h"
#include "core/verification/PreviewSource.h"
#include "core/verification/VerificationEngine.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace qv {

class SoundPlayer;

// The first launch's four acts: which act is shown, what the onboarding knows of the camera
// permission, and the practice run in which one real squat must be counted. Main thread only;
// the views bind to the properties and call the invokable operations.
class OnboardingModel : public QObject, public PreviewSource {
    Q_OBJECT
    Q_PROPERTY(int step READ step NOTIFY stepChanged)
    Q_PROPERTY(CameraState cameraState READ cameraState NOTIFY cameraStateChanged)
    Q_PROPERTY(TrialPhase trialPhase READ trialPhase NOTIFY trialPhaseChanged)
    Q_PROPERTY(bool hasTrialPose READ hasTrialPose NOTIFY trialPoseChanged)
    Q_PROPERTY(bool hasTrialPreview READ hasTrialPreview NOTIFY trialPreviewChanged)
    Q_PROPERTY(QString trialFeedback READ trialFeedback NOTIFY trialFeedbackChanged)
    Q_PROPERTY(
        QString trialFailureMessage READ trialFailureMessage NOTIFY trialFailureMessageChanged)

public:
    static constexpr int lastStep = 3;

    enum class CameraState { idle, requesting, granted, denied, skipped };
    Q_ENUM(CameraState)
    enum class TrialPhase { off, starting, framing, exercising, counted };
    Q_ENUM(TrialPhase)

    // What the platform provides: the permission and the practice engine (the camera engine
    // for one squat on the given camera, or the default one).
    struct Platform {
        CameraAuthorizationCheck authorizationStatus;
        // The answer may arrive on any thread.
        std::function<void(std::function<void(bool granted)>)> requestAccess;
        std::function<std::unique_ptr<VerificationEngine>(const std::optional<QString>& cameraId)>
            makeTrialProvider;
        // Whether any camera is connected now; unset when that cannot be known beforehand.
        std::function<bool()> hasCamera;
    };

    // sounds may be null (silent, for tests and galleries).
    OnboardingModel(Platform platform, SoundPlayer* sounds, QObject* parent = nullptr);
    ~OnboardingModel() override;

    int step() const { return step_; }
    CameraState cameraState() const { return cameraState_; }
    TrialPhase trialPhase() const { return trialPhase_; }
    const std::optional<PoseSnapshot>& trialPose() const { return trialPose_; }
    bool hasTrialPose() const { return trialPose_.has_value(); }
    const std::optional<Image>& trialPreview() const { return trialPreview_; }
    bool hasTrialPreview() const { return trialPreview_.has_value(); }
    // The practice run's picture.
    const std::optional<Image>& previewImage() const override { return trialPreview_; }
    const std::optional<PoseSnapshot>& previewPose() const override { return trialPose_; }
    void watchPreview(QObject* context, std::function<void()> onChange) override;
    const QString& trialFeedback() const { return trialFeedback_; }
    StatusKind trialFeedbackKind() const { return trialFeedbackKind_; }
    // The feedback of a run that failed (the phase is back to off); empty otherwise.
    QString trialFailureMessage() const {
        return trialPhase_ == TrialPhase::off ? trialFeedback_ : QString();
    }
    bool isTrialRunning() const { return trialProvider_ != nullptr; }

    Q_INVOKABLE void advance();
    Q_INVOKABLE void goBack();
    Q_INVOKABLE void goToStep(int step);
    Q_INVOKABLE void refreshCameraState();
    Q_INVOKABLE void requestCamera();
    Q_INVOKABLE void startTrial();
    Q_INVOKABLE void stopTrial();
    // "Continue without it": ends the onboarding without the camera.
    Q_INVOKABLE void skipCamera();
    // The practice run's picture: the longer side a view draws in device pixels, 0 when hidden.
    Q_INVOKABLE void reportPreviewSide(QObject* view, int longerSide) override;

    // Called when the onboarding ends from inside the window.
    std::function<void()> onFinished;
    // Which camera the practice run uses; none for the default choice.
    std::function<std::optional<QString>()> trialCameraID;

Q_SIGNALS:
    void stepChanged();
    void cameraStateChanged();
    void trialPhaseChanged();
    void trialPoseChanged();
    void trialPreviewChanged();
    void trialFeedbackChanged();
    void trialFailureMessageChanged();

private:
    void setStep(int step);
    void setCameraState(CameraState state);
    void setTrialPhase(TrialPhase phase);
    // Empty feedback clears it.
    void setTrialFeedback(const QString& feedback, StatusKind kind = StatusKind::coaching);
    void setTrialFrame(const std::optional<PoseSnapshot>& pose,
                       const std::optional<Image>& preview);
    void leaveStep(int next);
    void lookForCamera();
    void dropTrialProvider();
    void handleTrialProgress(const VerificationProgress& progress);
    void handleTrialCompletion();
    void playSound(const QString& name);
    void finish();

    Platform platform_;
    SoundPlayer* sounds_;
    int step_ = 0;
    CameraState cameraState_ = CameraState::idle;
    TrialPhase trialPhase_ = TrialPhase::off;
    std::optional<PoseSnapshot> trialPose_;
    std::optional<Image> trialPreview_;
    QString trialFeedback_;
    StatusKind trialFeedbackKind_ = StatusKind::coaching;
    std::unique_ptr<VerificationEngine> trialProvider_;
    quint64 trialGeneration_ = 0;
    PreviewDemand previewDemand_;
};

} // namespace qv
