#pragma once

#include "core/media/Image.h"
#include "core/verification/PoseDetector.h"
#include "core/verification/PoseSnapshot.h"
#include "core/verification/SubjectTracker.h"

#include <functional>

namespace qv {

struct AnalysedFrame {
    PoseSnapshot pose;
    Image preview;
};

// The work done on one analysed camera picture: optional mirroring (so a front camera
// behaves like a mirror), pose detection, the choice of the person to follow, and a preview
// whose longer side is at most maximumPreviewSide.
struct FrameAnalysis {
    static constexpr int maximumPreviewSide = 960;

    using Observer = std::function<void(double capturedAt, const DetectedPeople&)>;

    static AnalysedFrame analyse(Image picture, bool isMirrored, double capturedAt,
                                 PoseDetector& detector, SubjectTracker& tracker,
                                 const Observer& observer = {});
};

// The picture flipped left to right.
void mirrorHorizontally(Image& image);

} // namespace qv
