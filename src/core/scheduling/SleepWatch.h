// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <optional>

namespace qv {

// Notices that the machine slept. While it is suspended the monotonic clock stands still and
// the wall clock does not, so after waking the wall clock has moved further than the
// monotonic one since the last look. Fed on every scheduler tick.
class SleepWatch {
public:
    // Jumps shorter than this are timer jitter or clock corrections, not sleep.
    static constexpr double minimumSleep = 10.0;

    void observe(const QDateTime& wall, double monotonic);

    // How long the machine slept before its last wake, and when (monotonic) it woke.
    struct Sleep {
        double seconds = 0;
        double wokeAt = 0;
    };
    const std::optional<Sleep>& lastSleep() const { return lastSleep_; }
    // A sleep that ended at most withinSeconds ago, taken so it is credited only once.
    std::optional<Sleep> takeRecentSleep(double monotonicNow, double withinSeconds);

private:
    std::optional<QDateTime> lastWall_;
    double lastMonotonic_ = 0;
    std::optional<Sleep> lastSleep_;
};

} // namespace qv
