#include "core/verification/OverheadRaiseClassifier.h"

#include "core/verification/PoseReplay.h"
#include "support/SyntheticMotion.h"

#include <gtest/gtest.h>

using namespace qv;
using qv::test::Body;
using qv::test::Camera;
using qv::test::Motion;
using Phase = OverheadRaiseClassifier::Phase;

namespace {

constexpr double frame = 1.0 / 32; // exact in binary, so hold times land on frames
const QString raiseArms = QStringLiteral("Raise both arms overhead");
const QString lowerArms = QStringLiteral("Lower both arms");

struct Feeder {
    OverheadRaiseClassifier classifier;
    Body body;
    double now = 0;

    OverheadRaiseClassifier::Result arms(double raiseAmount, int frames = 1) {
        OverheadRaiseClassifier::Result out;
        for (int i = 0; i < frames; ++i) {
            now += frame;
            out = classifier.update(test::pose(body, {0, raiseAmount, 0}, now), now);
        }
        return out;
    }
    OverheadRaiseClassifier::Result without(Joint missing, int frames = 1) {
        OverheadRaiseClassifier::Result out;
        for (int i = 0; i < frames; ++i) {
            now += frame;
            PoseSnapshot snapshot = test::pose(body, {0, 1, 0}, now);
            snapshot.setJoint(missing, {snapshot.joint(missing)->point, 0.29f});
            out = classifier.update(snapshot, now);
        }
        return out;
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
    const Case cases[] = {
        {"five raises", Motion().stand(1).raises(5), {}, 5},
        {"jittery joints", Motion().stand(1).raises(5), noisy, 5},
        {"lost frames leave the window alone", Motion().stand(1).raises(5), flicker, 5},
        {"upper body only", Motion().stand(1).raises(3), legless, 3},
        {"arms only to the side",
         Motion().stand(1).moveTo({0, 0.5, 0}, 0.5).stand(1).moveTo({}, 0.5),
         {},
         0},
        {"squats are not raises", Motion().stand(1).squats(3), noisy, 0},
        {"too brief at the top", Motion().stand(1).raise(0.3, 0, 0.3).stand(1), {}, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(
            replayFrames(ExerciseKind::overheadRaise, test::record(c.motion, Body{}, c.camera))
                .repetitions(),
            c.expected)
            << c.name;
    }
}

TEST(OverheadRaiseClassifier, WindowFillsBeforeAnyPhaseChange) {
    Feeder f;
    auto out = f.arms(0, 4);
    EXPECT_EQ(out.phase, Phase::seekingStart);
    EXPECT_EQ(out.feedback, lowerArms);
    ASSERT_TRUE(out.leftWristY);
    out = f.arms(0);
    EXPECT_EQ(out.phase, Phase::ready);
    EXPECT_EQ(out.feedback, raiseArms);

    OverheadRaiseClassifier fresh;
    const auto empty = fresh.update(PoseSnapshot(1.0), 1.0);
    EXPECT_EQ(empty.feedback, lowerArms);
    EXPECT_FALSE(empty.headY);
}

TEST(OverheadRaiseClassifier, HoldsOverheadThenCountsOnTheWayDownWithDebounce) {
    Feeder f;
    f.arms(0, 5);
    // Five frames fill the window with raised arms; the hold starts with the first full one.
    auto out = f.arms(1, 8);
    EXPECT_EQ(out.phase, Phase::ready);
    out = f.arms(1, 6);
    EXPECT_EQ(out.phase, Phase::overhead);
    EXPECT_EQ(out.feedback, lowerArms);
    out = f.arms(0, 5);
    EXPECT_EQ(out.phase, Phase::ready);
    EXPECT_EQ(out.repetitions, 1);

    // Up and down again quickly: back to ready, but within 0.5 s of the last count.
    Feeder quick;
    quick.arms(0, 5);
    quick.arms(1, 12);
    quick.arms(0, 3);
    EXPECT_EQ(quick.classifier.repetitions(), 1);
    EXPECT_EQ(quick.arms(1, 12).phase, Phase::overhead);
    out = quick.arms(0, 3); // 15 frames after the count

    EXPECT_EQ(out.phase, Phase::ready);
    EXPECT_EQ(out.repetitions, 1);
}

TEST(OverheadRaiseClassifier, AnUnsureElbowRestartsTheHold) {
    Feeder f;
    f.arms(0, 5);
    f.arms(1, 10); // window full of raised arms, hold running
    auto out = f.without(Joint::leftElbow);
    EXPECT_EQ(out.phase, Phase::ready);
    EXPECT_EQ(out.feedback, raiseArms);
    // The hold begins again: 0.2 s more are needed from the next sample.
    out = f.arms(1, 7);
    EXPECT_EQ(out.phase, Phase::ready);
    out = f.arms(1);
    EXPECT_EQ(out.phase, Phase::overhead);

    // Without a sample in the overhead phase the answer is to lower the arms.
    EXPECT_EQ(f.without(Joint::rightWrist).feedback, lowerArms);
}

TEST(OverheadRaiseClassifier, HeadLineUsesTheArmsReachWithAFloor) {
    Body body;
    const auto sample = OverheadRaiseClassifier::sample(test::pose(body, {}, 0));
    ASSERT_TRUE(sample);
    EXPECT_NEAR(sample->headY - sample->leftShoulderY, 1.25 * body.upperArm, 1e-12);

    body.upperArm = 0.01;
    const auto tiny = OverheadRaiseClassifier::sample(test::pose(body, {}, 0));
    EXPECT_NEAR(tiny->headY - tiny->leftShoulderY, 0.04, 1e-12);

    // Wrists above the shoulders but below the head line never reach overhead.
    Feeder f;
    f.arms(0, 5);
    auto out = f.arms(0.6, 30);
    EXPECT_GT(*out.leftWristY, sample->leftShoulderY);
    EXPECT_EQ(out.phase, Phase::ready);
}

TEST(OverheadRaiseClassifier, ResetKeepsTheCountButNotThePhase) {
    Feeder f;
    f.arms(0, 5);
    f.arms(1, 12);
    f.arms(0, 5);
    ASSERT_EQ(f.classifier.repetitions(), 1);
    f.classifier.reset();
    EXPECT_EQ(f.classifier.phase(), Phase::seekingStart);
    EXPECT_EQ(f.arms(0, 4).phase, Phase::seekingStart); // the window starts empty
    f.arms(0);
    f.arms(1, 12);
    EXPECT_EQ(f.arms(0, 5).repetitions, 2);
}
