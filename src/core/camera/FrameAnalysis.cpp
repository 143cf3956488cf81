// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/camera/FrameAnalysis.h"

#include "core/media/ImageScaling.h"
#include "core/verification/DetectedPoseConversion.h"

namespace qv {

AnalysedFrame FrameAnalysis::analyse(Image picture, bool isMirrored, double capturedAt,
                                     int previewSide, PoseDetector& detector,
                                     SubjectTracker& tracker, const Observer& observer) {
    if (isMirrored) {
        mirrorHorizontally(picture);
    }
    const DetectedPeople people = detector.detect(picture);
    if (observer) {
        observer(capturedAt, people);
    }
    const auto chosen = tracker.choose(people, capturedAt);
    const DetectedPerson* person = chosen ? &people[*chosen] : nullptr;
    return {poseSnapshotFromDetectedPerson(person, capturedAt),
            previewSide > 0 ? scaledToFit(picture, previewSide) : Image()};
}

} // namespace qv
