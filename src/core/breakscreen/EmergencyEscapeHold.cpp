// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/breakscreen/EmergencyEscapeHold.h"

#include "core/breakscreen/BreakScreenTexts.h"

#include <cmath>

namespace qv {

namespace {
// Often enough for the ring to fill smoothly.
constexpr double tickSeconds = 1.0 / 60;
} // namespace

EmergencyEscapeHold::EmergencyEscapeHold(BreakOverlayModel& model, TimeSource& time,
                                         QObject* parent)
    : QObject(parent)
    , model_(model)
    , time_(time) {
    connect(&model_, &BreakOverlayModel::emergencyEscapesRemainingChanged, this,
            &EmergencyEscapeHold::onModelChanged);
    connect(&model_, &BreakOverlayModel::isEmergencyKeyHeldChanged, this,
            &EmergencyEscapeHold::updateHolding);
    connect(&model_, &BreakOverlayModel::totalSecondsChanged, this,
            &EmergencyEscapeHold::updateTexts);
    connect(&model_, &BreakOverlayModel::emergencyEscapeStatusMessageChanged, this,
            &EmergencyEscapeHold::statusMessageChanged);
    updateHolding();
    updateTexts();
}

QString EmergencyEscapeHold::icon() const {
    return isAvailable() ? QStringLiteral("escape") : QStringLiteral("lock");
}

void EmergencyEscapeHold::stop() {
    isStopped_ = true;
    disconnect(&model_, nullptr, this, nullptr);
    completionTask_.cancel();
    tickTask_.cancel();
}

void EmergencyEscapeHold::pressPointer() {
    if (isStopped_) {
        return;
    }
    isPointerPressed_ = true;
    updateHolding();
    completionTask_ = time_.after(holdSeconds, [this] {
        isPointerPressed_ = false;
        updateHolding();
        // Nothing happens when the last escape went while the pointer was down.
        model_.emergencyEscape();
    });
}

void EmergencyEscapeHold::movePointer(double dx, double dy) {
    if (isPointerPressed_ && std::hypot(dx, dy) > maximumMovement) {
        releasePointer();
    }
}

void EmergencyEscapeHold::releasePointer() {
    completionTask_.cancel();
    isPointerPressed_ = false;
    updateHolding();
}

void EmergencyEscapeHold::onModelChanged() {
    Q_EMIT isAvailableChanged();
    Q_EMIT iconChanged();
    updateHolding();
    updateTexts();
}

void EmergencyEscapeHold::updateHolding() {
    const bool holding = (isPointerPressed_ && isAvailable()) || model_.isEmergencyKeyHeld();
    if (holding == isHolding()) {
        return;
    }
    if (holding) {
        holdStartedAt_ = time_.monotonicSeconds();
        tickTask_ = time_.every(tickSeconds, [this] { tick(); });
    } else {
        holdStartedAt_.reset();
        tickTask_.cancel();
    }
    progress_ = 0;
    Q_EMIT isHoldingChanged();
    Q_EMIT progressChanged();
    updateTexts();
}

void EmergencyEscapeHold::tick() {
    const double elapsed = std::max(0.0, time_.monotonicSeconds() - holdStartedAt_.value_or(0));
    const double progress = std::min(elapsed / holdSeconds, 1.0);
    if (progress != progress_) {
        progress_ = progress;
        Q_EMIT progressChanged();
    }
    updateTexts();
}

void EmergencyEscapeHold::updateTexts() {
    std::optional<int> secondsLeft;
    if (holdStartedAt_) {
        const double elapsed = std::max(0.0, time_.monotonicSeconds() - *holdStartedAt_);
        secondsLeft = static_cast<int>(std::ceil(holdSeconds - elapsed));
    }
    const auto texts = breakscreen::escapeTexts(
        model_.emergencyEscapesRemaining(), breakscreen::autoReleaseMinutes(model_.totalSeconds()),
        secondsLeft);
    const auto set = [this](auto& field, const auto& value, auto signal) {
        if (field != value) {
            field = value;
            Q_EMIT(this->*signal)();
        }
    };
    set(title_, texts.title, &EmergencyEscapeHold::titleChanged);
    set(subtitle_, texts.subtitle, &EmergencyEscapeHold::subtitleChanged);
    set(chordKeys_, texts.chordKeys, &EmergencyEscapeHold::chordKeysChanged);
    set(remainingText_, texts.remainingText, &EmergencyEscapeHold::remainingTextChanged);
    set(accessibleName_, texts.accessibleName, &EmergencyEscapeHold::accessibleNameChanged);
    set(accessibleDescription_, texts.accessibleDescription,
        &EmergencyEscapeHold::accessibleDescriptionChanged);
}

} // namespace qv
