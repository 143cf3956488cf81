// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/camera/SubjectFollower.h"

#include "core/camera/FrameAnalysis.h"

#include <gtest/gtest.h>

using qv::BodyKeypoint;
using qv::CropSquare;
using qv::DetectedPeople;
using qv::DetectedPerson;
using qv::FrameAnalysis;
using qv::Image;
using qv::SubjectFollower;
using qv::SubjectTracker;

namespace {

constexpr int width = 640;
constexpr int height = 480;

// A person standing with the arms down, feet at `feetY`, `tall` high (both 0 … 1 of the
// picture's height, y down), centred at `x`; every keypoint sure.
DetectedPerson standing(double x, double feetY, double tall, float confidence = 0.8f) {
    DetectedPerson person;
    person.score = confidence;
    const auto put = [&](BodyKeypoint which, double dx, double up) {
        person.keypoints[static_cast<std::size_t>(which)] = {x + dx * tall * height / width,
                                                             feetY - up * tall, confidence};
    };
    using enum BodyKeypoint;
    put(nose, 0, 0.95);
    // Left and right mirror each other: offset from the middle, height above the feet.
    const std::tuple<BodyKeypoint, BodyKeypoint, double, double> pairs[] = {
        {leftEye, rightEye, 0.02, 0.97},           {leftEar, rightEar, 0.04, 0.96},
        {leftShoulder, rightShoulder, 0.12, 0.82}, {leftElbow, rightElbow, 0.14, 0.64},
        {leftWrist, rightWrist, 0.14, 0.48},       {leftHip, rightHip, 0.08, 0.5},
        {leftKnee, rightKnee, 0.08, 0.27},         {leftAnkle, rightAnkle, 0.08, 0.02}};
    for (const auto& [left, right, dx, up] : pairs) {
        put(left, dx, up);
        put(right, -dx, up);
    }
    return person;
}

// Answers whole-picture searches and crops from scripts, and counts both.
class CountingDetector final : public qv::PoseDetector {
public:
    std::function<DetectedPeople(double)> everyone;
    std::function<DetectedPerson(double)> inCrop;
    double now = 0;
    int searches = 0;
    int follows = 0;
    std::vector<CropSquare> crops;

    DetectedPeople detect(const Image&) override {
        ++searches;
        return everyone(now);
    }
    std::optional<DetectedPerson> track(const Image&, const CropSquare& crop) override {
        ++follows;
        crops.push_back(crop);
        return inCrop(now);
    }
};

struct FollowRun {
    CountingDetector detector;
    SubjectTracker tracker;
    SubjectFollower follower;
    int framesWithPose = 0;

    // One person who stands still, found by every search and every crop.
    explicit FollowRun(const DetectedPerson& still = standing(0.5, 0.95, 0.8)) {
        detector.everyone = [still](double) { return DetectedPeople{still}; };
        detector.inCrop = [still](double) { return still; };
    }

    // Analyses frames at `fps` from `from` until `to`, seconds, each made `shrink` times
    // smaller than the frame.
    void frames(double from, double to, double fps = 11, int shrink = 1) {
        for (double t = from; t < to - 1e-9; t += 1 / fps) {
            detector.now = t;
            const auto analysed =
                FrameAnalysis::analyse(Image(width / shrink, height / shrink), shrink, false, t, 0,
                                       detector, tracker, follower);
            framesWithPose += analysed.pose.isEmpty() ? 0 : 1;
        }
    }
};

} // namespace

// The whole picture is searched on the first frame and about every searchInterval after it;
// every frame, searched or not, measures the person in the crop, and has their pose.
TEST(SubjectFollowerTest, SearchesAtTheStartAndOnScheduleAndFollowsInBetween) {
    FollowRun run;
    run.frames(0, 7);
    EXPECT_EQ(run.framesWithPose, 77);
    const double interval = run.follower.config().searchInterval;
    EXPECT_GE(run.detector.searches, static_cast<int>(7 / interval));
    EXPECT_LE(run.detector.searches, static_cast<int>(7 / interval) + 2);
    EXPECT_EQ(run.detector.follows, 77);
}

