// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settingsui/BreakHoldNotice.h"

#include "core/settingsui/SettingsTexts.h"

namespace qv {

BreakHoldNotice::BreakHoldNotice(BreakScreenHold* hold, QObject* parent)
    : QObject(parent)
    , hold_(hold) {
    if (hold_) {
        hold_->onStatusChanged = [this] { Q_EMIT changed(); };
    }
}

BreakHoldNotice::~BreakHoldNotice() {
    if (hold_) {
        hold_->onStatusChanged = nullptr;
    }
}

BreakHoldStatus BreakHoldNotice::status() const {
    return hold_ ? hold_->status() : BreakHoldStatus{BreakHoldGuarantee::held};
}

QString BreakHoldNotice::sentence() const {
    return settingsTexts::breakHoldNote(status());
}

void BreakHoldNotice::enable() {
    if (hold_ && canEnable()) {
        hold_->enable();
    }
}

} // namespace qv
