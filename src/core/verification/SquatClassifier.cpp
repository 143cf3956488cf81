// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/SquatClassifier.h"

#include "core/verification/FeedbackCue.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

constexpr float bilateralConfidence = 0.42f;
constexpr int calibrationFrames = 3;
constexpr double minimumTorsoReference = 0.02;

QString stepBack() {
    return feedbackKey(FeedbackCue::stepBack);
}
QString standTall() {
    return feedbackKey(FeedbackCue::standTall);
}
QString squatDown() {
    return feedbackKey(FeedbackCue::squatDown);
}
QString standUp() {
    return feedbackKey(FeedbackCue::standUp);
}

std::optional<double> kneeAngle(const PoseSnapshot& snapshot, PoseSnapshot::Leg leg) {
    const auto joints = snapshot.legJoints(leg, poseConfidenceFloor);
    if (!joints) {
        return std::nullopt;
    }
    return kneeAngleDegrees(joints->hip.point, joints->knee.point, joints->ankle.point);
}

// The weakest of the leg's three joints when all are reported, else 0.
float legConfidence(const PoseSnapshot& snapshot, Joint hip, Joint knee, Joint ankle) {
    const auto& h = snapshot.joint(hip);
    const auto& k = snapshot.joint(knee);
    const auto& a = snapshot.joint(ankle);
    if (!h || !k || !a) {
        return 0;
    }
    return std::min({h->confidence, k->confidence, a->confidence});
}

std::optional<double> lowerKnee(const PoseSnapshot& snapshot) {
    const auto left = snapshot.confidentJoint(Joint::leftKnee);
    const auto right = snapshot.confidentJoint(Joint::rightKnee);
    if (left && right) {
        return std::min(left->point.y, right->point.y);
    }
    return left ? std::optional(left->point.y)
                : (right ? std::optional(right->point.y) : std::nullopt);
}

std::optional<double> meanOfExisting(std::optional<double> a, std::optional<double> b) {
    if (a && b) {
        return (*a + *b) / 2;
    }
    return a ? a : b;
}

} // namespace

struct SquatClassifier::Derived {
    double meanHeight = 0;
    std::optional<double> smoothedLeft;
    std::optional<double> smoothedRight;
    std::optional<double> torsoReference;
    bool isRelative = false;
};

SquatClassifier::Output SquatClassifier::update(const PoseSnapshot& snapshot, double now) {
    const auto leftAngle = kneeAngle(snapshot, PoseSnapshot::Leg::left);
    const auto rightAngle = kneeAngle(snapshot, PoseSnapshot::Leg::right);
    const auto hipY = snapshot.hipCenterY();
    if (!trackingMode_) {
        chooseTrackingMode(snapshot, leftAngle.has_value(), rightAngle.has_value(),
                           hipY.has_value());
    }

    if (!hipY || !followFloor(snapshot, *hipY)) {
        return lose(now);
    }
    trackingLostAt_.reset();
    if (heightSamples_.empty() && !trackingMode_) {
        chooseTrackingMode(snapshot, leftAngle.has_value(), rightAngle.has_value(), true);
    }
    floorHipY_ = *hipY;
    heightSamples_.push({*hipY - floorY_.value_or(0.0), now});
    if (const auto torso = snapshot.torsoLength()) {
        torsoSamples_.push(*torso);
    }
    if (leftAngle) {
        leftAngles_.push(*leftAngle);
    }
    if (rightAngle) {
        rightAngles_.push(*rightAngle);
    }

    Derived d;
    d.meanHeight = recentHeight(now);
    d.smoothedLeft = leftAngles_.mean();
    d.smoothedRight = rightAngles_.mean();
    d.torsoReference = torsoSamples_.empty() ? calibratedTorso_ : torsoSamples_.mean();
    d.isRelative = d.torsoReference && *d.torsoReference > minimumTorsoReference;

    Step step{standTall(), std::nullopt};
    switch (phase_) {
    case Phase::seekingStanding:
        step = calibrate(d, now);
        break;
    case Phase::standing:
        step = awaitDescent(d, now);
        break;
    case Phase::bottom:
        step = awaitReturn(d, now);
        break;
    }
    if (topHeight_) {
        standingHipY_ = *topHeight_ + floorY_.value_or(0.0);
    }
    return output(step, d.smoothedLeft, d.smoothedRight);
}

double SquatClassifier::recentHeight(double now) const {
    double sum = 0;
    int count = 0;
    for (std::size_t i = 0; i < heightSamples_.size(); ++i) {
        if (now - heightSamples_[i].at <= smoothingSpan) {
            sum += heightSamples_[i].value;
            ++count;
        }
    }
    // The newest sample is always within the span, unless time ran backwards.
    return count > 0 ? sum / count : heightSamples_.back().value;
}

