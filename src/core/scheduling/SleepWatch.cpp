// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scheduling/SleepWatch.h"

#include <utility>

namespace qv {

void SleepWatch::observe(const QDateTime& wall, double monotonic) {
    if (lastWall_) {
        const double wallSeconds = static_cast<double>(lastWall_->msecsTo(wall)) / 1000.0;
        const double gap = wallSeconds - (monotonic - lastMonotonic_);
        if (gap >= minimumSleep) {
            lastSleep_ = Sleep{gap, monotonic};
        }
    }
    lastWall_ = wall;
    lastMonotonic_ = monotonic;
}

std::optional<SleepWatch::Sleep> SleepWatch::takeRecentSleep(double monotonicNow,
                                                             double withinSeconds) {
    if (!lastSleep_ || monotonicNow - lastSleep_->wokeAt > withinSeconds) {
        return std::nullopt;
    }
    return std::exchange(lastSleep_, std::nullopt);
}

} // namespace qv
