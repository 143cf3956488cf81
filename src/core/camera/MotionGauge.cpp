// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/camera/StillnessGauge.h"

#include <cmath>

namespace qv {

void StillnessGauge::add(const PoseSnapshot& pose) {
    // Nobody in view, or no torso to measure by: the person may be about to appear or to
    // move, and only the full rate finds out soon enough.
    if (!last_ || !pose.torsoLength() || hasMoved(pose)) {
        movedAt_ = pose.capturedAt;
    }
    last_ = pose.torsoLength() ? std::optional(pose) : std::nullopt;
}

bool StillnessGauge::isStill() const {
    return last_ && last_->capturedAt - movedAt_ >= settleTime;
}

void StillnessGauge::reset() {
    last_.reset();
    movedAt_ = std::numeric_limits<double>::infinity();
}

bool StillnessGauge::hasMoved(const PoseSnapshot& pose) const {
    const double seconds = pose.capturedAt - last_->capturedAt;
    if (!(seconds > 0)) {
        return true;
    }
    const double limit = movingSpeed * *pose.torsoLength() * seconds;
    int compared = 0;
    for (const Joint joint : allJoints) {
        const auto now = pose.confidentJoint(joint);
        const auto before = last_->confidentJoint(joint);
        // A joint near the confidence floor flickers in and out; only joints seen on both
        // frames tell a movement.
        if (!now || !before) {
            continue;
        }
        ++compared;
        if (std::hypot(now->point.x - before->point.x, now->point.y - before->point.y) > limit) {
            return true;
        }
    }
    return compared == 0;
}

} // namespace qv
