// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/PoseSnapshot.h"

#include <gtest/gtest.h>

using namespace qv;

namespace {

PoseSnapshot withJoints(std::initializer_list<std::tuple<Joint, double, double, float>> joints) {
    PoseSnapshot snapshot(1.0);
    for (const auto& [joint, x, y, confidence] : joints) {
        snapshot.setJoint(joint, {{x, y}, confidence});
    }
    return snapshot;
}

PoseSnapshot standingLegs(float confidence = 0.9f, double ankleY = 0.1) {
    return withJoints({{Joint::leftHip, 0.45, 0.5, confidence},
                       {Joint::leftKnee, 0.45, 0.3, confidence},
                       {Joint::leftAnkle, 0.45, ankleY, confidence},
                       {Joint::rightHip, 0.55, 0.5, confidence},
                       {Joint::rightKnee, 0.55, 0.3, confidence},
                       {Joint::rightAnkle, 0.55, ankleY, confidence}});
}

} // namespace

TEST(PoseSnapshot, HipCenterFallsBackFromBothHipsToOneHipToRoot) {
    struct Case {
        const char* name;
        PoseSnapshot snapshot;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {"both hips",
         withJoints({{Joint::leftHip, 0, 0.4, 0.9f},
                     {Joint::rightHip, 0, 0.5, 0.9f},
                     {Joint::root, 0, 0.9, 0.9f}}),
         0.45},
        {"right hip only",
         withJoints({{Joint::leftHip, 0, 0.4, 0.1f}, {Joint::rightHip, 0, 0.5, 0.9f}}), 0.5},
        {"root only", withJoints({{Joint::leftHip, 0, 0.4, 0.1f}, {Joint::root, 0, 0.6, 0.3f}}),
         0.6},
        {"nothing confident", withJoints({{Joint::root, 0, 0.6, 0.2f}}), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.snapshot.hipCenterY(), c.expected) << c.name;
    }
}

TEST(PoseSnapshot, APictureEndingAboveTheFeetStillFramesAThighButNotAKneeAtItsEdge) {
    PoseSnapshot cut = standingLegs();
    cut.removeJoint(Joint::leftAnkle);
    cut.removeJoint(Joint::rightAnkle);
    EXPECT_FALSE(cut.hasFramedLeg());
    EXPECT_TRUE(cut.hasThigh());
    cut.setJoint(Joint::leftKnee, {{0.45, 0.02}, 0.9f});
    EXPECT_TRUE(cut.hasThigh());
    cut.setJoint(Joint::rightKnee, {{0.55, 0.02}, 0.9f});
    EXPECT_FALSE(cut.hasThigh());
}
