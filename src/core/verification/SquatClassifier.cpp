#include "core/verification/SquatClassifier.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

constexpr float bilateralConfidence = 0.42f;
constexpr double stillness = 0.015;
constexpr double straightAbove = 160;
constexpr double bentBelow = 150;
constexpr int calibrationFrames = 3;
constexpr double dropWithLegs = 0.3;     // of the torso
constexpr double dropHipsOnly = 0.38;    // of the torso
constexpr double recalibrateBelow = 0.3; // of the required drop
constexpr double returnAtMost = 0.12;    // of the torso
constexpr double absoluteRecalibrate = 0.0165;
constexpr double absoluteBottom = 0.055;
constexpr double absoluteReturn = 0.022;
constexpr double minimumTorsoReference = 0.02;

QString stepBack() {
    return QStringLiteral("Step back");
}
QString standTall() {
    return QStringLiteral("Stand tall");
}
QString squatDown() {
    return QStringLiteral("Squat down");
}
QString standUp() {
    return QStringLiteral("Stand up");
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
    double meanHip = 0;
    std::optional<double> smoothedLeft;
    std::optional<double> smoothedRight;
    bool hasAngles = false;
    bool legsStraight = true;
    bool kneesBent = false;
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
    hipSamples_.push(*hipY);
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
    d.meanHip = *hipSamples_.mean();
    d.smoothedLeft = leftAngles_.mean();
    d.smoothedRight = rightAngles_.mean();
    d.hasAngles = d.smoothedLeft || d.smoothedRight;
    for (const auto& angle : {d.smoothedLeft, d.smoothedRight}) {
        if (angle) {
            d.legsStraight = d.legsStraight && *angle > straightAbove;
            d.kneesBent = d.kneesBent || *angle < bentBelow;
        }
    }
    d.torsoReference = torsoSamples_.empty() ? calibratedTorso_ : torsoSamples_.mean();
    d.isRelative = d.torsoReference && *d.torsoReference > minimumTorsoReference;

    Step step{standTall(), std::nullopt};
    switch (phase_) {
    case Phase::seekingStanding:
        step = calibrate(*hipY, d);
        break;
    case Phase::standing:
        step = awaitDescent(d, now);
        break;
    case Phase::bottom:
        step = awaitReturn(d, now);
        break;
    }
    return output(step, d.smoothedLeft, d.smoothedRight);
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

SquatClassifier::Step SquatClassifier::calibrate(double hipY, const Derived& d) {
    const bool isStill = hipSamples_.size() >= 2 && std::abs(hipY - d.meanHip) < stillness;
    if (isStill && d.legsStraight) {
        ++standingSamples_;
        standingHipY_ = std::max(d.meanHip, standingHipY_.value_or(d.meanHip));
        if (d.torsoReference) {
            calibratedTorso_ = d.torsoReference;
        }
        if (standingSamples_ >= calibrationFrames) {
            phase_ = Phase::standing;
        }
    } else {
        standingSamples_ = 0;
    }
    return {standTall(), std::nullopt};
}

SquatClassifier::Step SquatClassifier::awaitDescent(const Derived& d, double now) {
    if (!standingHipY_) {
        resetTracking();
        return {standTall(), std::nullopt};
    }
    const double drop = *standingHipY_ - d.meanHip;
    bool isBottom = false;
    if (d.isRelative) {
        const double torso = *d.torsoReference;
        const double required = (d.hasAngles ? dropWithLegs : dropHipsOnly) * torso;
        if (drop < recalibrateBelow * required && d.legsStraight) {
            standingHipY_ = std::max(*standingHipY_, d.meanHip);
            calibratedTorso_ = torso;
        }
        isBottom = drop >= required && (d.kneesBent || !d.hasAngles);
    } else {
        if (drop < absoluteRecalibrate && d.legsStraight) {
            standingHipY_ = std::max(*standingHipY_, d.meanHip);
            if (d.torsoReference) {
                calibratedTorso_ = d.torsoReference;
            }
        }
        isBottom = drop >= absoluteBottom && (d.kneesBent || !d.hasAngles);
    }

    if (isBottom) {
        if (!bottomSince_) {
            bottomSince_ = now;
        }
        if (now - *bottomSince_ >= bottomHold) {
            phase_ = Phase::bottom;
        }
    } else {
        bottomSince_.reset();
    }
    return {squatDown(), d.isRelative ? std::optional(drop / *d.torsoReference) : std::nullopt};
}

SquatClassifier::Step SquatClassifier::awaitReturn(const Derived& d, double now) {
    if (!standingHipY_) {
        resetTracking();
        return {standTall(), std::nullopt};
    }
    const double drop = *standingHipY_ - d.meanHip;
    const bool isBackUp =
        d.isRelative ? drop <= returnAtMost * *d.torsoReference : drop <= absoluteReturn;
    if (isBackUp) {
        // A return sooner than the debounce after the last count is the same repetition
        // seen twice (a jittery bottom), not a new one.
        if (now - lastRepetitionAt_ >= repetitionDebounce) {
            ++repetitions_;
            lastRepetitionAt_ = now;
        }
        phase_ = Phase::standing;
        bottomSince_.reset();
    }
    return {standUp(), d.isRelative ? std::optional(drop / *d.torsoReference) : std::nullopt};
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
    torsoSamples_.clear();
    standingHipY_.reset();
    calibratedTorso_.reset();
    bottomSince_.reset();
    trackingLostAt_.reset();
    standingSamples_ = 0;
}

} // namespace qv
