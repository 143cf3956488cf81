// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/DetectedPoseConversion.h"

#include <gtest/gtest.h>

using namespace qv;

TEST(DetectedPoseConversion, FlipsYAndDerivesRootAndNeckFromTheWeakerSide) {
    DetectedPerson person;
    auto set = [&](BodyKeypoint k, double x, double y, float c) {
        person.keypoints[static_cast<std::size_t>(k)] = {x, y, c};
    };
    set(BodyKeypoint::leftHip, 0.4, 0.6, 0.8f);
    set(BodyKeypoint::rightHip, 0.6, 0.6, 0.5f);
    set(BodyKeypoint::leftShoulder, 0.4, 0.2, 0.9f);
    set(BodyKeypoint::rightShoulder, 0.6, 0.3, 0.7f);
    set(BodyKeypoint::leftAnkle, 0.4, 0.95, 0.05f);

    const PoseSnapshot snapshot = poseSnapshotFromDetectedPerson(&person, 7.5);
    EXPECT_EQ(snapshot.capturedAt, 7.5);
    EXPECT_EQ(snapshot.presentJointCount(), jointCount);
    EXPECT_EQ(snapshot.joint(Joint::root), (PoseJoint{{0.5, 0.4}, 0.5f}));
    EXPECT_NEAR(snapshot.joint(Joint::neck)->point.y, 0.75, 1e-12);
    EXPECT_EQ(snapshot.joint(Joint::neck)->confidence, 0.7f);
    EXPECT_NEAR(snapshot.joint(Joint::leftAnkle)->point.y, 0.05, 1e-12);
    EXPECT_EQ(snapshot.joint(Joint::leftAnkle)->confidence, 0.05f); // kept, however unsure

    EXPECT_TRUE(poseSnapshotFromDetectedPerson(nullptr, 2.0).isEmpty());
}
