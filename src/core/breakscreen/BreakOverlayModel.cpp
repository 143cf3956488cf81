// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/breakscreen/BreakOverlayModel.h"

#include "core/base/PropertyChange.h"
#include "core/services/SoundPlayer.h"

#include <algorithm>
#include <utility>

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

// While no view asks the camera for a preview, frames come with a null picture.
std::optional<Image> usablePreview(const std::optional<Image>& given) {
    return given && !given->isNull() ? given : std::nullopt;
}

} // namespace

BreakOverlayModel::BreakOverlayModel(const Initial& initial, SoundPlayer* sounds, QObject* parent)
    : QObject(parent)
    , sounds_(sounds) {
    state_.secondsRemaining = initial.secondsRemaining;
    state_.totalSeconds = std::max(1, initial.totalSeconds);
    state_.targetRepetitions = std::max(1, initial.targetRepetitions);
    state_.exerciseKind = initial.exerciseKind;
    state_.emergencyEscapesRemaining = std::max(0, initial.emergencyEscapesRemaining);
    state_.soundEnabled = initial.soundEnabled;
}

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
    if (state_.mode != Mode::exercise) {
        playSound(soundNames::tink);
    }
    setMode(Mode::exercise);
    setPose(exercise.pose);
    setPreview(exercise.preview);
    if (exercise.repetitions > state_.repetitions && sounds_ != nullptr) {
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
    assign(this, state_.emergencyEscapesRemaining, std::max(0, remaining),
           &BreakOverlayModel::emergencyEscapesRemainingChanged);
    assign(this, state_.emergencyEscapeStatusMessage, message,
           &BreakOverlayModel::emergencyEscapeStatusMessageChanged);
    if (remaining < 1) {
        assign(this, state_.isEmergencyKeyHeld, false,
               &BreakOverlayModel::isEmergencyKeyHeldChanged);
    }
}

void BreakOverlayModel::switchExercise(ExerciseKind kind) {
    assign(this, state_.exerciseKind, kind, &BreakOverlayModel::exerciseKindChanged);
    setMode(Mode::preparing);
    setRepetitions(0);
    setPose(std::nullopt);
    setPreview(std::nullopt);
    setStatusMessage(QString(), StatusKind::coaching);
    assign(this, state_.successSummary, std::optional<SuccessSummary>(),
           &BreakOverlayModel::successSummaryChanged);
    setFramingElapsed(0);
}

void BreakOverlayModel::showSuccess(int repetitions, int streakDays, bool wasVerified) {
    const SuccessSummary summary{std::max(0, repetitions), std::max(0, streakDays), wasVerified};
    assign(this, state_.successSummary, std::optional<SuccessSummary>(summary),
           &BreakOverlayModel::successSummaryChanged);
    setMode(Mode::success);
    setStatusMessage(QString(), StatusKind::coaching);
}

void BreakOverlayModel::setSoundEnabled(bool enabled) {
    assign(this, state_.soundEnabled, enabled, &BreakOverlayModel::soundEnabledChanged);
}

void BreakOverlayModel::setStatusMessage(const QString& message, StatusKind kind) {
    if (state_.statusMessage == message && state_.statusKind == kind) {
        return;
    }
    state_.statusMessage = message;
    state_.statusKind = kind;
    Q_EMIT statusMessageChanged();
}

void BreakOverlayModel::restore(const State& state, const std::optional<Image>& preview) {
    State given = state;
    // The floors the views divide by hold whoever sent the state.
    given.totalSeconds = std::max(1, given.totalSeconds);
    given.targetRepetitions = std::max(1, given.targetRepetitions);
    const State old = std::exchange(state_, std::move(given));
    const bool pictureChanged = replace(preview_, usablePreview(preview));
    using Model = BreakOverlayModel;
    emitChanged<Model>(
        this,
        {
            {old.mode != state_.mode, &Model::modeChanged},
            {old.secondsRemaining != state_.secondsRemaining, &Model::secondsRemainingChanged},
            {old.totalSeconds != state_.totalSeconds, &Model::totalSecondsChanged},
            {old.repetitions != state_.repetitions, &Model::repetitionsChanged},
            {old.targetRepetitions != state_.targetRepetitions, &Model::targetRepetitionsChanged},
            {old.pose != state_.pose, &Model::poseChanged},
            {pictureChanged, &Model::previewChanged},
            {old.framingElapsed != state_.framingElapsed, &Model::framingElapsedChanged},
            {old.statusMessage != state_.statusMessage || old.statusKind != state_.statusKind,
             &Model::statusMessageChanged},
            {old.exerciseKind != state_.exerciseKind, &Model::exerciseKindChanged},
            {old.successSummary != state_.successSummary, &Model::successSummaryChanged},
            {old.emergencyEscapesRemaining != state_.emergencyEscapesRemaining,
             &Model::emergencyEscapesRemainingChanged},
            {old.emergencyEscapeStatusMessage != state_.emergencyEscapeStatusMessage,
             &Model::emergencyEscapeStatusMessageChanged},
            {old.isEmergencyKeyHeld != state_.isEmergencyKeyHeld,
             &Model::isEmergencyKeyHeldChanged},
            {old.soundEnabled != state_.soundEnabled, &Model::soundEnabledChanged},
        });
}

void BreakOverlayModel::setEmergencyKeyHeld(bool held) {
    assign(this, state_.isEmergencyKeyHeld, held && state_.emergencyEscapesRemaining > 0,
           &BreakOverlayModel::isEmergencyKeyHeldChanged);
    if (onEmergencyKeyStateChanged) {
        onEmergencyKeyStateChanged(held);
    }
}

void BreakOverlayModel::emergencyEscape() {
    if (state_.emergencyEscapesRemaining >= 1) {
        call(onEmergencyEscape);
    }
}

void BreakOverlayModel::reportPreviewSide(QObject* view, int longerSide) {
    if (previewDemand_.report(view, longerSide)) {
        Q_EMIT previewSideChanged();
    }
}

void BreakOverlayModel::setMode(Mode mode) {
    assign(this, state_.mode, mode, &BreakOverlayModel::modeChanged);
}

void BreakOverlayModel::setPose(const std::optional<PoseSnapshot>& pose) {
    // A new frame always redraws, even when the pose compares equal.
    state_.pose = pose;
    Q_EMIT poseChanged();
}

void BreakOverlayModel::setPreview(const std::optional<Image>& given) {
    const auto preview = usablePreview(given);
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
    assign(this, state_.repetitions, repetitions, &BreakOverlayModel::repetitionsChanged);
}

void BreakOverlayModel::setTargetRepetitions(int target) {
    assign(this, state_.targetRepetitions, std::max(1, target),
           &BreakOverlayModel::targetRepetitionsChanged);
}

void BreakOverlayModel::setSecondsRemaining(int seconds) {
    assign(this, state_.secondsRemaining, seconds, &BreakOverlayModel::secondsRemainingChanged);
}

void BreakOverlayModel::setTotalSeconds(int seconds) {
    assign(this, state_.totalSeconds, seconds, &BreakOverlayModel::totalSecondsChanged);
}

void BreakOverlayModel::setFramingElapsed(double seconds) {
    assign(this, state_.framingElapsed, seconds, &BreakOverlayModel::framingElapsedChanged);
}

void BreakOverlayModel::playSound(const QString& name) {
    if (sounds_ != nullptr) {
        sounds_->playSound(name);
    }
}

} // namespace qv
