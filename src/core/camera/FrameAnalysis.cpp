#include "core/camera/FrameAnalysis.h"

#include "core/media/ImageScaling.h"
#include "core/verification/DetectedPoseConversion.h"

#include <algorithm>

namespace qv {

AnalysedFrame FrameAnalysis::analyse(Image picture, bool isMirrored, double capturedAt,
                                     PoseDetector& detector, SubjectTracker& tracker,
                                     const Observer& observer) {
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
            scaledToFit(picture, maximumPreviewSide)};
}

void mirrorHorizontally(Image& image) {
    for (int y = 0; y < image.height(); ++y) {
        std::uint8_t* left = image.row(y);
        std::uint8_t* right = left + (image.width() - 1) * 3;
        for (; left < right; left += 3, right -= 3) {
            std::swap_ranges(left, left + 3, right);
        }
    }
}

} // namespace qv
