// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/DetectedPoseConversion.h"

#include <algorithm>
#include <utility>

namespace qv {

namespace {

PoseJoint toPoseJoint(const DetectedKeypoint& keypoint) {
    return PoseJoint{{keypoint.x, 1.0 - keypoint.y}, keypoint.confidence};
}

const DetectedKeypoint& keypoint(const DetectedPerson& person, BodyKeypoint which) {
    return person.keypoints[static_cast<std::size_t>(which)];
}

PoseJoint midpoint(const DetectedPerson& person, BodyKeypoint a, BodyKeypoint b) {
    const PoseJoint first = toPoseJoint(keypoint(person, a));
    const PoseJoint second = toPoseJoint(keypoint(person, b));
    return PoseJoint{
        {(first.point.x + second.point.x) * 0.5, (first.point.y + second.point.y) * 0.5},
        std::min(first.confidence, second.confidence)};
}

} // namespace

PoseSnapshot poseSnapshotFromDetectedPerson(const DetectedPerson* person, double capturedAt) {
    PoseSnapshot snapshot(capturedAt);
    if (person == nullptr) {
        return snapshot;
    }
    snapshot.setJoint(Joint::root,
                      midpoint(*person, BodyKeypoint::leftHip, BodyKeypoint::rightHip));
    snapshot.setJoint(Joint::neck,
                      midpoint(*person, BodyKeypoint::leftShoulder, BodyKeypoint::rightShoulder));
    for (const auto& [joint, source] : directlyDetectedJoints) {
        snapshot.setJoint(joint, toPoseJoint(keypoint(*person, source)));
    }
    return snapshot;
}

} // namespace qv
