// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/verification/PoseSnapshot.h"

#include <limits>
#include <optional>

namespace qv {

// Tells from the poses of the analysed frames whether the person has been standing still
// for a while, so that fewer frames need to be analysed: a repetition begins with a movement,
// and the first frame that shows it brings the full rate back. Speeds are measured in the
// person's own torso lengths, so near and far people are judged alike.
class StillnessGauge {
public:
    // Seconds without movement before the body counts as still: longer than the pause at the
    // top of a repetition, so that a set in progress keeps the full rate.
    static constexpr double settleTime = 1.5;
    // Speed of a joint, in torso lengths a second, above which the body is moving. A squat's
    // hips pass it within a frame or two of starting down, an arm raise's wrists at once; the
    // models' jitter moves some joint of a still body by up to 0.8.
    static constexpr double movingSpeed = 1.0;

    void add(const PoseSnapshot& pose);
    bool isStill() const;
    void reset();

private:
    bool hasMoved(const PoseSnapshot& pose) const;

    std::optional<PoseSnapshot> last_;
    double movedAt_ = std::numeric_limits<double>::infinity(); // nothing seen yet
};

} // namespace qv
