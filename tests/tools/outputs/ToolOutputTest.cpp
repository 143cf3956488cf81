// SPDX-License-Identifier: GPL-3.0-or-later
// The tools as a user runs them: an output that cannot be written is a failure with a sentence,
// and an output that is the input is refused before anything is written.
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QString err;
};

ToolRun runTool(const char* tool, const QStringList& arguments) {
    QProcess process;
    process.start(QString::fromLatin1(tool), arguments);
    process.waitForFinished(120'000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

QByteArray digestOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

} // namespace

TEST(ToolOutput, ThePoseToolNeverWritesOverItsPictureAndFailsOnAFullDevice) {
    qv::test::TemporaryHome home;
    const QString picture = home.filePath("in.png");
    QImage image(96, 64, QImage::Format_RGB32);
    image.fill(Qt::gray);
    ASSERT_TRUE(image.save(picture));
    const QString hardLink = home.filePath("hard.png");
    ASSERT_EQ(
        ::link(QFile::encodeName(picture).constData(), QFile::encodeName(hardLink).constData()), 0);
    const QByteArray before = digestOf(picture);

    for (const QString& output : {picture, hardLink}) {
        const ToolRun run = runTool(QV_POSE_TOOL, {picture, output});
        EXPECT_NE(run.exitCode, 0) << output.toStdString();
        EXPECT_TRUE(run.err.contains("names the input")) << run.err.toStdString();
    }
    EXPECT_EQ(digestOf(picture), before);

    const ToolRun full = runTool(QV_POSE_TOOL, {picture, "/dev/full"});
    if (full.err.contains("model")) {
        GTEST_SKIP() << "no pose model: " << full.err.toStdString();
    }
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_TRUE(full.err.contains("cannot write /dev/full")) << full.err.toStdString();
}

TEST(ToolOutput, RecordingAVideoToAFullDeviceFails) {
    QV_REQUIRE_CLIP(clip, "squat-side-1.mp4");
    const ToolRun run = runTool(QV_POSE_RECORD_TOOL, {*clip, "/dev/full"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("cannot write /dev/full")) << run.err.toStdString();
    const ToolRun same = runTool(QV_POSE_RECORD_TOOL, {*clip, *clip});
    EXPECT_EQ(same.exitCode, 1);
    EXPECT_TRUE(same.err.contains("names the input")) << same.err.toStdString();
}
