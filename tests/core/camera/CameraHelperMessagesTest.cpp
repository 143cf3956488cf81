// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/camera/CameraHelperMessages.h"

#include <gtest/gtest.h>
#include <vector>

namespace qv::camerahelper {
namespace {

PoseSnapshot somePose() {
    PoseSnapshot pose(1234.5625);
    pose.setJoint(Joint::root, {{0.5, 0.25}, 0.875f});
    pose.setJoint(Joint::leftKnee, {{-0.01, 1.02}, 0.3f});
    pose.setJoint(Joint::rightAnkle, {{0.123456789, 0.987654321}, 1.0f});
    return pose;
}

TEST(CameraHelperMessages, EveryMessageSurvivesTheTripUnchanged) {
    const std::vector<FromHelper> fromHelper = {
        FrameAnalysed{somePose(), std::nullopt},
        FrameAnalysed{PoseSnapshot(7), PreviewRef{1, 42, 320, 240}},
        RunReport{RunReport::Kind::interruption, QStringLiteral("Kamera unterbrochen – ä€😀")},
        RunReport{RunReport::Kind::interruptionEnded, {}},
        Heartbeat{true},
    };
    for (const FromHelper& message : fromHelper) {
        const auto result = decodeFromHelper(encode(message));
        ASSERT_TRUE(result.ok()) << result.error().toStdString();
        EXPECT_EQ(*result, message);
    }
    const std::vector<ToHelper> toHelper = {
        StartCapture{std::nullopt},
        StartCapture{QStringLiteral("usb-Acme_Camera-video-index0")},
        StartCapture{QString(), ExerciseKind::overheadRaise},
        SetPreview{640},
        StopCapture{},
    };
    for (const ToHelper& message : toHelper) {
        const auto result = decodeToHelper(encode(message));
        ASSERT_TRUE(result.ok()) << result.error().toStdString();
        EXPECT_EQ(*result, message);
    }
}

TEST(CameraHelperMessages, DamagedPacketsAreRefusedWithOneSentence) {
    const QByteArray frame = encode(FrameAnalysed{somePose(), PreviewRef{0, 2, 64, 48}});
    // Every truncation of a valid message, and one byte too many.
    for (qsizetype size = 0; size < frame.size(); ++size) {
        EXPECT_FALSE(decodeFromHelper(frame.first(size)).ok()) << size;
    }
    EXPECT_FALSE(decodeFromHelper(frame + '\0').ok());

    auto patched = [](QByteArray packet, qsizetype at, QByteArray bytes) {
        return packet.replace(at, bytes.size(), bytes);
    };
    std::vector<QByteArray> damaged = {
        patched(frame, 0, "\x01"),                          // another version
        patched(frame, 1, "\x7f"),                          // an unknown kind
        patched(frame, 10, QByteArray("\x00\x80", 2)),      // a sixteenth joint
        patched(frame, 2, QByteArray(8, '\xff')),           // time is not a number
        patched(frame, 12, QByteArray(8, '\xff')),          // a joint at NaN
        patched(frame, frame.size() - 13, "\x02"),          // preview mark neither yes nor no
        patched(frame, frame.size() - 4, QByteArray(2, 0)), // a preview zero pixels wide
        encode(RunReport{}).replace(2, 1, "\x09"),          // an unknown report
        encode(Heartbeat{}).replace(2, 1, "\x02"),          // a flag neither yes nor no
        QByteArray(maxMessageBytes + 1, '\x01'),
    };
    // A text whose length says more than the packet holds, or more than any text may.
    QByteArray text = encode(RunReport{RunReport::Kind::notice, QStringLiteral("abc")});
    damaged.push_back(patched(text, 3, QByteArray("\x04\x00", 2)));
    damaged.push_back(patched(text, 3, QByteArray("\xff\xff", 2)) + QByteArray(65535, 'x'));
    for (const QByteArray& packet : damaged) {
        const auto result = decodeFromHelper(packet);
        EXPECT_FALSE(result.ok()) << packet.toHex().left(64).toStdString();
        EXPECT_EQ(result.error().count(u'.'), 1) << result.error().toStdString();
    }
    EXPECT_FALSE(decodeToHelper(encode(Heartbeat{})).ok());
    EXPECT_FALSE(decodeToHelper(encode(SetPreview{64}).replace(2, 2, "\xff\xff")).ok());
    const QByteArray start = encode(StartCapture{});
    EXPECT_FALSE(decodeToHelper(start.first(start.size() - 1) + '\x02').ok()); // no such exercise
}

} // namespace
} // namespace qv::camerahelper
