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

TEST(PoseReplay, ATallerPasserByNeverTakesOverTheCount) {
    const Motion motion = Motion().stand(1).squats(5);
    for (bool listedFirst : {true, false}) {
        Camera camera;
        // Walks right through the user's place, much taller (nearer the camera).
        camera.passersBy.push_back(PasserBy{Body{}.scaled(1.6), -0.3, 1.3, 1.5, 4.5, listedFirst});
        camera.passersBy.push_back(PasserBy{Body{}.scaled(1.3), 1.2, -0.2, 3.0, 6.0, true});
        const auto frames = test::record(motion, Body{}, camera);
        EXPECT_EQ(countSquats(frames), 5) << "listed first: " << listedFirst;
    }
}

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

TEST(PoseReplay, ReportsRepetitionTimesAndFeedbackChanges) {
    const auto frames = test::record(Motion().stand(1).squats(2), Body{}, {});
    const auto report = replayFrames(ExerciseKind::squat, frames);
    ASSERT_EQ(report.repetitions(), 2);
    EXPECT_EQ(report.frames, static_cast<int>(frames.size()));
    EXPECT_EQ(report.framesWithPose, report.frames);
    // Each squat of 1.5 s plus a 0.5 s rest; counted on the way up.
    EXPECT_NEAR(report.repetitionTimes[1] - report.repetitionTimes[0], 2.0, 0.05);
    std::vector<QString> texts;
    for (const auto& change : report.feedbackChanges) {
        texts.push_back(change.feedback);
    }
    EXPECT_EQ(texts, (std::vector<QString>{"Stand tall", "Squat down", "Stand up", "Squat down",
                                           "Stand up", "Squat down"}));
}
