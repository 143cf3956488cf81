// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/verification/Joint.h"

#include <array>
#include <optional>
#include <vector>

namespace qv {

// A position in normalised image coordinates: 0 … 1 over the oriented image, origin at the
// lower left, y growing upwards.
struct PosePoint {
    double x = 0;
    double y = 0;

    bool operator==(const PosePoint&) const = default;
};

struct PoseJoint {
    PosePoint point;
    float confidence = 0; // the detector's own, 0 … 1

    bool operator==(const PoseJoint&) const = default;
};

// Every exercise query ignores joints below this confidence.
inline constexpr float poseConfidenceFloor = 0.3f;

// The distance between the shoulder joints over the torso's length (shoulders' middle to
// hips' middle) of an adult seen from the front; seen from the side it is less. Stands in for
// the torso where a desk hides the hips.
inline constexpr double shoulderWidthPerTorso = 0.7;

// One analysed frame: the joints the detector reported and when the frame was captured.
// The joints sit in a fixed array indexed by Joint, since this is built for every camera frame
// and read several times by the classifiers.
class PoseSnapshot {
public:
    enum class Leg { left, right };

    struct LegJoints {
        PoseJoint hip;
        PoseJoint knee;
        PoseJoint ankle;
    };

    PoseSnapshot() = default;
    explicit PoseSnapshot(double capturedAtSeconds)
        : capturedAt(capturedAtSeconds) {}

    // Monotonic seconds at which the frame began to be analysed.
    double capturedAt = 0;

    const std::optional<PoseJoint>& joint(Joint joint) const {
        return joints_[static_cast<std::size_t>(jointIndex(joint))];
    }
    void setJoint(Joint joint, PoseJoint value) {
        joints_[static_cast<std::size_t>(jointIndex(joint))] = value;
    }
    void removeJoint(Joint joint) { joints_[static_cast<std::size_t>(jointIndex(joint))].reset(); }
    bool isEmpty() const;
    int presentJointCount() const;

    // The joint when present with at least the given confidence.
    std::optional<PoseJoint> confidentJoint(Joint joint,
                                            float minimumConfidence = poseConfidenceFloor) const;

    // The joint when confident and inside the margin of the image, where the model places
    // joints it can see rather than ones cut off by the picture's edge.
    std::optional<PoseJoint> framedJoint(Joint joint) const;

    // Hip, knee and ankle of the leg when all three reach the minimum confidence.
    std::optional<LegJoints> legJoints(Leg leg, float minimumConfidence) const;
    // Left first, then right: the legs whose three joints reach the confidence floor.
    std::vector<Leg> availableLegs() const;
    // Some leg's hip and knee reach the confidence floor inside the margin of the image, whether
    // or not its ankle is seen: the squat framing test for a picture that ends above the feet.
    bool hasThigh() const;
    // Mean height of the confident hips, else the confident root's height.
    std::optional<double> hipCenterY() const;
    // Distance root to neck when both are confident and it exceeds 0.02.
    std::optional<double> torsoLength() const;
    // Some available leg lies wholly inside the margin of the image: the squat framing test.
    bool hasFramedLeg() const;

    bool operator==(const PoseSnapshot&) const = default;

private:
    std::array<std::optional<PoseJoint>, jointCount> joints_{};
};

// Angle at the knee of hip–knee–ankle in degrees (180 for a straight leg); none when the hip
// or the ankle coincides with the knee.
std::optional<double> kneeAngleDegrees(PosePoint hip, PosePoint knee, PosePoint ankle);

} // namespace qv
