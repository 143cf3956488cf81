// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/pose-replay/LandmarkCsv.h"

#include "core/verification/PoseReplay.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QFile>
#include <gtest/gtest.h>

using namespace qv;

namespace {

QByteArray headerRow() {
    QByteArray row = "frame";
    for (int i = 0; i < 33; ++i) {
        row += QStringLiteral(",x_%1,y_%1,z_%1,visibility_%1").arg(i).toLatin1();
    }
    return row + "\n";
}

// Every landmark at (0.5, 0.5) with visibility 0.9, except the ones given.
QByteArray row(int frame, std::map<int, std::array<double, 3>> landmarks = {}) {
    QByteArray out = QByteArray::number(frame);
    for (int i = 0; i < 33; ++i) {
        const auto found = landmarks.find(i);
        const std::array<double, 3> l =
            found != landmarks.end() ? found->second : std::array<double, 3>{0.5, 0.5, 0.9};
        out += "," + QByteArray::number(l[0], 'g', 17) + "," + QByteArray::number(l[1], 'g', 17) +
               ",-0.1," + QByteArray::number(l[2], 'g', 17);
    }
    return out + "\n";
}

PoseStreamContents read(const QByteArray& text) {
    QByteArray data = text;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return readLandmarks33Csv(buffer, 30);
}

} // namespace

TEST(LandmarkCsv, MapsLandmarksOntoJointsWithYUp) {
    const auto contents = read(headerRow() + row(0) +
                               row(3, {{11, {0.4, 0.2, 0.9}},
                                       {12, {0.6, 0.3, 0.6}},
                                       {23, {0.45, 0.6, 0.8}},
                                       {24, {0.55, 0.6, 0.7}},
                                       {27, {0.4, 1.02, 0.3}}}));
    ASSERT_FALSE(contents.error) << contents.error->text().toStdString();
    ASSERT_EQ(contents.frames.size(), 2u);
    const PoseFrame& f = contents.frames[1];
    EXPECT_DOUBLE_EQ(f.capturedAt, 0.1);
    ASSERT_EQ(f.people.size(), 1u);
    const PoseSnapshot& p = f.people[0];
    EXPECT_EQ(p.joint(Joint::leftShoulder), (PoseJoint{{0.4, 0.8}, 0.9f}));
    EXPECT_NEAR(p.joint(Joint::neck)->point.y, 0.75, 1e-12);
    EXPECT_EQ(p.joint(Joint::neck)->confidence, 0.6f);
    EXPECT_NEAR(p.joint(Joint::root)->point.x, 0.5, 1e-12);
    EXPECT_EQ(p.joint(Joint::root)->confidence, 0.7f);
    EXPECT_FALSE(p.joint(Joint::leftAnkle)); // placed below the image: guessed, not seen
    EXPECT_EQ(p.presentJointCount(), jointCount - 1);

    // A header with Windows line ends is still the header.
    const auto windows = read(headerRow().replace("\n", "\r\n") + row(0));
    ASSERT_FALSE(windows.error) << windows.error->text().toStdString();
    EXPECT_EQ(windows.frames.size(), 1u);
}

TEST(LandmarkCsv, MalformedRowsAreErrorsNamingTheLine) {
    QByteArray shortRow = row(1);
    shortRow.truncate(shortRow.lastIndexOf(',')); // a row cut short, as by a crash
    const struct {
        const char* name;
        QByteArray text;
        qint64 line;
    } cases[] = {
        {"empty", "", 0},
        {"missing columns", headerRow() + row(0) + shortRow + "\n", 3},
        {"not a number", headerRow() + row(0).replace("0.5,", "abc,"), 2},
        {"NaN", headerRow() + row(0, {{5, {std::nan(""), 0.5, 0.9}}}), 2},
        {"visibility above one", headerRow() + row(0, {{5, {0.5, 0.5, 1.5}}}), 2},
        {"frames out of order", headerRow() + row(2) + row(1), 3},
        // Anything but the header: another table, or no table at all, is not read as one.
        {"no header", row(0) + row(1), 1},
        {"another table's header", headerRow().replace("visibility_", "presence_") + row(0), 1},
        {"binary", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0", 18), 1},
    };
    for (const auto& c : cases) {
        const auto contents = read(c.text);
        ASSERT_TRUE(contents.error) << c.name;
        EXPECT_EQ(contents.error->line, c.line) << c.name;
        EXPECT_TRUE(contents.frames.empty() || c.line > 1) << c.name;
    }
}

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
