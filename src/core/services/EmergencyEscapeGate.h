// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/time/Calendar.h"

#include <QDateTime>
#include <optional>

namespace qv {

class KeyValueStore;
class TimeSource;

enum class EmergencyEscapeResult { escaped, noHoldInProgress, holdTooShort, limitReached };

// The daily allowance of emergency escapes and the timing of a held escape chord.
// The count of today's escapes lives in the key-value store so it survives restarts; the
// first operation on a new local day starts it again at zero. Main thread only.
class EmergencyEscapeGate {
public:
    static inline const QString usesKey = QStringLiteral("emergencyEscape.uses");
    static inline const QString dayKey = QStringLiteral("emergencyEscape.day");
    static constexpr double holdSeconds = 3.0;

    EmergencyEscapeGate(KeyValueStore& defaults, CalendarSource calendar, const TimeSource& time,
                        qint64 dailyLimit);

    qint64 dailyLimit() const { return dailyLimit_; }
    void setDailyLimit(qint64 limit) { dailyLimit_ = limit; }

    void rollOverDayIfNeeded(const QDateTime& now);
    // Never below zero, whatever the limit or the stored count.
    qint64 remainingEscapes(const QDateTime& now);
    // escaped or limitReached.
    EmergencyEscapeResult consumeEscape(const QDateTime& now);

    // Key repeat calls this again while the chord is down; the first press keeps counting.
    void beginHold();
    // timestamp is on the time source's monotonic clock; both default to the clocks' now.
    EmergencyEscapeResult releaseHold(std::optional<double> timestamp = std::nullopt,
                                      std::optional<QDateTime> now = std::nullopt);
    std::optional<double> holdStartedAt() const { return holdStartedAt_; }
    void clearHold() { holdStartedAt_.reset(); }

private:
    qint64 storedUses() const;

    qint64 dailyLimit_;
    KeyValueStore& defaults_;
    CalendarSource calendar_;
    const TimeSource& time_;
    std::optional<double> holdStartedAt_;
};

} // namespace qv
