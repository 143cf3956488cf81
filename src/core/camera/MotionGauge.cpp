// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/camera/MotionGauge.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qv {

namespace {

constexpr std::array<Joint, 7> legJoints = {Joint::root,      Joint::leftHip,   Joint::rightHip,
                                            Joint::leftKnee,  Joint::rightKnee, Joint::leftAnkle,
                                            Joint::rightAnkle};

// The length movements are measured in: the torso, or, while the hips are hidden (a person
// seated at a desk), what the shoulders' width tells of it; from the side that is too short,
// which only raises the rate.
std::optional<double> bodyLength(const PoseSnapshot& pose) {
    if (const auto torso = pose.torsoLength()) {
        return torso;
    }
    const auto left = pose.confidentJoint(Joint::leftShoulder);
    const auto right = pose.confidentJoint(Joint::rightShoulder);
    if (!left || !right) {
        return std::nullopt;
    }
    // Shoulders seen edge-on, nearer together than this share of the picture, tell no size.
    constexpr double leastShoulders = 0.01;
    const double shoulders =
        std::hypot(left->point.x - right->point.x, left->point.y - right->point.y);
    return shoulders > leastShoulders ? std::optional(shoulders / shoulderWidthPerTorso)
                                      : std::nullopt;
}

} // namespace

void MotionGauge::watch(ExerciseKind exercise) {
    watched_ = exercise == ExerciseKind::squat ? std::span<const Joint>(legJoints)
                                               : std::span<const Joint>(allJoints);
}

void MotionGauge::add(const PoseSnapshot& pose) {
    if (!startedAt_) {
        startedAt_ = pose.capturedAt;
    }
    latestAt_ = pose.capturedAt;
    const auto torso = bodyLength(pose);
    if (!torso) {
        // Nobody in view (or nothing to measure them by). A person just lost is looked for at the
        // full rate, so that a short dropout stays shorter than the classifiers forgive; once
        // nobody has been seen for the hold time, nobody is doing anything that needs many
        // frames, and a search at the least rate finds who walks in.
        wanted_.push(last_ ? std::numeric_limits<double>::infinity() : 0, pose.capturedAt);
        last_.reset();
        return;
    }
    // Someone who just came into view is measured on the next frame.
    if (last_) {
        wanted_.push(wantedRate(pose, *torso), pose.capturedAt);
    }
    last_ = pose;
}

double MotionGauge::rate(double fullRate) const {
    // A run starts at the full rate, and lowers it only once the person has been measured for
    // the hold time: the first frames say little of what the person is doing.
    if (startedAt_ && latestAt_ - *startedAt_ < holdTime) {
        return fullRate;
    }
    return std::clamp(wanted_.value().value_or(fullRate), fullRate * leastShare, fullRate);
}

void MotionGauge::reset() {
    last_.reset();
    wanted_.clear();
    startedAt_.reset();
}

double MotionGauge::wantedRate(const PoseSnapshot& pose, double torso) const {
    const double seconds = pose.capturedAt - last_->capturedAt;
    if (!(seconds > 0)) {
        return std::numeric_limits<double>::infinity();
    }
    double farthest = 0;
    for (const Joint joint : watched_) {
        const auto now = pose.confidentJoint(joint);
        const auto before = last_->confidentJoint(joint);
        // A joint near the confidence floor flickers in and out; only joints seen on both
        // frames tell a movement.
        if (now && before) {
            farthest = std::max(farthest, std::hypot(now->point.x - before->point.x,
                                                     now->point.y - before->point.y));
        }
    }
    return farthest / torso / stepPerFrame / seconds;
}

} // namespace qv
