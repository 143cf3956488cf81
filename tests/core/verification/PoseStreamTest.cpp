// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/PoseStream.h"

#include "core/verification/PoseReplay.h"
#include "support/FileBytes.h"
#include "support/SyntheticMotion.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <gtest/gtest.h>
#include <limits>

using namespace qv;

namespace {

const QByteArray header = "{\"format\":\"quorvantel-poses\",\"version\":1}\n";

PoseStreamContents readText(const QByteArray& text, bool skip = false) {
    QByteArray data = text;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return readPoseStream(buffer, skip);
}

QByteArray writeFrames(const std::vector<PoseFrame>& frames) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    PoseStreamWriter writer(buffer);
    for (const PoseFrame& frame : frames) {
        EXPECT_TRUE(writer.write(frame));
    }
    return data;
}

} // namespace

TEST(PoseStream, WrittenFramesReadBackExactly) {
    test::Camera camera;
    camera.noise = 0.01; // odd values: every digit must survive
    camera.passersBy.push_back({test::Body{}.scaled(1.2), 0.0, 1.0, 0.5, 1.5, true});
    camera.dropouts = {{1.6, 1.8}};
    camera.missingJoints = {Joint::nose, Joint::rightAnkle};
    auto frames = test::record(test::Motion().stand(0.5).squat(90), test::Body{}, camera);
    frames.front().people.front().setJoint(Joint::root, {{0.5, 0.5}, 0.123456789f});

    const QByteArray text = writeFrames(frames);
    EXPECT_TRUE(text.startsWith(header));
    EXPECT_EQ(text.count('\n'), static_cast<qsizetype>(frames.size()) + 1);
    const auto contents = readText(text);
    ASSERT_FALSE(contents.error) << contents.error->text().toStdString();
    EXPECT_EQ(contents.frames, frames);
}

TEST(PoseStream, BadLinesAreErrorsNamingTheLine) {
    const QByteArray good = "{\"t\":1.0,\"people\":[{\"root\":[0.5,0.5,0.9]}]}\n";
    struct Case {
        const char* name;
        QByteArray text;
        qint64 line;
        const char* mentions;
    };
    const Case cases[] = {
        {"empty file", "", 0, "empty"},
        {"no format line", good, 1, "not a pose stream"},
        {"unknown version", "{\"format\":\"quorvantel-poses\",\"version\":2}\n" + good, 1,
         "version"},
        {"truncated last line", header + good + "{\"t\":2.0,\"people\":[{\"root\":[0.5,0.", 3,
         "truncated"},
        {"unknown joint", header + good + "{\"t\":2,\"people\":[{\"leftEar\":[0.5,0.5,0.9]}]}\n", 3,
         "leftEar"},
        {"not a number", header + "{\"t\":1,\"people\":[{\"root\":[NaN,0.5,0.9]}]}\n", 2, ""},
        {"coordinate out of range", header + "{\"t\":1,\"people\":[{\"neck\":[0.5,7,0.9]}]}\n", 2,
         "neck"},
        {"short joint value", header + "{\"t\":1,\"people\":[{\"neck\":[0.5,0.5]}]}\n", 2,
         "[x, y, confidence]"},
        {"time going back", header + good + "\n{\"t\":0.5,\"people\":[]}\n", 4, "does not come"},
        {"no time", header + "{\"people\":[]}\n", 2, "\"t\""},
        {"over-long line",
         header + QByteArray(PoseStreamReader::maximumLineBytes + 10, ' ') + "x\n" + good, 2,
         "longer than"},
    };
    for (const Case& c : cases) {
        const auto contents = readText(c.text);
        ASSERT_TRUE(contents.error) << c.name;
        EXPECT_EQ(contents.error->line, c.line) << c.name;
        EXPECT_TRUE(contents.error->message.contains(QLatin1String(c.mentions)))
            << c.name << ": " << contents.error->text().toStdString();
        EXPECT_TRUE(contents.error->text().startsWith(QStringLiteral("line %1: ").arg(c.line)));
    }
}

TEST(PoseStream, WriterRefusesWhatTheReaderWouldReject) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    PoseStreamWriter writer(buffer);
    PoseSnapshot bad(1.0);
    bad.setJoint(Joint::neck, {{std::numeric_limits<double>::quiet_NaN(), 0.5}, 0.9f});
    EXPECT_FALSE(writer.write(1.0, {bad}));
    bad.setJoint(Joint::neck, {{0.5, 0.5}, 2.0f});
    EXPECT_FALSE(writer.write(1.0, {bad}));
    EXPECT_FALSE(writer.write(std::numeric_limits<double>::infinity(), {}));
    EXPECT_TRUE(writer.write(1.0, {}));
    EXPECT_FALSE(writer.write(1.0, {}));
    EXPECT_TRUE(writer.write(1.5, {PoseSnapshot(1.5)}));
    const auto contents = readText(data);
    EXPECT_FALSE(contents.error);
    EXPECT_EQ(contents.frames.size(), 2u);
}
