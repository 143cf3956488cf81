// SPDX-License-Identifier: GPL-3.0-or-later
// The whole way from real video to a count: decoded frames at the camera's analysis rate,
// the real pose model, person choice and the classifier.

#include "core/verification/PoseReplay.h"
#include "pose/MoveNetPoseDetector.h"
#include "support/TestSupport.h"
#include "tools/pose-record/VideoPoseRecorder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace qv;

namespace {

struct Clip {
    const char* file;
    ExerciseKind exercise;
    int repetitions;
};

void PrintTo(const Clip& clip, std::ostream* os) {
    *os << clip.file;
}

class RealClipCounting : public testing::TestWithParam<Clip> {};

} // namespace

TEST_P(RealClipCounting, CountsWhatPeopleCounted) {
    const Clip clip = GetParam();
    QV_REQUIRE_CLIP(path, QLatin1String(clip.file));
    PoseEngineSettings settings;
    settings.threadCount = 1; // the clips run side by side under ctest -j2
    const auto detector = MoveNetPoseDetector::load(settings);
    if (!detector) {
        GTEST_SKIP() << "no pose model: " << detector.error().toStdString();
    }

    PoseReplay replay(clip.exercise);
    VideoPoseRecorder recorder(**detector, 15);
    const Status recorded = recorder.run(*path, [&](const PoseFrame& frame) {
        replay.feed(frame);
        return true;
    });
    ASSERT_TRUE(recorded) << recorded.error().toStdString();
    EXPECT_GT(replay.report().framesWithPose, replay.report().frames * 9 / 10);
    EXPECT_EQ(replay.report().repetitions(), clip.repetitions);
}

INSTANTIATE_TEST_SUITE_P(Squats, RealClipCounting,
                         testing::Values(Clip{"squat-side-3.mp4", ExerciseKind::squat, 3},
                                         Clip{"squat-side-gym-2.mp4", ExerciseKind::squat, 2},
                                         Clip{"squat-side-1.mp4", ExerciseKind::squat, 1}));

// One arm over the head while bending sideways is not a raise of both arms.
INSTANTIATE_TEST_SUITE_P(Raises, RealClipCounting,
                         testing::Values(Clip{"one-arm-stretch-0.mp4", ExerciseKind::overheadRaise,
                                              0}));
