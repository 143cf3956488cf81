// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/PoseSnapshot.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qv {

namespace {

constexpr double minimumTorsoLength = 0.02;
constexpr double framingMarginLow = 0.035;
constexpr double framingMarginHigh = 0.965;

struct LegTriple {
    Joint hip;
    Joint knee;
    Joint ankle;
};

constexpr LegTriple legTriple(PoseSnapshot::Leg leg) {
    return leg == PoseSnapshot::Leg::left
               ? LegTriple{Joint::leftHip, Joint::leftKnee, Joint::leftAnkle}
               : LegTriple{Joint::rightHip, Joint::rightKnee, Joint::rightAnkle};
}

bool isWithinFrame(PosePoint point) {
    auto inside = [](double v) { return v >= framingMarginLow && v <= framingMarginHigh; };
    return inside(point.x) && inside(point.y);
}

} // namespace

bool PoseSnapshot::isEmpty() const {
    return presentJointCount() == 0;
}

int PoseSnapshot::presentJointCount() const {
    return static_cast<int>(
        std::count_if(joints_.begin(), joints_.end(), [](const auto& j) { return j.has_value(); }));
}

std::optional<PoseJoint> PoseSnapshot::confidentJoint(Joint which, float minimumConfidence) const {
    const auto& found = joint(which);
    if (found && found->confidence >= minimumConfidence) {
        return found;
    }
    return std::nullopt;
}

std::optional<PoseJoint> PoseSnapshot::framedJoint(Joint which) const {
    const auto found = confidentJoint(which);
    return found && isWithinFrame(found->point) ? found : std::nullopt;
}

std::optional<PoseSnapshot::LegJoints> PoseSnapshot::legJoints(Leg leg,
                                                               float minimumConfidence) const {
    const LegTriple triple = legTriple(leg);
    const auto hip = confidentJoint(triple.hip, minimumConfidence);
    const auto knee = confidentJoint(triple.knee, minimumConfidence);
    const auto ankle = confidentJoint(triple.ankle, minimumConfidence);
    if (!hip || !knee || !ankle) {
        return std::nullopt;
    }
    return LegJoints{*hip, *knee, *ankle};
}

std::vector<PoseSnapshot::Leg> PoseSnapshot::availableLegs() const {
    std::vector<Leg> legs;
    for (Leg leg : {Leg::left, Leg::right}) {
        if (legJoints(leg, poseConfidenceFloor)) {
            legs.push_back(leg);
        }
    }
    return legs;
}

bool PoseSnapshot::hasThigh() const {
    for (Leg leg : {Leg::left, Leg::right}) {
        const LegTriple triple = legTriple(leg);
        if (framedJoint(triple.hip) && framedJoint(triple.knee)) {
            return true;
        }
    }
    return false;
}

std::optional<double> PoseSnapshot::hipCenterY() const {
    double sum = 0;
    int count = 0;
    for (Joint hip : {Joint::leftHip, Joint::rightHip}) {
        if (const auto found = confidentJoint(hip)) {
            sum += found->point.y;
            ++count;
        }
    }
    if (count > 0) {
        return sum / count;
    }
    if (const auto root = confidentJoint(Joint::root)) {
        return root->point.y;
    }
    return std::nullopt;
}

std::optional<double> PoseSnapshot::torsoLength() const {
    const auto root = confidentJoint(Joint::root);
    const auto neck = confidentJoint(Joint::neck);
    if (!root || !neck) {
        return std::nullopt;
    }
    const double length = std::hypot(root->point.x - neck->point.x, root->point.y - neck->point.y);
    if (length > minimumTorsoLength) {
        return length;
    }
    return std::nullopt;
}

bool PoseSnapshot::hasFramedLeg() const {
    for (Leg leg : availableLegs()) {
        const auto joints = legJoints(leg, poseConfidenceFloor);
        if (isWithinFrame(joints->hip.point) && isWithinFrame(joints->knee.point) &&
            isWithinFrame(joints->ankle.point)) {
            return true;
        }
    }
    return false;
}

std::optional<double> kneeAngleDegrees(PosePoint hip, PosePoint knee, PosePoint ankle) {
    const double ax = hip.x - knee.x;
    const double ay = hip.y - knee.y;
    const double cx = ankle.x - knee.x;
    const double cy = ankle.y - knee.y;
    const double lengths = std::hypot(ax, ay) * std::hypot(cx, cy);
    if (!(lengths > std::numeric_limits<double>::epsilon())) {
        return std::nullopt;
    }
    const double cosine = std::clamp((ax * cx + ay * cy) / lengths, -1.0, 1.0);
    return std::acos(cosine) * 180.0 / 3.141592653589793;
}

} // namespace qv
