// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/pose-replay/LandmarkCsv.h"

#include "core/verification/PoseReplay.h"
#include "support/TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace qv;

TEST(LandmarkCsv, RealClipWithOneSquatCountsExactlyOne) {
    QV_REQUIRE_CLIP(path, "squat-side-small-1.blazepose33.csv");
    QFile file(*path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto contents = readLandmarks33Csv(file, 30);
    ASSERT_FALSE(contents.error) << contents.error->text().toStdString();
    EXPECT_EQ(contents.frames.size(), 341u);
    const auto squats = replayFrames(ExerciseKind::squat, contents.frames);
    EXPECT_EQ(squats.repetitions(), 1);
    EXPECT_EQ(squats.framesWithPose, 341);
    EXPECT_EQ(replayFrames(ExerciseKind::overheadRaise, contents.frames).repetitions(), 0);

    // The camera analyses at most 15 frames a second: every other frame must do as well.
    std::vector<PoseFrame> halfRate;
    for (std::size_t i = 0; i < contents.frames.size(); i += 2) {
        halfRate.push_back(contents.frames[i]);
    }
    EXPECT_EQ(replayFrames(ExerciseKind::squat, halfRate).repetitions(), 1);
}
