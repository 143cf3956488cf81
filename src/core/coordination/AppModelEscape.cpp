// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/coordination/AppModel.h"

#include <QCoreApplication>

namespace qv {

namespace {
QString holdTooShortMessage() {
    return QCoreApplication::translate("BreakScreen", "Hold for the full three seconds");
}
QString limitReachedMessage() {
    return QCoreApplication::translate("BreakScreen", "Emergency escape limit reached for today");
}
} // namespace

void AppModel::handleEmergencyKeyState(bool isHeld, const SessionID& session) {
    EmergencyEscapeGate& gate = services_.escapeGate;
    // The keys of an earlier screen say nothing about this break's hold.
    if (!isActive(session) || !activeOverlayModel_) {
        return;
    }
    if (successDismissTask_.isActive()) {
        gate.clearHold();
        return;
    }
    emergencyHoldTask_.cancel();
    if (!isHeld) {
        if (!gate.holdStartedAt()) {
            return;
        }
        const EmergencyEscapeResult result = gate.releaseHold();
        if (result == EmergencyEscapeResult::holdTooShort) {
            activeOverlayModel_->updateEmergencyEscape(
                activeOverlayModel_->emergencyEscapesRemaining(), holdTooShortMessage());
        } else {
            handleEscapeResult(result);
        }
        return;
    }
    if (gate.remainingEscapes(services_.time.now()) <= 0) {
        showEscapeLimitReached();
        return;
    }
    activeOverlayModel_->updateEmergencyEscape(activeOverlayModel_->emergencyEscapesRemaining(),
                                               QString());
    gate.beginHold();
    // Held for the full time, the chord escapes without the keys having to be let go.
    QPointer<AppModel> self(this);
    emergencyHoldTask_ = services_.time.after(EmergencyEscapeGate::holdSeconds, [self, session] {
        if (self && self->activeOverlayModel_ && self->isActive(session) &&
            self->services_.escapeGate.holdStartedAt()) {
            self->handleEscapeResult(self->services_.escapeGate.releaseHold());
        }
    });
}

void AppModel::handleOnScreenEscape(const SessionID& session) {
    // A completed break cannot be skipped, so it must not cost one of the day's escapes.
    if (!isActive(session) || !activeOverlayModel_ || successDismissTask_.isActive()) {
        return;
    }
    services_.escapeGate.clearHold();
    handleEscapeResult(services_.escapeGate.consumeEscape(services_.time.now()));
}

void AppModel::handleEscapeResult(EmergencyEscapeResult result) {
    if (!activeOverlayModel_) {
        return;
    }
    switch (result) {
    case EmergencyEscapeResult::escaped: {
        const auto left = services_.escapeGate.remainingEscapes(services_.time.now());
        activeOverlayModel_->updateEmergencyEscape(static_cast<int>(left), QString());
        if (activeSessionID_) {
            skipBreak(*activeSessionID_);
        }
        break;
    }
    case EmergencyEscapeResult::noHoldInProgress:
        break;
    case EmergencyEscapeResult::holdTooShort:
        activeOverlayModel_->updateEmergencyEscape(activeOverlayModel_->emergencyEscapesRemaining(),
                                                   holdTooShortMessage());
        break;
    case EmergencyEscapeResult::limitReached:
        showEscapeLimitReached();
        break;
    }
}

void AppModel::showEscapeLimitReached() {
    activeOverlayModel_->updateEmergencyEscape(0, limitReachedMessage());
}

} // namespace qv
