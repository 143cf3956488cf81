// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/OverheadRaiseClassifier.h"

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
        {"lost frames leave the window alone", Motion().stand(1).raises(5), flicker, 5},
        {"upper body only", Motion().stand(1).raises(3), legless, 3},
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
