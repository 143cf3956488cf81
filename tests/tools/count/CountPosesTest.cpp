// SPDX-License-Identifier: GPL-3.0-or-later
// What --poses may and may not do to files, before and after a run.

#include "support/FileBytes.h"
#include "support/TestSupport.h"
#include "tools/count/CountRun.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace qv;
using qv::test::readFile;
using qv::test::writeFile;

TEST(CountPoses, NamingTheInputVideoIsRefusedAndTheVideoKept) {
    test::TemporaryHome home;
    const QString video = home.filePath("clip.mp4");
    ASSERT_TRUE(writeFile(video, "pretend this is a video"));
    CountOptions options;
    options.videoPath = video;
    options.posesPath = home.filePath("./clip.mp4");
    const CountResult result = runCount(options, {});
    ASSERT_TRUE(result.failure);
    EXPECT_TRUE(result.failure->contains("names the input")) << result.failure->toStdString();
    EXPECT_EQ(readFile(video), "pretend this is a video");
}

// A run that fails (here: the video is no video) must leave an earlier stream as it was.
TEST(CountPoses, AFailedRunLeavesAnEarlierStreamUntouched) {
    test::TemporaryHome home;
    const QString video = home.filePath("notes.mp4");
    ASSERT_TRUE(writeFile(video, "these are not frames\n"));
    const QString poses = home.filePath("poses.jsonl");
    ASSERT_TRUE(writeFile(poses, "{\"earlier\":true}\n"));
    CountOptions options;
    options.videoPath = video;
    options.posesPath = poses;
    const CountResult result = runCount(options, {});
    ASSERT_TRUE(result.failure);
    EXPECT_EQ(readFile(poses), "{\"earlier\":true}\n");
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"notes.mp4", "poses.jsonl"}))
        << "no temporary file is left behind";
}