SquatClassifier::Output SquatClassifier::lose(double now) {
    if (!trackingLostAt_) {
        trackingLostAt_ = now;
    }
    if (now - *trackingLostAt_ > trackingGrace) {
        resetTracking();
    }
    return output({stepBack(), std::nullopt}, leftAngles_.mean(), rightAngles_.mean());
}

// The floor is where the lower foot stands. Feet leave it only in a jump or a step back, and
// both lift the hips with them; feet seen rising while the hips stay where they were are a
// model that put both ankles on one raised leg (a high knee seen from the side), and would
// make the hips look low above the feet. So the floor rises no faster than the hips, give
// or take the model's jitter. Knees standing in for the feet follow the same rule: the knee of
// the standing leg stays low while the other one rises in a march.
double SquatClassifier::floorFrom(double lowerJointY, double hipY) const {
    if (!floorY_ || !floorHipY_ || lowerJointY <= *floorY_) {
        return lowerJointY;
    }
    const double height = std::max(0.0, *floorHipY_ - *floorY_);
    const double allowed = std::max(0.0, hipY - *floorHipY_) + floorJitter * height;
    return std::min(lowerJointY, *floorY_ + allowed);
}

bool SquatClassifier::followFloor(const PoseSnapshot& snapshot, double hipY) {
    // The feet when an ankle is seen; else the knees, when the picture ends above the feet. A
    // knee at the picture's edge may be below it, where a landing from a jump bends it unseen:
    // it is no floor. A lower floor coming into view starts the measure afresh, as heights
    // above the knees cannot be compared with heights above the feet. Feet lost from view are
    // kept where they were last seen, as they stay in place through a squat; knees lost from
    // view leave the hips with nothing to be measured against.
    Floor seen = Floor::feet;
    auto left = snapshot.confidentJoint(Joint::leftAnkle);
    auto right = snapshot.confidentJoint(Joint::rightAnkle);
    // A standing foot is below the knees; an ankle above the lower knee is a foot lifted into
    // a picture that ends above the feet (a high knee), not the floor.
    if (const auto knee = lowerKnee(snapshot)) {
        const auto isLifted = [&](const auto& ankle) { return ankle && ankle->point.y >= *knee; };
        if (isLifted(left)) {
            left.reset();
        }
        if (isLifted(right)) {
            right.reset();
        }
    }
    if (!left && !right) {
        seen = Floor::knees;
        left = snapshot.framedJoint(Joint::leftKnee);
        right = snapshot.framedJoint(Joint::rightKnee);
    }
    if (!left && !right) {
        return floor_ == Floor::feet;
    }
    if (seen > floor_) {
        if (!heightSamples_.empty()) {
            resetTracking();
        }
        floor_ = seen;
    } else if (seen < floor_) {
        return true;
    }
    // The standing leg's joint is the lower one; with one seen, the other may be the standing
    // one the model lost (a raised knee, a leg hidden behind the other), so that one joint may
    // lower the floor but not lift it.
    if (left && right) {
        floorY_ = floorFrom(std::min(left->point.y, right->point.y), hipY);
    } else {
        const double one = (left ? left : right)->point.y;
        floorY_ = std::min(one, floorY_.value_or(one));
    }
    return true;
}

void SquatClassifier::chooseTrackingMode(const PoseSnapshot& snapshot, bool hasLeft, bool hasRight,
                                         bool hasHips) {
    if (hasLeft && hasRight) {
        const float left =
            legConfidence(snapshot, Joint::leftHip, Joint::leftKnee, Joint::leftAnkle);
        const float right =
            legConfidence(snapshot, Joint::rightHip, Joint::rightKnee, Joint::rightAnkle);
        if (std::min(left, right) >= bilateralConfidence) {
            trackingMode_ = TrackingMode::bilateral;
        } else {
            trackingMode_ = right > left ? TrackingMode::rightSide : TrackingMode::leftSide;
        }
    } else if (hasLeft) {
        trackingMode_ = TrackingMode::leftSide;
    } else if (hasRight) {
        trackingMode_ = TrackingMode::rightSide;
    } else if (hasHips) {
        trackingMode_ = TrackingMode::bilateral;
    }
}

SquatClassifier::Step SquatClassifier::calibrate(const Derived& d, double now) {
    // The first reading is only a starting point: the top rises with the motion.
    if (heightSamples_.size() >= calibrationFrames) {
        recentTop_.push(d.meanHeight, now);
        topHeight_ = d.meanHeight;
        calibratedTorso_ = d.torsoReference;
        phase_ = Phase::standing;
    }
    return {standTall(), std::nullopt};
}

