// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/SquatClassifier.h"

#include "core/verification/FeedbackCue.h"
#include "core/verification/PoseReplay.h"
#include "support/SyntheticMotion.h"

#include <gtest/gtest.h>

using namespace qv;
using qv::test::Body;
using qv::test::Camera;
using qv::test::Motion;
using qv::test::Posture;
using Phase = SquatClassifier::Phase;

namespace {

constexpr double frame = 1.0 / 30;

// Feeds one frame of a body bent at the knees, and returns the classifier's answer.
struct Feeder {
    SquatClassifier classifier;
    Body body;
    double now = 0;

    SquatClassifier::Output bend(double degrees, int frames = 1) {
        SquatClassifier::Output out;
        for (int i = 0; i < frames; ++i) {
            now += frame;
            out = classifier.update(test::pose(body, {degrees, 0, 0}, now), now);
        }
        return out;
    }
    double tick() { return now += frame; }
    SquatClassifier::Output see(const PoseSnapshot& seen) {
        return classifier.update(seen, seen.capturedAt);
    }
    SquatClassifier::Output nobody(int frames = 1) {
        SquatClassifier::Output out;
        for (int i = 0; i < frames; ++i) {
            now += frame;
            out = classifier.update(PoseSnapshot(now), now);
        }
        return out;
    }
    // A full squat that reaches the bottom and returns: 10 frames, 0.33 s.
    SquatClassifier::Output squat() {
        bend(90, 7);
        return bend(0, 3);
    }
};

PoseSnapshot withoutAnkles(PoseSnapshot seen) {
    seen.removeJoint(Joint::leftAnkle);
    seen.removeJoint(Joint::rightAnkle);
    return seen;
}

int countSquats(const Motion& motion, const Body& body, const Camera& camera = {}) {
    return replayFrames(ExerciseKind::squat, test::record(motion, body, camera)).repetitions();
}

} // namespace

