// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/services/EmergencyEscapeGate.h"

#include "core/storage/KeyValueStore.h"
#include "core/time/TimeSource.h"

#include <algorithm>

namespace qv {

EmergencyEscapeGate::EmergencyEscapeGate(KeyValueStore& defaults, CalendarSource calendar,
                                         const TimeSource& time, qint64 dailyLimit)
    : dailyLimit_(dailyLimit)
    , defaults_(defaults)
    , calendar_(std::move(calendar))
    , time_(time) {}

qint64 EmergencyEscapeGate::storedUses() const {
    return std::max<qint64>(0, defaults_.integer(usesKey).value_or(0));
}

void EmergencyEscapeGate::rollOverDayIfNeeded(const QDateTime& now) {
    const Calendar calendar = calendar_();
    const QDate today = calendar.day(now);
    const auto storedDay = defaults_.date(dayKey);
    if (storedDay && calendar.day(*storedDay) == today) {
        if (defaults_.integer(usesKey).value_or(0) < 0) {
            defaults_.setInteger(usesKey, 0);
        }
        return;
    }
    defaults_.setDate(dayKey, calendar.startOfDay(today).value_or(now));
    defaults_.setInteger(usesKey, 0);
}

qint64 EmergencyEscapeGate::remainingEscapes(const QDateTime& now) {
    rollOverDayIfNeeded(now);
    return std::max<qint64>(0, std::max<qint64>(0, dailyLimit_) - storedUses());
}

EmergencyEscapeResult EmergencyEscapeGate::consumeEscape(const QDateTime& now) {
    rollOverDayIfNeeded(now);
    const qint64 uses = storedUses();
    if (dailyLimit_ >= 0 && uses < dailyLimit_) {
        defaults_.setInteger(usesKey, uses + 1);
        return EmergencyEscapeResult::escaped;
    }
    return EmergencyEscapeResult::limitReached;
}

void EmergencyEscapeGate::beginHold() {
    if (!holdStartedAt_) {
        holdStartedAt_ = time_.monotonicSeconds();
    }
}

EmergencyEscapeResult EmergencyEscapeGate::releaseHold(std::optional<double> timestamp,
                                                       std::optional<QDateTime> now) {
    if (!holdStartedAt_) {
        return EmergencyEscapeResult::noHoldInProgress;
    }
    const double start = *holdStartedAt_;
    holdStartedAt_.reset();
    const double released = timestamp.value_or(time_.monotonicSeconds());
    if (released - start >= holdSeconds) {
        return consumeEscape(now.value_or(time_.now()));
    }
    return EmergencyEscapeResult::holdTooShort;
}

} // namespace qv
