// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/verification/DetectedPerson.h"
#include "core/verification/PoseSnapshot.h"

#include <array>
#include <utility>

namespace qv {

// The joints a model reports directly, with the keypoint each one comes from.
inline constexpr std::array<std::pair<Joint, BodyKeypoint>, 13> directlyDetectedJoints = {{
    {Joint::nose, BodyKeypoint::nose},
    {Joint::leftShoulder, BodyKeypoint::leftShoulder},
    {Joint::rightShoulder, BodyKeypoint::rightShoulder},
    {Joint::leftElbow, BodyKeypoint::leftElbow},
    {Joint::rightElbow, BodyKeypoint::rightElbow},
    {Joint::leftWrist, BodyKeypoint::leftWrist},
    {Joint::rightWrist, BodyKeypoint::rightWrist},
    {Joint::leftHip, BodyKeypoint::leftHip},
    {Joint::rightHip, BodyKeypoint::rightHip},
    {Joint::leftKnee, BodyKeypoint::leftKnee},
    {Joint::rightKnee, BodyKeypoint::rightKnee},
    {Joint::leftAnkle, BodyKeypoint::leftAnkle},
    {Joint::rightAnkle, BodyKeypoint::rightAnkle},
}};

// The snapshot of one detected person, in the application's joints and orientation (y up).
// Every keypoint is kept whatever its confidence: consumers apply their own thresholds. The
// model has no root or neck; they are the midpoints of the hips and of the shoulders, as
// confident as the weaker of the two. No person gives a snapshot without joints.
PoseSnapshot poseSnapshotFromDetectedPerson(const DetectedPerson* person, double capturedAt);

} // namespace qv