TEST(SquatClassifier, CountsSyntheticSquatsUnderVariedConditions) {
    const Body body;
    Body front = body;
    front.legBendInView = 0;
    struct Case {
        const char* name;
        Motion motion;
        Camera camera;
        Body body;
        int expected;
    };
    Camera noisy;
    noisy.noise = 0.002;
    Camera hipsOnly;
    hipsOnly.missingJoints = {Joint::leftKnee, Joint::rightKnee, Joint::leftAnkle,
                              Joint::rightAnkle};
    Camera noFeet;
    noFeet.missingJoints = {Joint::leftAnkle, Joint::rightAnkle};
    Camera noTorso;
    noTorso.missingJoints = {Joint::neck};
    Camera flicker; // single lost frames, shorter than the tracking grace
    for (double t = 1.05; t < 8; t += 0.9) {
        flicker.dropouts.emplace_back(t, t + 0.02);
    }
    Camera slowCamera;
    slowCamera.fps = 10;
    Camera sparse = noisy; // as few frames as a still person gets analysed
    sparse.fps = 6;
    Body unsure = body;
    unsure.confidence = 0.35f;
    const Posture bottom{90, 0, 0};
    const Motion five = Motion().stand(1).squats(5);
    const Motion fromTheBottom =
        Motion().moveTo(bottom, 0.01).stand(1).moveTo({}, 0.6).stand(0.5).squats(2);
    const Motion bounce = Motion().stand(1).squat(75, 0.3, 0, 0.3).stand(1);
    // Back up far enough to count, then a dip that does not reach the depth.
    const Motion dipAfterASquat = Motion()
                                      .stand(1)
                                      .moveTo({100, 0, 0}, 0.6)
                                      .stand(0.6)
                                      .moveTo({35, 0, 0}, 0.35)
                                      .moveTo({75, 0, 0}, 0.35)
                                      .moveTo({}, 0.6)
                                      .stand(1);
    Motion bounces = Motion().stand(1);
    for (int i = 0; i < 3; ++i) {
        bounces.squat(100, 0.4, 0, 0.4).stand(0.5);
    }
    const Motion slowAndDeep =
        Motion().stand(1).squat(110, 2, 2, 2).stand(3).squat(110, 2, 2, 2).stand(1);
    const Case cases[] = {
        {"five squats", five, {}, body, 5},
        {"jittery joints", five, noisy, body, 5},
        {"seen from the front, knees straight in the picture", five, {}, front, 5},
        {"straight into squats without a pause", Motion().squats(5, 90, 0), {}, body, 5},
        {"starting at the bottom: the first rise is not a squat", fromTheBottom, {}, body, 2},
        {"feet out of view: the hips above the knees", Motion().stand(1).squats(4), noFeet, body,
         4},
        {"feet out of view, shallow bends", Motion().stand(1).squats(4, 40), noFeet, body, 0},
        {"hips alone are no measure", Motion().stand(1).squats(4), hipsOnly, body, 0},
        {"no torso needs none with the feet in view", Motion().stand(1).squats(3), noTorso, body,
         3},
        {"single lost frames", Motion().stand(1).squats(6), flicker, body, 6},
        {"ten frames a second", Motion().stand(1).squats(3), slowCamera, body, 3},
        {"joints just above the floor", Motion().stand(1).squats(3), {}, unsure, 3},
        {"shallow knee bends", Motion().stand(1).squats(4, 40), {}, body, 0},
        {"a bounce too short to hold", bounce, {}, body, 0},
        {"deeper bounces on sparse frames", bounces, sparse, body, 3},
        {"a shallow dip straight after a squat, on sparse frames", dipAfterASquat, sparse, body, 1},
        {"standing on sparse frames", Motion().stand(10), sparse, body, 0},
        {"slow and deep with long pauses", slowAndDeep, {}, body, 2},
        {"arms waving while standing", Motion().stand(1).raises(4), noisy, body, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(countSquats(c.motion, c.body, c.camera), c.expected) << c.name;
    }
}

TEST(SquatClassifier, SquatsSoonerThanTheDebounceCountOnce) {
    Feeder f;
    f.bend(0, 4);
    EXPECT_EQ(f.squat().repetitions, 1);
    auto out = f.squat(); // returns 0.3 s after the first count
    EXPECT_EQ(out.repetitions, 1);
    EXPECT_EQ(out.phase, Phase::standing);
    EXPECT_EQ(f.squat().repetitions, 2); // 0.6 s after the first count
}

TEST(SquatClassifier, ShortLossIsForgivenLongLossRecalibratesButKeepsTheCount) {
    Feeder f;
    f.bend(0, 4);
    f.squat();
    const double standingHip = *f.classifier.standingHipY();

    auto out = f.nobody();
    EXPECT_EQ(feedbackCue(out.feedback), FeedbackCue::stepBack);
    EXPECT_FALSE(out.hipDropRatio);
    EXPECT_EQ(out.phase, Phase::standing);
    EXPECT_EQ(f.bend(0).phase, Phase::standing); // back within the grace: nothing reset
    EXPECT_EQ(f.classifier.standingHipY(), standingHip);

    out = f.nobody(12); // 0.367 s after the first missing frame
    EXPECT_EQ(out.phase, Phase::seekingStanding);
    EXPECT_FALSE(out.standingHipY);
    EXPECT_FALSE(out.trackingMode);
    EXPECT_EQ(out.repetitions, 1);

    // Back at the bottom: the top is measured anew, so rising from there is not a squat.
    f.bend(90, 6);
    EXPECT_EQ(f.bend(0, 3).repetitions, 1);
    f.bend(0, 4);
    EXPECT_EQ(f.squat().repetitions, 2);
}

TEST(SquatClassifier, AnklesComingIntoViewRestartTheMeasureInsteadOfReadingAsADrop) {
    Feeder f;
    for (int i = 0; i < 10; ++i) {
        f.see(withoutAnkles(test::pose(f.body, {}, f.tick())));
    }
    ASSERT_EQ(f.classifier.phase(), Phase::standing);
    EXPECT_EQ(f.bend(0).phase, Phase::seekingStanding);
    EXPECT_EQ(f.bend(0, 10).phase, Phase::standing);
    EXPECT_EQ(f.classifier.repetitions(), 0);
    EXPECT_EQ(f.squat().repetitions, 1);
}

// A high knee seen from the side: the single-person model puts both knees and both ankles on
// the raised leg, a little more each frame, while the hips stay where they were. The feet
// cannot have left the floor without the hips, so this is no squat; a jump, which lifts
// both, moves the floor with it, and a real squat afterwards still counts.
TEST(SquatClassifier, AnklesPutOnARaisedKneeAreNoSquatButAJumpMovesTheFloor) {
    Feeder f;
    f.bend(0, 10);
    const auto lifted = [&](double lift) {
        PoseSnapshot step = test::pose(f.body, {}, f.tick());
        for (const Joint joint :
             {Joint::leftKnee, Joint::rightKnee, Joint::leftAnkle, Joint::rightAnkle}) {
            const PoseJoint j = *step.joint(joint);
            const double share = joint == Joint::leftKnee || joint == Joint::rightKnee ? 0.6 : 1;
            step.setJoint(joint, {{j.point.x, j.point.y + lift * share}, j.confidence});
        }
        return f.classifier.update(step, f.now);
    };
    const double legLength = f.body.shin + f.body.thigh;
    for (int knee = 0; knee < 4; ++knee) {
        for (const double share : {0.25, 0.5, 0.75, 0.75, 0.75, 0.5, 0.25, 0.0}) {
            EXPECT_EQ(lifted(share * legLength).phase, Phase::standing) << knee << " " << share;
        }
    }
    EXPECT_EQ(f.classifier.repetitions(), 0);

    Feeder jumper;
    jumper.bend(0, 10);
    for (const double up : {0.02, 0.05, 0.08, 0.05, 0.02, 0.0}) {
        jumper.body.ankleY += up - (jumper.body.ankleY - Body{}.ankleY);
        jumper.bend(0);
    }
    jumper.bend(0, 10);
    EXPECT_EQ(jumper.classifier.repetitions(), 0);
    EXPECT_EQ(jumper.squat().repetitions, 1);
    EXPECT_EQ(f.bend(0, 10).repetitions, 0);
    EXPECT_EQ(f.squat().repetitions, 1);
}

TEST(SquatClassifier, JumpsWithTheFeetOutOfThePictureAreNoSquats) {
    // The whole body goes up and comes down again: the hips fall from the top of each jump
    // by more than a squat's depth, but not towards the knees.
    Feeder f;
    for (int jump = 0; jump < 6; ++jump) {
        for (int i = 0; i < 25; ++i) {
            Body b = f.body;
            b.ankleY += i < 8 ? 0.15 : 0;
            f.see(withoutAnkles(test::pose(b, {i < 8 ? 0.0 : 30.0, 0, 0}, f.tick())));
        }
    }
    EXPECT_EQ(f.classifier.repetitions(), 0);
}

TEST(SquatClassifier, AFootLiftedIntoAPictureCutAboveTheFeetIsNoFloor) {
    // High knees with the shins out of the picture: the raised foot comes into view above the
    // standing knee.
    Feeder f;
    for (int step = 0; step < 8; ++step) {
        for (int i = 0; i < 12; ++i) {
            PoseSnapshot seen = withoutAnkles(test::pose(f.body, {}, f.tick()));
            if (i < 6) {
                const PoseJoint knee = *seen.joint(Joint::rightKnee);
                seen.setJoint(Joint::rightKnee, {{knee.point.x, knee.point.y + 0.18}, 0.9f});
                seen.setJoint(Joint::rightAnkle, {{knee.point.x, knee.point.y + 0.02}, 0.9f});
            }
            f.classifier.update(seen, f.now);
        }
    }
    EXPECT_EQ(f.classifier.repetitions(), 0);
}

TEST(SquatClassifier, AKneeRaisedWhileThePlantedAnkleIsLostIsNoSquat) {
    // Marching: the model loses the standing foot's ankle and sees only the lifted one.
    Feeder f;
    f.bend(0, 10);
    for (int i = 0; i < 8; ++i) {
        PoseSnapshot step = test::pose(f.body, {}, f.tick());
        step.removeJoint(Joint::leftAnkle);
        for (auto [joint, lift] : {std::pair{Joint::rightKnee, 0.15}, {Joint::rightAnkle, 0.25}}) {
            const PoseJoint j = *step.joint(joint);
            step.setJoint(joint, {{j.point.x, j.point.y + lift}, j.confidence});
        }
        EXPECT_EQ(f.classifier.update(step, f.now).phase, Phase::standing);
    }
    EXPECT_EQ(f.bend(0, 10).repetitions, 0);
    EXPECT_EQ(f.squat().repetitions, 1);
}
