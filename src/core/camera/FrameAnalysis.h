// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/SubjectFollower.h"
#include "core/media/Image.h"
#include "core/verification/PoseDetector.h"
#include "core/verification/PoseSnapshot.h"
#include "core/verification/SubjectTracker.h"

#include <functional>

namespace qv {

struct AnalysedFrame {
    PoseSnapshot pose;
    Image preview; // null when no preview was asked for
};

// The work done on one analysed camera picture: optional mirroring (so a front camera
// behaves like a mirror), pose detection (the whole picture, or the crop the follower keeps
// around the subject), the choice of the person to follow, and a preview whose longer side is
// at most previewSide (none when previewSide is 0).
struct FrameAnalysis {
    using Observer = std::function<void(double capturedAt, const DetectedPeople&)>;

    static AnalysedFrame analyse(Image picture, bool isMirrored, double capturedAt, int previewSide,
                                 PoseDetector& detector, SubjectTracker& tracker,
                                 SubjectFollower& follower, const Observer& observer = {});
};

} // namespace qv
