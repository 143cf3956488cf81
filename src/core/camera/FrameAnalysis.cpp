// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/camera/FrameAnalysis.h"

#include "core/media/ImageScaling.h"
#include "core/verification/DetectedPoseConversion.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

// The follower keeps its crop in the frame's own pixels, whatever the size of the picture made
// of each frame.
struct Shrunk {
    const Image& picture;
    int shrink;
    int frameWidth() const { return picture.width() * shrink; }
    int frameHeight() const { return picture.height() * shrink; }
    CropSquare inPicture(const CropSquare& crop) const {
        return {crop.centreX / shrink, crop.centreY / shrink, crop.side / shrink};
    }
};

// The subject found in the follower's crop, if there is a crop for this frame and what it
// holds is convincing and still the person the chooser follows.
std::optional<DetectedPerson> followSubject(const Shrunk& frame, double capturedAt,
                                            PoseDetector& detector, SubjectTracker& tracker,
                                            SubjectFollower& follower) {
    const auto crop = follower.cropFor(capturedAt);
    if (!crop) {
        return std::nullopt;
    }
    std::optional<DetectedPerson> person = detector.track(frame.picture, frame.inPicture(*crop));
    const bool isSubject = person && follower.isConvincing(*person) &&
                           tracker.choose(DetectedPeople{*person}, capturedAt).has_value();
    if (!follower.followed(isSubject ? &*person : nullptr, frame.frameWidth(),
                           frame.frameHeight())) {
        return std::nullopt;
    }
    return person;
}

} // namespace

int FrameAnalysis::affordableShrink(int frameWidth, int frameHeight,
                                    const SubjectFollower& follower, int modelSide,
                                    int previewSide) {
    const int longer = std::max(frameWidth, frameHeight);
    const int shorter = std::min(frameWidth, frameHeight);
    if (modelSide <= 0 || shorter <= 0) {
        return 1;
    }
    // The crop, or the whole picture that a search letterboxes, along the picture's shorter
    // side: a crop reaching past the picture has no more pixels than the picture there.
    const double detail = std::min<double>(follower.keptCropSide().value_or(shorter), shorter);
    int shrink = 1;
    while (shrink < largestShrink && detail / (shrink * 2) >= modelSide * leastSampling &&
           longer / (shrink * 2) >= previewSide) {
        shrink *= 2;
    }
    return shrink;
}

Result<FramePicture> FrameAnalysis::pictureOf(const Frame& frame, const SubjectFollower& follower,
                                              int modelSide, int previewSide) {
    const int shrink = frame.shrunkPicture ? affordableShrink(frame.width, frame.height, follower,
                                                              modelSide, previewSide)
                                           : 1;
    if (shrink == 1) {
        if (!frame.picture) {
            return Failure{QStringLiteral("The camera frame has no pixel data.")};
        }
        Result<Image> whole = frame.picture();
        if (!whole) {
            return Failure{whole.error()};
        }
        return FramePicture{std::move(*whole), 1};
    }
    Result<Image> shrunk = frame.shrunkPicture(shrink);
    if (!shrunk) {
        return Failure{shrunk.error()};
    }
    // A producer may hand out the whole picture all the same.
    const int made =
        std::max(1, static_cast<int>(std::lround(double(frame.width) / shrunk->width())));
    return FramePicture{std::move(*shrunk), made};
}

AnalysedFrame FrameAnalysis::analyse(Image picture, int shrink, bool isMirrored, double capturedAt,
                                     int previewSide, PoseDetector& detector,
                                     SubjectTracker& tracker, SubjectFollower& follower,
                                     const Observer& observer) {
    if (isMirrored) {
        mirrorHorizontally(picture);
    }
    const Shrunk frame{picture, std::max(1, shrink)};
    DetectedPeople people;
    std::optional<std::size_t> chosen;
    if (auto followed = followSubject(frame, capturedAt, detector, tracker, follower)) {
        people.push_back(*followed);
        chosen = 0;
    } else {
        people = detector.detect(picture);
        chosen = tracker.choose(people, capturedAt);
        follower.searched(chosen ? &people[*chosen] : nullptr, frame.frameWidth(),
                          frame.frameHeight(), capturedAt);
        // The two models place the joints a little differently (the single-person model puts
        // the hips lower), and the classifiers measure each frame against the frames before
        // it: the subject is measured by the model that measures them on the other frames.
        if (chosen) {
            if (auto measured = followSubject(frame, capturedAt, detector, tracker, follower)) {
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
