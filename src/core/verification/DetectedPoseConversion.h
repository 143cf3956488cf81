#pragma once

#include "verification/DetectedPerson.h"
#include "verification/PoseSnapshot.h"

namespace qv {

// The snapshot of one detected person, in the application's joints and orientation (y up).
// Every keypoint is kept whatever its confidence: consumers apply their own thresholds. The
// model has no root or neck; they are the midpoints of the hips and of the shoulders, as
// confident as the weaker of the two. No person gives a snapshot without joints.
PoseSnapshot poseSnapshotFromDetectedPerson(const DetectedPerson* person, double capturedAt);

} // namespace qv
