// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/OverheadRaiseClassifier.h"

#include "core/verification/FeedbackCue.h"
#include "core/verification/PoseReplay.h"
#include "support/SyntheticMotion.h"

#include <gtest/gtest.h>

using namespace qv;
using qv::test::Body;
using qv::test::Camera;
using qv::test::Motion;
using qv::test::Posture;
using Phase = OverheadRaiseClassifier::Phase;

namespace {

constexpr double frame = 1.0 / 32; // exact in binary, so hold times land on frames

std::optional<FeedbackCue> cue(const OverheadRaiseClassifier::Result& result) {
    return feedbackCue(result.feedback);
}

struct Feeder {
    OverheadRaiseClassifier classifier;
    Body body;
    double now = 0;

    // Feeds `frames` frames made at each frame's time; returns the last answer.
    template <typename Make> OverheadRaiseClassifier::Result feed(int frames, Make make) {
        OverheadRaiseClassifier::Result out;
        for (int i = 0; i < frames; ++i) {
            now += frame;
            out = classifier.update(make(now), now);
        }
        return out;
    }
    OverheadRaiseClassifier::Result arms(double raiseAmount, int frames = 1) {
        return feed(frames, [&](double t) { return test::pose(body, {0, raiseAmount, 0}, t); });
    }
    // Arms up with one joint at the given confidence.
    PoseSnapshot snapshotWith(Joint joint, float confidence) const {
        PoseSnapshot snapshot = test::pose(body, {0, 1, 0}, now);
        snapshot.setJoint(joint, {snapshot.joint(joint)->point, confidence});
        return snapshot;
    }
    OverheadRaiseClassifier::Result with(Joint joint, float confidence, int frames = 1) {
        return feed(frames, [&](double) { return snapshotWith(joint, confidence); });
    }
};

} // namespace

