// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/OverheadRaiseClassifier.h"

#include "core/verification/FeedbackCue.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

// The top of the head sits about one upper arm above the shoulder joints; the middle of the
// head, half of that. Raises to the side or to the front end below the middle of the head.
constexpr double headLineReach = 1.0;
constexpr double lowLineReach = 0.5;
constexpr double minimumReach = 0.04;
constexpr double noseToHeadTop = 1.3;
constexpr double hangingSlope = 0.47; // tan 25°
// Raising the upper arms past the horizontal lifts the shoulders by up to about a quarter of an
// upper arm; a lower nose than that is the head bowing, which must not bring the line down.
constexpr double maximumShrug = 0.25;

QString raiseArms() {
    return feedbackKey(FeedbackCue::raiseArms);
}
QString lowerArms() {
    return feedbackKey(FeedbackCue::lowerArms);
}

double higherShoulder(const OverheadRaiseClassifier::Sample& s) {
    return std::max(s.leftShoulderY, s.rightShoulderY);
}

// This frame's evidence of the upper arm's length: the mean vertical extent of the two upper
// arms, and at least 1.3 times the height of the nose over the shoulders (the top of the head
// is a little higher still), which keeps a scale while both arms are held out sideways.
double armExtent(const PoseSnapshot& snapshot, const PoseJoint& leftShoulder,
                 const PoseJoint& rightShoulder, const PoseJoint& leftElbow,
                 const PoseJoint& rightElbow) {
    double extent = (std::abs(leftShoulder.point.y - leftElbow.point.y) +
                     std::abs(rightShoulder.point.y - rightElbow.point.y)) /
                    2;
    if (const auto nose = snapshot.confidentJoint(Joint::nose)) {
        const double shoulders = (leftShoulder.point.y + rightShoulder.point.y) / 2;
        extent = std::max(extent, noseToHeadTop * (nose->point.y - shoulders));
    }
    return extent;
}

// Upper arm and forearm both pointing down within about 25° of the vertical.
bool isHanging(const PoseJoint& shoulder, const PoseJoint& elbow, const PoseJoint& wrist) {
    auto isSteepDown = [](PosePoint from, PosePoint to) {
        const double drop = from.y - to.y;
        return drop > 0 && std::abs(from.x - to.x) <= hangingSlope * drop;
    };
    return isSteepDown(shoulder.point, elbow.point) && isSteepDown(elbow.point, wrist.point);
}

struct SampleWithExtent {
    OverheadRaiseClassifier::Sample sample;
    double extent = 0;
    bool isHanging = false;
    bool isElbowsAboveShoulders = false;
    std::optional<double> noseY;
};

std::optional<SampleWithExtent> makeSample(const PoseSnapshot& snapshot) {
    const auto leftShoulder = snapshot.confidentJoint(Joint::leftShoulder);
    const auto rightShoulder = snapshot.confidentJoint(Joint::rightShoulder);
    const auto leftElbow = snapshot.confidentJoint(Joint::leftElbow);
    const auto rightElbow = snapshot.confidentJoint(Joint::rightElbow);
    const auto leftWrist =
        snapshot.confidentJoint(Joint::leftWrist, OverheadRaiseClassifier::wristConfidence);
    const auto rightWrist =
        snapshot.confidentJoint(Joint::rightWrist, OverheadRaiseClassifier::wristConfidence);
    if (!leftShoulder || !rightShoulder || !leftElbow || !rightElbow || !leftWrist || !rightWrist) {
        return std::nullopt;
    }
    SampleWithExtent made;
    made.extent = armExtent(snapshot, *leftShoulder, *rightShoulder, *leftElbow, *rightElbow);
    if (const auto nose = snapshot.confidentJoint(Joint::nose)) {
        made.noseY = nose->point.y;
    }
    made.isElbowsAboveShoulders =
        leftElbow->point.y > leftShoulder->point.y && rightElbow->point.y > rightShoulder->point.y;
    made.isHanging = isHanging(*leftShoulder, *leftElbow, *leftWrist) &&
                     isHanging(*rightShoulder, *rightElbow, *rightWrist);
    OverheadRaiseClassifier::Sample& s = made.sample;
    s.leftShoulderY = leftShoulder->point.y;
    s.rightShoulderY = rightShoulder->point.y;
    s.leftWristY = leftWrist->point.y;
    s.rightWristY = rightWrist->point.y;
    const double reach = std::max(made.extent, minimumReach);
    s.headY = higherShoulder(s) + headLineReach * reach;
    s.lowY = higherShoulder(s) + lowLineReach * reach;
    return made;
}

} // namespace

bool OverheadRaiseClassifier::Sample::isUp() const {
    return leftWristY > headY && rightWristY > headY;
}

bool OverheadRaiseClassifier::Sample::isRaised() const {
    return leftWristY > leftShoulderY && rightWristY > rightShoulderY;
}

