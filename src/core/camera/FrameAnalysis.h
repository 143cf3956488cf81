// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/Frame.h"
#include "core/camera/SubjectFollower.h"
#include "core/media/Image.h"
#include "core/verification/PoseDetector.h"
#include "core/verification/PoseSnapshot.h"
#include "core/verification/SubjectTracker.h"

#include <functional>

namespace qv {

// A frame's picture and how many times smaller on each side than the frame it was made.
struct FramePicture {
    Image image;
    int shrink = 1;
};

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

    static constexpr int largestShrink = 4;
    // Picture pixels, at least, for each of the model's along a side. With fewer, the arms
    // of a jack in a 720 × 406 video lost the detail that had them counted.
    static constexpr double leastSampling = 1.5;

    // How many times smaller on each side (1, 2 or 4) the picture of a frame of this size may
    // be made: as small as still gives the model leastSampling of the picture's pixels for
    // each of its own, over the crop the follower keeps (over the whole picture without one),
    // and a preview of previewSide. The model samples a crop down to its side anyway, and
    // a picture shrunk with the mean of its pixels is no worse to sample than the whole one.
    static int affordableShrink(int frameWidth, int frameHeight, const SubjectFollower& follower,
                                int modelSide, int previewSide);

    // The frame's picture, as small as affordableShrink allows where the frame can be shrunk.
    static Result<FramePicture> pictureOf(const Frame& frame, const SubjectFollower& follower,
                                          int modelSide, int previewSide);

    // picture: the frame, made `shrink` times smaller on each side.
    static AnalysedFrame analyse(Image picture, int shrink, bool isMirrored, double capturedAt,
                                 int previewSide, PoseDetector& detector, SubjectTracker& tracker,
                                 SubjectFollower& follower, const Observer& observer = {});
};

} // namespace qv
