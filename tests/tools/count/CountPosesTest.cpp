// SPDX-License-Identifier: GPL-3.0-or-later
// What --poses may and may not do to files, before and after a run.

#include "support/TestSupport.h"
#include "tools/count/CountRun.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace qv;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(CountPoses, NamingTheInputVideoIsRefusedAndTheVideoKept) {
    test::TemporaryHome home;
    const QString video = home.filePath("clip.mp4");
    write(video, "pretend this is a video");
    CountOptions options;
    options.videoPath = video;
    options.posesPath = home.filePath("./clip.mp4");
    const CountResult result = runCount(options, {});
    ASSERT_TRUE(result.failure);
    EXPECT_TRUE(result.failure->contains("names the input")) << result.failure->toStdString();
    EXPECT_EQ(contents(video), "pretend this is a video");
}

// A run that fails (here: the video is no video) must leave an earlier stream as it was.
TEST(CountPoses, AFailedRunLeavesAnEarlierStreamUntouched) {
    test::TemporaryHome home;
    const QString video = home.filePath("notes.mp4");
    write(video, "these are not frames\n");
    const QString poses = home.filePath("poses.jsonl");
    write(poses, "{\"earlier\":true}\n");
    CountOptions options;
    options.videoPath = video;
    options.posesPath = poses;
    const CountResult result = runCount(options, {});
    ASSERT_TRUE(result.failure);
    EXPECT_EQ(contents(poses), "{\"earlier\":true}\n");
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"notes.mp4", "poses.jsonl"}))
        << "no temporary file is left behind";
}
