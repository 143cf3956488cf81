// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/breakscreen/LockController.h"
#include "core/coordination/AppModel.h"
#include "core/notifications/HeadsUpNotifier.h"
#include "core/scheduling/BreakScheduler.h"
#include "core/settings/SettingsStore.h"
#include "core/stats/StatsStore.h"
#include "core/verification/HonorTimerProvider.h"

#include <algorithm>

namespace qv {

double AppModel::honorSeconds() const {
    return static_cast<double>(services_.settings.honorDurationSeconds());
}

BreakOverlayModel::Initial AppModel::initialOverlay() {
    const SettingsStore& settings = services_.settings;
    BreakOverlayModel::Initial initial;
    initial.secondsRemaining = static_cast<int>(settings.honorDurationSeconds());
    initial.totalSeconds = std::max(1, static_cast<int>(settings.honorDurationSeconds()));
    initial.targetRepetitions = std::max(1, static_cast<int>(settings.squatRepetitions()));
    initial.exerciseKind = settings.exerciseKind();
    initial.emergencyEscapesRemaining =
        static_cast<int>(services_.escapeGate.remainingEscapes(services_.time.now()));
    initial.soundEnabled = settings.soundEnabled();
    return initial;
}

void AppModel::beginBreak(bool useCamera, const QString& fallbackMessage) {
    if (activeSessionID_) {
        return;
    }
    const SessionID session = QUuid::createUuid();
    activeOverlayModel_ = std::make_unique<BreakOverlayModel>(initialOverlay(), services_.sounds);
    activeSessionID_ = session;
    installOverlayCallbacks(session);
    connect(activeOverlayModel_.get(), &BreakOverlayModel::previewSideChanged, this, [this] {
        if (activeVerification_) {
            activeVerification_->setPreviewSize(activeOverlayModel_->previewSide());
        }
    });
    Q_EMIT isBreakActiveChanged();
    Q_EMIT overlayModelChanged();

    services_.lockController.lock(*activeOverlayModel_);
    services_.scheduler.breakStarted();
    breakStartedAt_ = services_.time.monotonicSeconds();
    scheduleMaximumBreak(std::max(honorSeconds() + 30, maximumBreakDuration), session);
    if (useCamera) {
        startCameraVerification(session, services_.settings.exerciseKind());
    } else {
        startHonorTimer(session, fallbackMessage);
    }
}

void AppModel::installOverlayCallbacks(const SessionID& session) {
    BreakOverlayModel& overlay = *activeOverlayModel_;
    QPointer<AppModel> self(this);
    // Each callback names its break, so a screen of an earlier break does nothing; nor does a
    // button pressed during the success summary, which would start the break over.
    auto forBreak = [self, session](auto action) {
        return [self, session, action](auto... arguments) {
            if (self && self->activeOverlayModel_ && self->isActive(session) &&
                !self->successDismissTask_.isActive()) {
                action(*self, arguments...);
            }
        };
    };
    overlay.onUseHonorTimer =
        forBreak([session](AppModel& model) { model.startHonorTimer(session, QString()); });
    overlay.onEmergencyEscape =
        forBreak([session](AppModel& model) { model.handleOnScreenEscape(session); });
    overlay.onSwitchToOverheadRaise =
        forBreak([session](AppModel& model) { model.switchToOverheadRaise(session); });
    overlay.onOpenCameraSettings =
        forBreak([session](AppModel& model) { model.openCameraSettings(session); });
    // A stale chord still clears the hold, so it is handled whatever break it names.
    overlay.onEmergencyKeyStateChanged = [self, session](bool held) {
        if (self) {
            self->handleEmergencyKeyState(held, session);
        }
    };
}

void AppModel::clearOverlayCallbacks() {
    BreakOverlayModel& overlay = *activeOverlayModel_;
    overlay.onUseHonorTimer = nullptr;
    overlay.onEmergencyEscape = nullptr;
    overlay.onEmergencyKeyStateChanged = nullptr;
    overlay.onSwitchToOverheadRaise = nullptr;
    overlay.onOpenCameraSettings = nullptr;
}

void AppModel::startCameraVerification(const SessionID& session, ExerciseKind exercise) {
    stopVerification();
    const SettingsStore& settings = services_.settings;
    std::shared_ptr<VerificationEngine> engine = services_.makeCameraEngine(
        settings.selectedCameraID(), exercise, static_cast<int>(settings.squatRepetitions()));
    install(std::move(engine), session, true);
}

void AppModel::startHonorTimer(const SessionID& session, const QString& message) {
    if (!isActive(session)) {
        return;
    }
    stopVerification();
    auto engine = std::make_shared<HonorTimerProvider>(services_.time, honorSeconds());
    scheduleMaximumBreak(honorSeconds() + 30, session);
    if (!message.isEmpty()) {
        activeOverlayModel_->setStatusMessage(message, StatusKind::cameraOff);
    }
    install(std::move(engine), session, false);
}

void AppModel::install(std::shared_ptr<VerificationEngine> engine, const SessionID& session,
                       bool isCamera) {
    activeVerification_ = engine;
    QPointer<AppModel> self(this);
    std::weak_ptr<VerificationEngine> weak = engine;
    engine->onProgress = [self, weak, session, isCamera](const VerificationProgress& value) {
        if (self && self->isCurrent(weak, session)) {
            self->handleProgress(value, isCamera, session);
        }
    };
    engine->onCompletion = [self, weak, session, isCamera] {
        if (self && self->isCurrent(weak, session)) {
            self->completeBreak(session, isCamera);
        }
    };
    engine->setPreviewSize(activeOverlayModel_->previewSide());
    engine->start();
}

bool AppModel::isCurrent(const std::weak_ptr<VerificationEngine>& engine,
                         const SessionID& session) const {
    const auto alive = engine.lock();
    return alive && activeOverlayModel_ && isActive(session) && activeVerification_ == alive;
}

void AppModel::handleProgress(const VerificationProgress& value, bool isCamera,
                              const SessionID& session) {
    const int repetitionsBefore = activeOverlayModel_->repetitions();
    activeOverlayModel_->apply(value);
    if (!isCamera) {
        return;
    }
    if (activeOverlayModel_->repetitions() > repetitionsBefore) {
        extendMaximumBreak(session);
    }
    if (const auto* failed = std::get_if<progress::Failed>(&value)) {
        startHonorTimer(session, failed->message);
    }
}

void AppModel::stopVerification() {
    // Moved out first: stopping may call back, and the callbacks must see no engine.
    if (const auto engine = std::exchange(activeVerification_, nullptr)) {
        engine->onProgress = nullptr;
        engine->onCompletion = nullptr;
        engine->stop();
    }
}

void AppModel::scheduleMaximumBreak(double seconds, const SessionID& session) {
    maximumBreakTask_.cancel();
    seconds = std::max(seconds, 1.0);
    // Nothing pushes the release past the ceiling, whatever re-arms it.
    if (breakStartedAt_) {
        const double elapsed = services_.time.monotonicSeconds() - *breakStartedAt_;
        seconds = std::min(seconds, std::max(0.0, absoluteBreakCeiling - elapsed));
    }
    QPointer<AppModel> self(this);
    maximumBreakTask_ = services_.time.after(seconds, [self, session] {
        if (self && self->isActive(session) && self->activeOverlayModel_) {
            self->skipBreak(session);
        }
    });
}

void AppModel::extendMaximumBreak(const SessionID& session) {
    if (!breakStartedAt_) {
        return;
    }
    const double elapsed = services_.time.monotonicSeconds() - *breakStartedAt_;
    const double remaining = absoluteBreakCeiling - elapsed;
    if (remaining > 0) {
        scheduleMaximumBreak(
            std::min(remaining, std::max(honorSeconds() + 30, maximumBreakDuration)), session);
    }
}

void AppModel::switchToOverheadRaise(const SessionID& session) {
    if (activeOverlayModel_->exerciseKind() == ExerciseKind::overheadRaise) {
        return;
    }
    activeOverlayModel_->switchExercise(ExerciseKind::overheadRaise);
    startCameraVerification(session, ExerciseKind::overheadRaise);
}

void AppModel::openCameraSettings(const SessionID& session) {
    skipBreak(session);
    services_.settingsOpener.openCameraSettings();
}

void AppModel::completeBreak(const SessionID& session, bool verified) {
    if (!isActive(session) || successDismissTask_.isActive()) {
        return;
    }
    maximumBreakTask_.cancel();
    stopVerification();
    emergencyHoldTask_.cancel();
    services_.escapeGate.clearHold();

    BreakOverlayModel& overlay = *activeOverlayModel_;
    const int repetitions = overlay.repetitions();
    if (verified) {
        services_.stats.recordVerifiedBreak(overlay.exerciseKind(), repetitions);
    } else {
        services_.stats.recordTimedBreak(overlay.exerciseKind(), repetitions);
    }
    overlay.updateEmergencyEscape(0, QString());
    overlay.showSuccess(repetitions, static_cast<int>(services_.stats.streakDays()), verified);

    QPointer<AppModel> self(this);
    successDismissTask_ = services_.time.after(successDisplaySeconds, [self, session] {
        if (self && self->isActive(session)) {
            self->releaseBreak(session, true);
        }
    });
}

void AppModel::skipBreak(const SessionID& session) {
    if (!isActive(session) || successDismissTask_.isActive()) {
        return;
    }
    const BreakOverlayModel& overlay = *activeOverlayModel_;
    services_.stats.recordSkippedBreak(overlay.exerciseKind(), overlay.repetitions());
    releaseBreak(session, false);
}

void AppModel::cancelBreakTasks() {
    maximumBreakTask_.cancel();
    successDismissTask_.cancel();
    emergencyHoldTask_.cancel();
    services_.escapeGate.clearHold();
}

void AppModel::releaseBreak(const SessionID& session, bool animated) {
    if (!isActive(session)) {
        return;
    }
    cancelBreakTasks();
    stopVerification();
    activeSessionID_.reset();
    breakStartedAt_.reset();
    clearOverlayCallbacks();
    withdrawHeadsUp();
    // The windows may still read the model while they fade out; it goes once they are gone.
    services_.lockController.release(animated);
    activeOverlayModel_.release()->deleteLater();
    Q_EMIT isBreakActiveChanged();
    Q_EMIT overlayModelChanged();
    services_.scheduler.breakFinished();
}

} // namespace qv
