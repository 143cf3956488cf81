// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/breakscreen/BreakOverlayModel.h"

#include "core/services/SoundPlayer.h"

#include <algorithm>

namespace qv {

namespace {

template <typename... Handlers> struct Overloaded : Handlers... { using Handlers::operator()...; };
template <typename... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>;

template <typename Value, typename Signal>
void assign(BreakOverlayModel* model, Value& field, const Value& value, Signal changed) {
    if (field == value) {
        return;
    }
    field = value;
    Q_EMIT(model->*changed)();
}

} // namespace

BreakOverlayModel::BreakOverlayModel(const Initial& initial, SoundPlayer* sounds, QObject* parent)
    : QObject(parent)
    , sounds_(sounds)
    , secondsRemaining_(initial.secondsRemaining)
    , totalSeconds_(std::max(1, initial.totalSeconds))
    , targetRepetitions_(std::max(1, initial.targetRepetitions))
    , exerciseKind_(initial.exerciseKind)
    , emergencyEscapesRemaining_(std::max(0, initial.emergencyEscapesRemaining))
    , soundEnabled_(initial.soundEnabled) {}

void BreakOverlayModel::apply(const VerificationProgress& progress) {
    std::visit(
        Overloaded{
            [this](const progress::Framing& p) { applyFraming(p); },
            [this](const progress::Exercise& p) { applyExercise(p); },
            [this](const progress::HonorCountdown& p) { applyHonorCountdown(p); },
            [this](const progress::TrackingFeedback& p) { setStatusMessage(p.message, p.kind); },
            [this](const progress::Failed& p) {
                setStatusMessage(p.message, StatusKind::cameraOff);
            },
            [this](const progress::Preparing&) { setMode(Mode::preparing); },
            [this](const progress::CameraPermissionRequired&) { setMode(Mode::permission); },
            [this](const progress::Completed&) { applyCompleted(); },
        },
        progress);
}

void BreakOverlayModel::applyFraming(const progress::Framing& framing) {
    setMode(Mode::framing);
    setPose(framing.pose);
    setPreview(framing.preview);
    setFramingElapsed(framing.elapsedSeconds);
}

void BreakOverlayModel::applyExercise(const progress::Exercise& exercise) {
    if (mode_ != Mode::exercise) {
        playSound(soundNames::tink);
    }
    setMode(Mode::exercise);
    setPose(exercise.pose);
    setPreview(exercise.preview);
    if (exercise.repetitions > repetitions_ && sounds_ != nullptr) {
        // The player spaces repeated pops itself.
        sounds_->playRepetitionSound();
    }
    setRepetitions(exercise.repetitions);
    setTargetRepetitions(exercise.target);
}

void BreakOverlayModel::applyHonorCountdown(const progress::HonorCountdown& countdown) {
    setMode(Mode::honor);
    setSecondsRemaining(countdown.secondsRemaining);
    setTotalSeconds(std::max(1, countdown.totalSeconds));
}

void BreakOverlayModel::applyCompleted() {
    setSecondsRemaining(0);
    playSound(soundNames::glass);
}

void BreakOverlayModel::updateEmergencyEscape(int remaining, const QString& message) {
    assign(this, emergencyEscapesRemaining_, std::max(0, remaining),
           &BreakOverlayModel::emergencyEscapesRemainingChanged);
    assign(this, emergencyEscapeStatusMessage_, message,
           &BreakOverlayModel::emergencyEscapeStatusMessageChanged);
    if (remaining < 1) {
        assign(this, isEmergencyKeyHeld_, false, &BreakOverlayModel::isEmergencyKeyHeldChanged);
    }
}

void BreakOverlayModel::switchExercise(ExerciseKind kind) {
    assign(this, exerciseKind_, kind, &BreakOverlayModel::exerciseKindChanged);
    setMode(Mode::preparing);
    setRepetitions(0);
    setPose(std::nullopt);
    setPreview(std::nullopt);
    setStatusMessage(QString(), StatusKind::coaching);
    assign(this, successSummary_, std::optional<SuccessSummary>(),
           &BreakOverlayModel::successSummaryChanged);
    setFramingElapsed(0);
}

void BreakOverlayModel::showSuccess(int repetitions, int streakDays, bool wasVerified) {
    const SuccessSummary summary{std::max(0, repetitions), std::max(0, streakDays), wasVerified};
    assign(this, successSummary_, std::optional<SuccessSummary>(summary),
           &BreakOverlayModel::successSummaryChanged);
    setMode(Mode::success);
    setStatusMessage(QString(), StatusKind::coaching);
}

void BreakOverlayModel::setSoundEnabled(bool enabled) {
    assign(this, soundEnabled_, enabled, &BreakOverlayModel::soundEnabledChanged);
}

void BreakOverlayModel::setStatusMessage(const QString& message, StatusKind kind) {
    if (statusMessage_ == message && statusKind_ == kind) {
        return;
    }
    statusMessage_ = message;
    statusKind_ = kind;
    Q_EMIT statusMessageChanged();
}

void BreakOverlayModel::setEmergencyKeyHeld(bool held) {
    assign(this, isEmergencyKeyHeld_, held && emergencyEscapesRemaining_ > 0,
           &BreakOverlayModel::isEmergencyKeyHeldChanged);
    if (onEmergencyKeyStateChanged) {
        onEmergencyKeyStateChanged(held);
    }
}

void BreakOverlayModel::emergencyEscape() {
    if (emergencyEscapesRemaining_ >= 1) {
        call(onEmergencyEscape);
    }
}

void BreakOverlayModel::reportPreviewSide(QObject* view, int longerSide) {
    if (previewDemand_.report(view, longerSide)) {
        Q_EMIT previewSideChanged();
    }
}

void BreakOverlayModel::setMode(Mode mode) {
    assign(this, mode_, mode, &BreakOverlayModel::modeChanged);
}

void BreakOverlayModel::setPose(const std::optional<PoseSnapshot>& pose) {
    // A new frame always redraws, even when the pose compares equal.
    pose_ = pose;
    Q_EMIT poseChanged();
}

void BreakOverlayModel::setPreview(const std::optional<Image>& given) {
    // While no view asks the camera for a preview, frames come with a null picture.
    const auto preview = given && !given->isNull() ? given : std::nullopt;
    if (!preview && !preview_) {
        return;
    }
    preview_ = preview;
    Q_EMIT previewChanged();
}

void BreakOverlayModel::watchPreview(QObject* context, std::function<void()> onChange) {
    connect(this, &BreakOverlayModel::poseChanged, context, onChange);
    connect(this, &BreakOverlayModel::previewChanged, context, std::move(onChange));
}

void BreakOverlayModel::setRepetitions(int repetitions) {
    assign(this, repetitions_, repetitions, &BreakOverlayModel::repetitionsChanged);
}

void BreakOverlayModel::setTargetRepetitions(int target) {
    assign(this, targetRepetitions_, std::max(1, target),
           &BreakOverlayModel::targetRepetitionsChanged);
}

void BreakOverlayModel::setSecondsRemaining(int seconds) {
    assign(this, secondsRemaining_, seconds, &BreakOverlayModel::secondsRemainingChanged);
}

void BreakOverlayModel::setTotalSeconds(int seconds) {
    assign(this, totalSeconds_, seconds, &BreakOverlayModel::totalSecondsChanged);
}

void BreakOverlayModel::setFramingElapsed(double seconds) {
    assign(this, framingElapsed_, seconds, &BreakOverlayModel::framingElapsedChanged);
}

void BreakOverlayModel::playSound(const QString& name) {
    if (sounds_ != nullptr) {
        sounds_->playSound(name);
    }
}

} // namespace qv
