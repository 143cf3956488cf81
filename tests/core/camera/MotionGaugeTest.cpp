// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/camera/MotionGauge.h"

#include "support/SyntheticMotion.h"

#include <gtest/gtest.h>
#include <random>

using qv::MotionGauge;
using qv::PoseSnapshot;
using qv::test::Body;

namespace {

constexpr double fullRate = 11;

// A standing body whose every joint the detector places a little off each time.
PoseSnapshot jittered(const Body& body, double now, std::mt19937& noise, double amount) {
    PoseSnapshot pose = qv::test::pose(body, {}, now);
    std::uniform_real_distribution<double> offset(-amount, amount);
    for (const qv::Joint joint : qv::allJoints) {
        if (auto j = pose.joint(joint)) {
            pose.setJoint(
                joint, {{j->point.x + offset(noise), j->point.y + offset(noise)}, j->confidence});
        }
    }
    return pose;
}

struct PacedRun {
    MotionGauge gauge;
    std::mt19937 noise{5};
    double now = 0;

    // Feeds poses at the rate the gauge asks for, for `seconds`; returns the last rate.
    template <typename Pose> double feed(double seconds, Pose pose) {
        const double until = now + seconds;
        while (now < until) {
            now += 1 / gauge.rate(fullRate);
            gauge.add(pose(now));
        }
        return gauge.rate(fullRate);
    }
};

} // namespace

// Standing still through the detector's jitter, or nobody in view, lowers the rate to the
// least however near the body is; a movement raises it on the first slow frame that shows it,
// to the full rate when brisk (the arms fly up).
TEST(MotionGaugeTest, StillnessLowersTheRateAndTheFirstMovementRaisesIt) {
    const double least = fullRate * MotionGauge::leastShare;
    for (const double scale : {0.5, 1.0, 1.6}) {
        for (const auto& [moved, wanted] :
             {std::pair{qv::test::Posture{90, 0, 0}, 1.5 * least}, {{0, 1, 0}, fullRate}}) {
            PacedRun run;
            const Body body = Body().scaled(scale);
            const double jitter = 0.004 * scale; // about 1.5 % of the torso, as models jitter
            const auto standing = [&](double t) { return jittered(body, t, run.noise, jitter); };
            EXPECT_EQ(run.feed(4 * MotionGauge::holdTime, standing), least) << scale;
            run.now += 1 / least;
            run.gauge.add(qv::test::pose(body, moved, run.now));
            EXPECT_GE(run.gauge.rate(fullRate), wanted) << scale;
        }
    }

    // A run starts at the full rate for the hold time, and no longer.
    PacedRun start;
    const auto still = [&](double t) { return jittered(Body(), t, start.noise, 0.004); };
    EXPECT_EQ(start.feed(0.9 * MotionGauge::holdTime, still), fullRate);
    EXPECT_EQ(start.feed(0.3 * MotionGauge::holdTime, still), least);

    PacedRun run;
    qv::test::Motion jacks;
    jacks.raises(3, 0);
    run.feed(jacks.duration(), [&](double t) { return qv::test::pose(Body(), jacks.at(t), t); });
    // A set is not slowed by a frame where the person is lost, and nobody needs no full rate.
    run.gauge.add(PoseSnapshot(run.now += 1 / fullRate));
    EXPECT_EQ(run.gauge.rate(fullRate), fullRate);
    EXPECT_EQ(run.feed(4 * MotionGauge::holdTime, [](double t) { return PoseSnapshot(t); }), least);
}

// Someone seated at a desk that hides the hips is measured by the shoulders: still, they are
// analysed at the least rate; raising the arms brings the full rate, as for anyone.
TEST(MotionGaugeTest, HiddenHipsStillLetRaisesRaiseTheRate) {
    const auto seated = [](PoseSnapshot pose) {
        for (const qv::Joint hidden :
             {qv::Joint::root, qv::Joint::leftHip, qv::Joint::rightHip, qv::Joint::leftKnee,
              qv::Joint::rightKnee, qv::Joint::leftAnkle, qv::Joint::rightAnkle}) {
            pose.removeJoint(hidden);
        }
        return pose;
    };
    PacedRun run;
    const Body body;
    const double least = fullRate * MotionGauge::leastShare;
    EXPECT_EQ(run.feed(4 * MotionGauge::holdTime,
                       [&](double t) { return seated(jittered(body, t, run.noise, 0.004)); }),
              least);
    qv::test::Motion raise;
    raise.raise();
    EXPECT_EQ(run.feed(0.4,
                       [&, from = run.now](double t) {
                           return seated(qv::test::pose(body, raise.at(t - from), t));
                       }),
              fullRate);
}
