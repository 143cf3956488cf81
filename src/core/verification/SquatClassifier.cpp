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
// Without feet the hips are measured against the torso: the standing height of the hips above
// the feet is close to twice the torso, which keeps the hips-only depth near 0.4 torso.
constexpr double legsPerTorso = 2.0;
// Without feet or torso: a leg height typical of someone a step or two from the camera.
constexpr double absoluteLegHeight = 0.275;

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

    if (!hipY) {
        if (!trackingLostAt_) {
            trackingLostAt_ = now;
        }
        if (now - *trackingLostAt_ > trackingGrace) {
            resetTracking();
        }
        return output({stepBack(), std::nullopt}, leftAngles_.mean(), rightAngles_.mean());
    }

    trackingLostAt_.reset();
    const bool hadFeet = footY_.has_value();
    followFeet(snapshot, *hipY);
    if (footY_ && !hadFeet && !heightSamples_.empty()) {
        // Heights measured without feet cannot be compared with heights above the feet.
        resetTracking();
        followFeet(snapshot, *hipY);
        chooseTrackingMode(snapshot, leftAngle.has_value(), rightAngle.has_value(), true);
    }
    feetHipY_ = *hipY;
    hipSamples_.push(*hipY);
    heightSamples_.push(*hipY - footY_.value_or(0.0));
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
    d.meanHeight = *heightSamples_.mean();
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
        standingHipY_ = *topHeight_ + footY_.value_or(0.0);
    }
    return output(step, d.smoothedLeft, d.smoothedRight);
}

// The floor is where the lower foot stands. Feet leave it only in a jump or a step back, and
// both lift the hips with them; feet seen rising while the hips stay where they were are a
// model that put both ankles on one raised leg (a high knee seen from the side), and would
// make the hips look low above the feet. So the floor rises no faster than the hips, give
// or take the model's jitter.
double SquatClassifier::floorFrom(double lowerAnkleY, double hipY) const {
    if (!footY_ || !feetHipY_ || lowerAnkleY <= *footY_) {
        return lowerAnkleY;
    }
    const double height = std::max(0.0, *feetHipY_ - *footY_);
    const double allowed = std::max(0.0, hipY - *feetHipY_) + floorJitter * height;
    return std::min(lowerAnkleY, *footY_ + allowed);
}

void SquatClassifier::followFeet(const PoseSnapshot& snapshot, double hipY) {
    // Feet stay planted through a squat. The standing foot is the lower one; with one ankle
    // seen, the other may be the planted foot the model lost (a raised knee, a foot hidden
    // behind the other leg), so that one ankle may lower the foot but not lift it.
    const auto left = snapshot.confidentJoint(Joint::leftAnkle);
    const auto right = snapshot.confidentJoint(Joint::rightAnkle);
    if (left && right) {
        footY_ = floorFrom(std::min(left->point.y, right->point.y), hipY);
    } else if (left || right) {
        const double seen = (left ? left : right)->point.y;
        footY_ = std::min(seen, footY_.value_or(seen));
    }
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
    if (*topHeight_ - d.meanHeight >= requiredDepth * bodyScale(d)) {
        if (!bottomSince_) {
            bottomSince_ = now;
        }
        if (now - *bottomSince_ >= bottomHold) {
            phase_ = Phase::bottom;
            lowestHeight_ = d.meanHeight;
        }
    } else {
        bottomSince_.reset();
    }
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
    return {standUp(), dropRatio(d)};
}

double SquatClassifier::bodyScale(const Derived& d) const {
    // The body's own size: the top height of the hips above the feet when the feet are seen.
    if (footY_ && topHeight_) {
        return *topHeight_;
    }
    return d.isRelative ? legsPerTorso * *d.torsoReference : absoluteLegHeight;
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
    hipSamples_.clear();
    heightSamples_.clear();
    torsoSamples_.clear();
    footY_.reset();
    feetHipY_.reset();
    topHeight_.reset();
    lowestHeight_.reset();
    standingHipY_.reset();
    calibratedTorso_.reset();
    recentTop_.clear();
    bottomSince_.reset();
    trackingLostAt_.reset();
}

} // namespace qv