TEST(OverheadRaiseClassifier, CountsSyntheticRaisesUnderVariedConditions) {
    struct Case {
        const char* name;
        Motion motion;
        Camera camera;
        int expected;
    };
    Camera noisy;
    noisy.noise = 0.003;
    Camera flicker;
    for (double t = 1.1; t < 8; t += 0.7) {
        flicker.dropouts.emplace_back(t, t + 0.02);
    }
    Camera legless;
    legless.missingJoints = {Joint::leftKnee, Joint::rightKnee, Joint::leftAnkle, Joint::rightAnkle,
                             Joint::nose};
    Camera slowCamera;
    slowCamera.fps = 10;
    Camera elevenFrames = noisy; // a break's analysis rate
    elevenFrames.fps = 11;
    const Posture sideways{0, 0.5, 0};
    const Posture overhead{0, 1, 0};
    Motion jacks; // a second and a half each, a moment overhead
    Motion brisk; // almost two a second, above the head for a tenth of a second
    Motion presses = Motion().moveTo(sideways, 0.5).stand(0.5);
    for (int i = 0; i < 6; ++i) {
        jacks.raise(0.25, 0.05, 0.25).stand(0.12);
        brisk.raise(0.22, 0, 0.22).stand(0.15);
        presses.moveTo(overhead, 0.4).stand(0.1).moveTo(sideways, 0.4).stand(0.3);
    }
    const Motion alreadyUp =
        Motion().moveTo(overhead, 0.01).stand(0.5).moveTo({}, 0.5).stand(0.5).raises(2);
    const Motion sidewaysHeld = Motion().stand(1).moveTo(sideways, 0.5).stand(3).moveTo({}, 0.5);
    const Motion toTheChin = Motion().stand(1).moveTo({0, 0.62, 0}, 0.5).stand(1).moveTo({}, 0.5);
    const Case cases[] = {
        {"five raises", Motion().stand(1).raises(5), {}, 5},
        {"jittery joints", Motion().stand(1).raises(5), noisy, 5},
        {"lost frames leave the window alone", Motion().stand(1).raises(5), flicker, 5},
        {"upper body only", Motion().stand(1).raises(3), legless, 3},
        {"at jumping-jack tempo", Motion(jacks).stand(0.5), {}, 6},
        {"at jumping-jack tempo, jittery", Motion(jacks).stand(0.5), noisy, 6},
        {"at jumping-jack tempo, ten frames a second", Motion(jacks).stand(0.5), slowCamera, 6},
        {"brisk jacks, eleven frames a second", Motion(brisk).stand(0.5), elevenFrames, 6},
        {"presses from the shoulders", presses, noisy, 6},
        {"a raise already under way when counting starts", alreadyUp, {}, 3},
        {"arms only to the side, held", sidewaysHeld, {}, 0},
        {"arms up to the chin", toTheChin, noisy, 0},
        {"squats are not raises", Motion().stand(1).squats(3), noisy, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(
            replayFrames(ExerciseKind::overheadRaise, test::record(c.motion, Body{}, c.camera))
                .repetitions(),
            c.expected)
            << c.name;
    }
}

TEST(OverheadRaiseClassifier, TwoOfThreeFramesDecideSoAStrayFrameNeitherRaisesNorLowers) {
    Feeder f;
    f.arms(0, 3);
    EXPECT_EQ(f.arms(1).phase, Phase::ready); // one frame up
    EXPECT_EQ(f.arms(0).phase, Phase::ready);
    EXPECT_EQ(f.arms(0).phase, Phase::ready);
    f.arms(1);
    const auto up = f.arms(1); // two of three up: overhead at once, no hold
    EXPECT_EQ(up.phase, Phase::overhead);
    EXPECT_EQ(cue(up), FeedbackCue::lowerArms);
    EXPECT_EQ(f.arms(0).phase, Phase::overhead); // one frame down
    const auto out = f.arms(0);
    EXPECT_EQ(out.phase, Phase::ready);
    EXPECT_EQ(out.repetitions, 1);
    EXPECT_EQ(cue(out), FeedbackCue::raiseArms);
}

TEST(OverheadRaiseClassifier, RaisesSoonerThanTheDebounceCountOnce) {
    Feeder f;
    f.arms(0, 3);
    f.arms(1, 2);
    EXPECT_EQ(f.arms(0, 2).repetitions, 1);
    f.arms(1, 2);
    auto out = f.arms(0, 2); // 0.125 s after the first count
    EXPECT_EQ(out.phase, Phase::ready);
    EXPECT_EQ(out.repetitions, 1);
    f.arms(0, 12);
    f.arms(1, 2);
    EXPECT_EQ(f.arms(0, 2).repetitions, 2);
}

TEST(OverheadRaiseClassifier, OnlyBothArmsOverheadAreARaise) {
    Feeder f;
    f.arms(0, 3);
    for (int i = 0; i < 4; ++i) { // one arm at a time, all the way up
        for (Joint wrist : {Joint::leftWrist, Joint::rightWrist}) {
            f.feed(6, [&](double t) {
                PoseSnapshot snapshot = test::pose(f.body, {0, 1, 0}, t);
                snapshot.setJoint(wrist, *test::pose(f.body, {}, t).joint(wrist));
                return snapshot;
            });
            f.arms(0, 6);
        }
    }
    EXPECT_EQ(f.classifier.repetitions(), 0);
    EXPECT_EQ(f.classifier.phase(), Phase::ready);
}

TEST(OverheadRaiseClassifier, UnsureWristsStillCountButAnUnsureElbowGivesNoSample) {
    Feeder f;
    f.arms(0, 3);
    EXPECT_EQ(f.with(Joint::leftWrist, 0.2f, 3).phase, Phase::overhead);
    EXPECT_EQ(f.with(Joint::leftElbow, 0.29f).phase, Phase::overhead);
    EXPECT_FALSE(OverheadRaiseClassifier::sample(f.snapshotWith(Joint::rightWrist, 0.19f)));
    EXPECT_EQ(f.arms(0, 2).repetitions, 1);
}

namespace {

// Moves the arm joints up by `lift`, as the shoulder girdle carries the arms; the head stays.
PoseSnapshot lifted(PoseSnapshot snapshot, double lift, std::initializer_list<Joint> joints) {
    for (Joint joint : joints) {
        PoseJoint moved = *snapshot.joint(joint);
        moved.point.y += lift;
        snapshot.setJoint(joint, moved);
    }
    return snapshot;
}

PoseSnapshot shrugged(const Body& body, double lift, double now, double armRaise = 1) {
    return lifted(test::pose(body, {0, armRaise, 0}, now), lift,
                  {Joint::leftShoulder, Joint::rightShoulder, Joint::leftElbow, Joint::rightElbow,
                   Joint::leftWrist, Joint::rightWrist});
}

} // namespace

TEST(OverheadRaiseClassifier, ShouldersLiftedWithTheArmsDoNotLiftTheHeadLine) {
    Feeder f;
    const double shoulderY = test::pose(f.body, {}, 0).joint(Joint::leftShoulder)->point.y;
    const double restingLine = shoulderY + f.body.upperArm;
    const double lift = 0.2 * f.body.upperArm;
    const auto shrug = [&](double t) { return shrugged(f.body, lift, t); };
    f.arms(0, 3);
    auto out = f.feed(3, shrug);
    EXPECT_NEAR(*out.headY, restingLine, 1e-9);
    // Upper arms held level, as in a curl or a goalpost, keep the line over the shoulders.
    out = f.feed(3, [&](double t) { return shrugged(f.body, lift, t, 0.5); });
    EXPECT_NEAR(*out.headY, restingLine + lift, 1e-9);

    // A bowed head is not a shrug: the line comes down by at most a shrug's height.
    const PoseSnapshot bowed =
        lifted(test::pose(f.body, {0, 1, 0}, f.now), -f.body.upperArm, {Joint::nose});
    out = f.feed(3, [&](double) { return bowed; });
    EXPECT_GT(*out.headY, shoulderY + 0.7 * f.body.upperArm);
    EXPECT_LT(*out.headY, restingLine);

    // Arms never seen down since the camera started: no resting height to go by.
    f.classifier.reset();
    out = f.feed(3, shrug);
    EXPECT_NEAR(*out.headY, restingLine + lift, 1e-9);
}

TEST(OverheadRaiseClassifier, ResetKeepsTheCountButNotThePhase) {
    Feeder f;
    f.arms(0, 3);
    f.arms(1, 3);
    f.arms(0, 3);
    ASSERT_EQ(f.classifier.repetitions(), 1);
    f.classifier.reset();
    EXPECT_EQ(f.classifier.phase(), Phase::seekingStart);
    EXPECT_EQ(f.arms(0, 2).phase, Phase::seekingStart); // the window starts empty
    EXPECT_EQ(f.arms(0, 10).phase, Phase::ready);
    f.arms(1, 3);
    EXPECT_EQ(f.arms(0, 3).repetitions, 2);
}