bool OverheadRaiseClassifier::Sample::isDown() const {
    return leftWristY < lowY && rightWristY < lowY;
}

double OverheadRaiseClassifier::ArmReach::update(double extent, bool isHanging, double now) {
    // The median of three drops a single misplaced elbow.
    extents_.push(extent);
    if (extents_.full()) {
        if (isHanging) {
            longest_.clear();
        }
        longest_.push(std::max(std::min(extents_[0], extents_[1]),
                               std::min(std::max(extents_[0], extents_[1]), extents_[2])),
                      now);
    }
    return std::max(longest_.value().value_or(extent), minimumReach);
}

void OverheadRaiseClassifier::ArmReach::reset() {
    extents_.clear();
    longest_.clear();
}

double OverheadRaiseClassifier::RestingShoulders::update(double shoulderY,
                                                         std::optional<double> noseY,
                                                         bool isHanging,
                                                         bool isElbowsAboveShoulders,
                                                         double reach) {
    if (!noseY) {
        return shoulderY;
    }
    if (isHanging) {
        noseAbove_ = *noseY - shoulderY;
        return shoulderY;
    }
    // Upper arms at or below the horizontal (a curl, a goalpost) barely move the girdle; and
    // never seen at rest, there is no height to go back to.
    if (!isElbowsAboveShoulders || !noseAbove_) {
        return shoulderY;
    }
    // A nose higher than at rest (someone looking up at the hands) never raises the line.
    return std::clamp(*noseY - *noseAbove_, shoulderY - maximumShrug * reach, shoulderY);
}

void OverheadRaiseClassifier::RestingShoulders::reset() {
    noseAbove_.reset();
}

std::optional<OverheadRaiseClassifier::Sample>
OverheadRaiseClassifier::sample(const PoseSnapshot& snapshot) {
    const auto made = makeSample(snapshot);
    return made ? std::optional(made->sample) : std::nullopt;
}

OverheadRaiseClassifier::Result OverheadRaiseClassifier::update(const PoseSnapshot& snapshot,
                                                                double now) {
    auto made = makeSample(snapshot);
    if (!made) {
        return result(phase_ == Phase::ready ? raiseArms() : lowerArms());
    }
    const double reach = reach_.update(made->extent, made->isHanging, now);
    const double shoulders =
        shoulders_.update(higherShoulder(made->sample), made->noseY, made->isHanging,
                          made->isElbowsAboveShoulders, reach);
    made->sample.headY = shoulders + headLineReach * reach;
    made->sample.lowY = higherShoulder(made->sample) + lowLineReach * reach;
    samples_.push(made->sample);
    if (!samples_.full()) {
        return result(lowerArms());
    }
    return result(advance(now));
}

QString OverheadRaiseClassifier::advance(double now) {
    int up = 0;
    int down = 0;
    for (std::size_t i = 0; i < samples_.size(); ++i) {
        up += samples_[i].isUp() ? 1 : 0;
        down += samples_[i].isDown() ? 1 : 0;
    }
    // Hands that sweep from the hips to overhead and back within a fifth of a second may be
    // above the head on one analysed frame only; a stray frame has the arms down beside it.
    const bool isBriefTop = samples_[1].isUp() && samples_[0].isRaised() && samples_[2].isRaised();
    const bool armsUp = 2 * up > windowSize || isBriefTop;
    const bool armsDown = 2 * down > windowSize;

    switch (phase_) {
    case Phase::seekingStart:
        // Arms already overhead when counting starts: a raise under way, counted once they
        // come down.
        phase_ = armsUp ? Phase::overhead : Phase::ready;
        return armsUp ? lowerArms() : raiseArms();
    case Phase::ready:
        if (armsUp) {
            phase_ = Phase::overhead;
            return lowerArms();
        }
        return raiseArms();
    case Phase::overhead:
        if (!armsDown) {
            return lowerArms();
        }
        if (now - lastRepetitionAt_ >= repetitionDebounce) {
            ++repetitions_;
            lastRepetitionAt_ = now;
        }
        phase_ = Phase::ready;
        return raiseArms();
    }
    return lowerArms();
}

OverheadRaiseClassifier::Result OverheadRaiseClassifier::result(QString feedback) const {
    Result r;
    r.repetitions = repetitions_;
    r.phase = phase_;
    r.feedback = std::move(feedback);
    r.leftWristY = samples_.meanOf([](const Sample& x) { return x.leftWristY; });
    r.rightWristY = samples_.meanOf([](const Sample& x) { return x.rightWristY; });
    r.headY = samples_.meanOf([](const Sample& x) { return x.headY; });
    return r;
}

void OverheadRaiseClassifier::reset() {
    phase_ = Phase::seekingStart;
    samples_.clear();
    reach_.reset();
    shoulders_.reset();
}

} // namespace qv