// A crop that holds nobody convincing, or someone where the subject cannot have got to, is
// searched again on the same frame: the frame still has the subject's pose.
TEST(SubjectFollowerTest, SearchesAtOnceWhenTheFollowIsLost) {
    for (const bool isElsewhere : {false, true}) {
        FollowRun run;
        run.detector.inCrop = [isElsewhere](double t) {
            if (t < 0.3) {
                return standing(0.5, 0.95, 0.8);
            }
            return isElsewhere ? standing(0.1, 0.5, 0.3) : standing(0.5, 0.95, 0.8, 0.2f);
        };
        run.frames(0, 0.6);
        EXPECT_EQ(run.framesWithPose, 7) << isElsewhere;
        // The first frame and every frame from 0.3 s on are searched.
        EXPECT_EQ(run.detector.searches, 1 + 3) << isElsewhere;
    }
}

// Pictures made smaller than the frame: as small as leaves the model the detail it samples,
// over the crop followed or the whole picture, and the preview asked for; the crop handed to
// the detector is in the smaller picture's pixels while the follower keeps the frame's.
TEST(SubjectFollowerTest, ShrinksPicturesOnlyAsFarAsTheModelAndPreviewAllow) {
    SubjectFollower follower;
    EXPECT_EQ(FrameAnalysis::affordableShrink(1280, 720, follower, 0, 0), 1);
    EXPECT_EQ(FrameAnalysis::affordableShrink(1280, 720, follower, 192, 0), 2);
    EXPECT_EQ(FrameAnalysis::affordableShrink(640, 480, follower, 192, 0), 1);
    EXPECT_EQ(FrameAnalysis::affordableShrink(3840, 2160, follower, 192, 0),
              FrameAnalysis::largestShrink);
    EXPECT_EQ(FrameAnalysis::affordableShrink(1280, 720, follower, 192, 800), 1);
    // A small person far away, in a 4K frame: their crop sets the limit, not the picture.
    const DetectedPerson far = standing(0.5, 0.9, 0.2);
    follower.searched(&far, 3840, 2160, 0);
    const double side = *follower.keptCropSide();
    const int shrink = FrameAnalysis::affordableShrink(3840, 2160, follower, 192, 0);
    EXPECT_LT(shrink, FrameAnalysis::largestShrink);
    EXPECT_GE(side / shrink, 192 * FrameAnalysis::leastSampling);

    for (const int made : {1, 2, 4}) {
        FollowRun run(standing(0.3, 0.9, 0.6));
        run.frames(0, 0.5, 11, made);
        ASSERT_FALSE(run.detector.crops.empty());
        EXPECT_NEAR(run.detector.crops.back().centreX * made, 0.3 * width, 2) << made;
        EXPECT_NEAR(*run.follower.keptCropSide(), run.detector.crops.back().side * made, 1e-6);
    }
}

// Seated at a desk that hides the hips, a person's crop is sized from the shoulders: it
// still reaches a torso above the shoulders, where raised hands go.
TEST(SubjectFollowerTest, LeavesRoomForRaisedHandsWhenTheHipsAreHidden) {
    DetectedPerson seated = standing(0.5, 0.9, 0.6);
    for (const auto hidden :
         {BodyKeypoint::leftHip, BodyKeypoint::rightHip, BodyKeypoint::leftKnee,
          BodyKeypoint::rightKnee, BodyKeypoint::leftAnkle, BodyKeypoint::rightAnkle}) {
        seated.keypoints[static_cast<std::size_t>(hidden)].confidence = 0.05f;
    }
    SubjectFollower follower;
    follower.searched(&seated, width, height, 0);
    const auto crop = follower.cropFor(0.1);
    ASSERT_TRUE(crop);
    const double shoulderY = (0.9 - 0.82 * 0.6) * height;
    const double torso = (0.82 - 0.5) * 0.6 * height;
    EXPECT_LE(crop->centreY - crop->side / 2, shoulderY - torso);
}
