// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/onboarding/OnboardingModel.h"

#include "core/services/SoundPlayer.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>

namespace qv {

namespace {

template <typename... Handlers> struct Overloaded : Handlers... { using Handlers::operator()...; };
template <typename... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>;

// As the camera engine words it when it finds none, so either way the act reads the same.
QString noCameraFound() {
    return QCoreApplication::translate("Onboarding", "No camera was found.");
}

} // namespace

OnboardingModel::OnboardingModel(Platform platform, SoundPlayer* sounds, QObject* parent)
    : QObject(parent)
    , platform_(std::move(platform))
    , sounds_(sounds) {}

OnboardingModel::~OnboardingModel() {
    ++trialGeneration_;
    dropTrialProvider();
}

void OnboardingModel::advance() {
    if (step_ == lastStep) {
        stopTrial();
        finish();
        return;
    }
    setStep(step_ + 1);
    if (step_ == lastStep) {
        refreshCameraState();
    }
}

void OnboardingModel::goBack() {
    if (step_ < 1) {
        return;
    }
    leaveStep(step_ - 1);
}

void OnboardingModel::goToStep(int step) {
    if (step < 0 || step > lastStep || step == step_) {
        return;
    }
    leaveStep(step);
    if (step_ == lastStep) {
        refreshCameraState();
    }
}

void OnboardingModel::leaveStep(int next) {
    // The camera runs only while its act is shown.
    if (step_ == lastStep) {
        stopTrial();
    }
    setStep(next);
}

void OnboardingModel::refreshCameraState() {
    const CameraAuthorization status = platform_.authorizationStatus
                                           ? platform_.authorizationStatus()
                                           : CameraAuthorization::unknown;
    switch (status) {
    case CameraAuthorization::restricted:
    case CameraAuthorization::denied:
        setCameraState(CameraState::denied);
        return;
    case CameraAuthorization::authorized:
        setCameraState(CameraState::granted);
        lookForCamera();
        return;
    case CameraAuthorization::notDetermined:
    case CameraAuthorization::unknown:
        break;
    }
    if (cameraState_ != CameraState::skipped && cameraState_ != CameraState::requesting) {
        setCameraState(CameraState::idle);
    }
}

// Permission alone would show the camera as ready on a computer that has none, to be
// contradicted only after the press; the act says what it found as it opens instead.
void OnboardingModel::lookForCamera() {
    if (!platform_.hasCamera || trialProvider_ || trialPhase_ != TrialPhase::off) {
        return;
    }
    if (!platform_.hasCamera()) {
        setTrialFeedback(noCameraFound(), StatusKind::cameraOff);
    } else if (trialFeedback_ == noCameraFound()) {
        setTrialFeedback(QString());
    }
}

void OnboardingModel::requestCamera() {
    const CameraAuthorization status = platform_.authorizationStatus
                                           ? platform_.authorizationStatus()
                                           : CameraAuthorization::unknown;
    if (status == CameraAuthorization::authorized) {
        setCameraState(CameraState::granted);
        startTrial();
        return;
    }
    if (status != CameraAuthorization::notDetermined || !platform_.requestAccess) {
        setCameraState(CameraState::denied);
        return;
    }
    setCameraState(CameraState::requesting);
    QPointer<OnboardingModel> self(this);
    platform_.requestAccess([self](bool granted) {
        // The platform may answer on any thread; the model lives on the main thread.
        QMetaObject::invokeMethod(
            self.data(),
            [self, granted] {
                if (!self) {
                    return;
                }
                self->setCameraState(granted ? CameraState::granted : CameraState::denied);
                if (granted && self->step_ == lastStep) {
                    self->startTrial();
                }
            },
            Qt::QueuedConnection);
    });
}

void OnboardingModel::startTrial() {
    if (trialProvider_ || trialPhase_ == TrialPhase::counted || !platform_.makeTrialProvider) {
        return;
    }
    setTrialFeedback(QString());
    setTrialPhase(TrialPhase::starting);
    const quint64 generation = ++trialGeneration_;
    trialProvider_ =
        platform_.makeTrialProvider(trialCameraID ? trialCameraID() : std::optional<QString>());
    if (!trialProvider_) {
        setTrialFeedback(QCoreApplication::translate("Onboarding", "Camera is unavailable."),
                         StatusKind::cameraOff);
        setTrialPhase(TrialPhase::off);
        return;
    }
    QPointer<OnboardingModel> self(this);
    trialProvider_->onProgress = [self, generation](const VerificationProgress& progress) {
        if (self && self->trialGeneration_ == generation && self->trialProvider_) {
            self->handleTrialProgress(progress);
        }
    };
    trialProvider_->onCompletion = [self, generation] {
        if (self && self->trialGeneration_ == generation && self->trialProvider_) {
            self->handleTrialCompletion();
        }
    };
    trialProvider_->setPreviewSize(previewDemand_.longerSide());
    trialProvider_->start();
}

void OnboardingModel::reportPreviewSide(QObject* view, int longerSide) {
    if (previewDemand_.report(view, longerSide) && trialProvider_) {
        trialProvider_->setPreviewSize(previewDemand_.longerSide());
    }
}

void OnboardingModel::stopTrial() {
    ++trialGeneration_;
    dropTrialProvider();
    if (trialPhase_ == TrialPhase::counted) {
        return;
    }
    setTrialPhase(TrialPhase::off);
    setTrialFrame(std::nullopt, std::nullopt);
    setTrialFeedback(QString());
}

void OnboardingModel::skipCamera() {
    if (trialPhase_ == TrialPhase::counted) {
        return;
    }
    stopTrial();
    setCameraState(CameraState::skipped);
    finish();
}

void OnboardingModel::handleTrialProgress(const VerificationProgress& progress) {
    std::visit(Overloaded{
                   [this](const progress::Framing& framing) {
                       if (trialPhase_ != TrialPhase::counted) {
                           setTrialPhase(TrialPhase::framing);
                       }
                       setTrialFrame(framing.pose, framing.preview);
                   },
                   [this](const progress::Exercise& exercise) {
                       if (trialPhase_ == TrialPhase::framing ||
                           trialPhase_ == TrialPhase::starting) {
                           playSound(soundNames::tink);
                       }
                       if (trialPhase_ != TrialPhase::counted) {
                           setTrialPhase(TrialPhase::exercising);
                       }
                       setTrialFrame(exercise.pose, exercise.preview);
                       if (exercise.repetitions >= 1 && sounds_ != nullptr) {
                           sounds_->playRepetitionSound();
                       }
                   },
                   [this](const progress::TrackingFeedback& feedback) {
                       setTrialFeedback(feedback.message, feedback.kind);
                   },
                   [this](const progress::Failed& failed) {
                       setTrialFeedback(failed.message, StatusKind::cameraOff);
                       setTrialPhase(TrialPhase::off);
                       ++trialGeneration_;
                       dropTrialProvider();
                   },
                   [this](const progress::Preparing&) { setTrialPhase(TrialPhase::starting); },
                   [](const auto&) {},
               },
               progress);
}

void OnboardingModel::handleTrialCompletion() {
    setTrialPhase(TrialPhase::counted);
    setTrialFeedback(QString());
    playSound(soundNames::glass);
    stopTrial();
}

void OnboardingModel::dropTrialProvider() {
    if (auto provider = std::move(trialProvider_)) {
        provider->onProgress = nullptr;
        provider->onCompletion = nullptr;
        provider->stop();
    }
}

void OnboardingModel::finish() {
    if (auto callback = onFinished) {
        callback();
    }
}

void OnboardingModel::setStep(int step) {
    if (step_ != step) {
        step_ = step;
        Q_EMIT stepChanged();
    }
}

void OnboardingModel::setCameraState(CameraState state) {
    if (cameraState_ != state) {
        cameraState_ = state;
        Q_EMIT cameraStateChanged();
    }
}

void OnboardingModel::setTrialPhase(TrialPhase phase) {
    if (trialPhase_ == phase) {
        return;
    }
    const QString failureBefore = trialFailureMessage();
    trialPhase_ = phase;
    Q_EMIT trialPhaseChanged();
    if (trialFailureMessage() != failureBefore) {
        Q_EMIT trialFailureMessageChanged();
    }
}

void OnboardingModel::setTrialFeedback(const QString& feedback, StatusKind kind) {
    if (trialFeedback_ == feedback && trialFeedbackKind_ == kind) {
        return;
    }
    const QString failureBefore = trialFailureMessage();
    trialFeedback_ = feedback;
    trialFeedbackKind_ = kind;
    Q_EMIT trialFeedbackChanged();
    if (trialFailureMessage() != failureBefore) {
        Q_EMIT trialFailureMessageChanged();
    }
}

void OnboardingModel::watchPreview(QObject* context, std::function<void()> onChange) {
    connect(this, &OnboardingModel::trialPoseChanged, context, onChange);
    connect(this, &OnboardingModel::trialPreviewChanged, context, std::move(onChange));
}

void OnboardingModel::setTrialFrame(const std::optional<PoseSnapshot>& pose,
                                    const std::optional<Image>& preview) {
    const bool hadFrame = trialPose_ || trialPreview_;
    trialPose_ = pose;
    trialPreview_ = preview;
    if (hadFrame || pose) {
        Q_EMIT trialPoseChanged();
    }
    if (hadFrame || preview) {
        Q_EMIT trialPreviewChanged();
    }
}

void OnboardingModel::playSound(const QString& name) {
    if (sounds_ != nullptr) {
        sounds_->playSound(name);
    }
}

} // namespace qv
