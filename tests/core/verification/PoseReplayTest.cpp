// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/PoseReplay.h"

#include "support/SyntheticMotion.h"

#include <gtest/gtest.h>

using namespace qv;
using qv::test::Body;
using qv::test::Camera;
using qv::test::Motion;
using qv::test::PasserBy;

namespace {

int countSquats(const std::vector<PoseFrame>& frames) {
    return replayFrames(ExerciseKind::squat, frames).repetitions();
}

} // namespace

TEST(PoseReplay, CountsGoOnAfterALostUserAndAfterARestartOfTracking) {
    Camera camera;
    camera.dropouts = {{7.4, 9.4}}; // gone for two seconds between squats
    const Motion motion = Motion().stand(1).squats(3).stand(3).squats(2);
    auto frames = test::record(motion, Body{}, camera);
    EXPECT_EQ(countSquats(frames), 5);

    // A restart forgets the person and the calibration, not the count.
    PoseReplay replay(ExerciseKind::squat);
    const double restartAt = frames.front().capturedAt + 8.0;
    bool restarted = false;
    for (const PoseFrame& f : frames) {
        if (!restarted && f.capturedAt >= restartAt) {
            replay.restartTracking();
            restarted = true;
        }
        replay.feed(f);
    }
    EXPECT_EQ(replay.report().repetitions(), 5);
}
