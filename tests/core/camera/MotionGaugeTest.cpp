// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/camera/StillnessGauge.h"

#include "support/SyntheticMotion.h"

#include <gtest/gtest.h>
#include <random>

using qv::PoseSnapshot;
using qv::StillnessGauge;
using qv::test::Body;

namespace {

constexpr double frame = 1.0 / 11;

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

} // namespace

// Standing still through the detector's jitter counts as still once the settle time has
// passed; a squat's first frames, or nobody in view, bring the full rate back at once.
TEST(StillnessGaugeTest, StillAfterTheSettleTimeAndMovingFromTheFirstMovement) {
    StillnessGauge gauge;
    std::mt19937 noise(5);
    Body body;
    double now = 0;
    const auto feed = [&](double jitter) {
        now += frame;
        gauge.add(jittered(body, now, noise, jitter));
        return gauge.isStill();
    };
    const double jitter = 0.004; // about 1.5 % of the torso, as the models jitter
    while (now < StillnessGauge::settleTime - frame) {
        EXPECT_FALSE(feed(jitter)) << now;
    }
    feed(jitter);
    EXPECT_TRUE(feed(jitter));

    // The knees bend by 20° in one frame: the start of a squat is a movement.
    now += frame;
    gauge.add(qv::test::pose(body, {20, 0, 0}, now));
    EXPECT_FALSE(gauge.isStill());

    for (int i = 0; i < 20; ++i) {
        feed(jitter);
    }
    EXPECT_TRUE(gauge.isStill());
    now += frame;
    gauge.add(PoseSnapshot(now));
    EXPECT_FALSE(gauge.isStill());
}
