// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/camera/FrameAnalysis.h"

#include "core/media/ImageScaling.h"
#include "core/verification/DetectedPoseConversion.h"

namespace qv {

namespace {

// The subject found in the follower's crop, if there is a crop for this frame and what it
// holds is convincing and still the person the chooser follows.
std::optional<DetectedPerson> followSubject(const Image& picture, double capturedAt,
                                            PoseDetector& detector, SubjectTracker& tracker,
                                            SubjectFollower& follower) {
    const auto crop = follower.cropFor(capturedAt);
    if (!crop) {
        return std::nullopt;
    }
    std::optional<DetectedPerson> person = detector.track(picture, *crop);
    const bool isSubject = person && follower.isConvincing(*person) &&
                           tracker.choose(DetectedPeople{*person}, capturedAt).has_value();
    if (!follower.followed(isSubject ? &*person : nullptr, picture.width(), picture.height())) {
        return std::nullopt;
    }
    return person;
}

} // namespace

AnalysedFrame FrameAnalysis::analyse(Image picture, bool isMirrored, double capturedAt,
                                     int previewSide, PoseDetector& detector,
                                     SubjectTracker& tracker, SubjectFollower& follower,
                                     const Observer& observer) {
    if (isMirrored) {
        mirrorHorizontally(picture);
    }
    DetectedPeople people;
    std::optional<std::size_t> chosen;
    if (auto followed = followSubject(picture, capturedAt, detector, tracker, follower)) {
        people.push_back(*followed);
        chosen = 0;
    } else {
        people = detector.detect(picture);
        chosen = tracker.choose(people, capturedAt);
        follower.searched(chosen ? &people[*chosen] : nullptr, picture.width(), picture.height(),
                          capturedAt);
        // The two models place the joints a little differently (the single-person model puts
        // the hips lower), and the classifiers measure each frame against the frames before
        // it: the subject is measured by the model that measures them on the other frames.
        if (chosen) {
            if (auto measured = followSubject(picture, capturedAt, detector, tracker, follower)) {
                people[*chosen] = *measured;
            }
        }
    }
    if (observer) {
        observer(capturedAt, people);
    }
    const DetectedPerson* person = chosen ? &people[*chosen] : nullptr;
    return {poseSnapshotFromDetectedPerson(person, capturedAt),
            previewSide > 0 ? scaledToFit(picture, previewSide) : Image()};
}

} // namespace qv