SquatClassifier::Step SquatClassifier::awaitDescent(const Derived& d, double now) {
    if (!topHeight_) {
        resetTracking();
        return {standTall(), std::nullopt};
    }
    // The top is the highest point of the last few seconds standing: it rises at once and
    // follows someone who settles lower (a wider stance, a step back) once the old top is a
    // few seconds behind, while even a slow descent still starts from it.
    if (d.meanHeight >= *topHeight_) {
        calibratedTorso_ = d.torsoReference;
    }
    recentTop_.push(d.meanHeight, now);
    topHeight_ = recentTop_.value();
    // Measured by the body's own size, the top height itself. Above the knees that is a thigh,
    // half the leg, but the knees come down too, about half as far as the hips when shins and
    // thighs lean alike: the same share of it is the same squat.
    const double depth = requiredDepth * *topHeight_;
    const double drop = *topHeight_ - d.meanHeight;
    if (drop >= depth) {
        if (!bottomSince_) {
            bottomSince_ = now;
            const bool isSparse = now - lastDropAt_ >= bottomHold;
            briefBottom_ =
                isSparse && lastDrop_ >= depth / 4 ? std::optional(d.meanHeight) : std::nullopt;
        }
        if (now - *bottomSince_ >= bottomHold) {
            phase_ = Phase::bottom;
            lowestHeight_ = d.meanHeight;
            briefBottom_.reset();
        }
    } else {
        // Frames farther apart than the hold cannot show it on two of them: there a brisk
        // squat shows its bottom on one frame, between two a quarter of the way down or more,
        // while a stray frame has the hips near the top beside it.
        if (briefBottom_ && bottomSince_ && drop >= depth / 4 &&
            now - *bottomSince_ >= bottomHold) {
            phase_ = Phase::bottom;
            lowestHeight_ = *briefBottom_;
        }
        bottomSince_.reset();
        briefBottom_.reset();
    }
    lastDrop_ = drop;
    lastDropAt_ = now;
    return {squatDown(), dropRatio(d)};
}

SquatClassifier::Step SquatClassifier::awaitReturn(const Derived& d, double now) {
    if (!topHeight_) {
        resetTracking();
        return {standTall(), std::nullopt};
    }
    lowestHeight_ = std::min(d.meanHeight, lowestHeight_.value_or(d.meanHeight));
    if (d.meanHeight >= *topHeight_ - returnShare * (*topHeight_ - *lowestHeight_)) {
        // A return sooner than the debounce after the last count is the same repetition
        // seen twice (a jittery bottom), not a new one.
        if (now - lastRepetitionAt_ >= repetitionDebounce) {
            ++repetitions_;
            lastRepetitionAt_ = now;
        }
        phase_ = Phase::standing;
        bottomSince_.reset();
        lowestHeight_.reset();
    }
    lastDrop_ = *topHeight_ - d.meanHeight;
    lastDropAt_ = now;
    return {standUp(), dropRatio(d)};
}

std::optional<double> SquatClassifier::dropRatio(const Derived& d) const {
    if (!d.isRelative || !topHeight_) {
        return std::nullopt;
    }
    return (*topHeight_ - d.meanHeight) / *d.torsoReference;
}

SquatClassifier::Output SquatClassifier::output(const Step& step,
                                                std::optional<double> smoothedLeft,
                                                std::optional<double> smoothedRight) const {
    Output out;
    out.repetitions = repetitions_;
    out.phase = phase_;
    out.smoothedLeftAngle = smoothedLeft;
    out.smoothedRightAngle = smoothedRight;
    out.smoothedAngle = meanOfExisting(out.smoothedLeftAngle, out.smoothedRightAngle);
    out.trackingMode = trackingMode_;
    out.feedback = step.feedback;
    out.hipDropRatio = step.hipDropRatio;
    out.torsoLength = torsoSamples_.empty() ? calibratedTorso_ : torsoSamples_.back();
    out.standingHipY = standingHipY_;
    return out;
}

void SquatClassifier::resetTracking() {
    phase_ = Phase::seekingStanding;
    trackingMode_.reset();
    leftAngles_.clear();
    rightAngles_.clear();
    heightSamples_.clear();
    torsoSamples_.clear();
    floor_ = Floor::none;
    floorY_.reset();
    floorHipY_.reset();
    topHeight_.reset();
    lowestHeight_.reset();
    standingHipY_.reset();
    calibratedTorso_.reset();
    recentTop_.clear();
    bottomSince_.reset();
    briefBottom_.reset();
    lastDrop_ = 0;
    trackingLostAt_.reset();
}

} // namespace qv
