// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/breakscreen/BreakScreenMessages.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace qv::breakscreen {
namespace {

using State = BreakOverlayModel::State;

State fullState() {
    PoseSnapshot pose(81.25);
    pose.setJoint(Joint::root, {{0.5, 0.25}, 0.875f});
    pose.setJoint(Joint::rightAnkle, {{-0.01, 1.02}, 1.0f});
    State state;
    state.mode = BreakOverlayModel::Mode::success;
    state.secondsRemaining = 86400;
    state.totalSeconds = 90;
    state.repetitions = 10000;
    state.targetRepetitions = 12;
    state.pose = pose;
    state.framingElapsed = 19.75;
    state.statusMessage = QStringLiteral("Stell dich ins Bild – ä€😀");
    state.statusKind = StatusKind::cameraOff;
    state.exerciseKind = ExerciseKind::overheadRaise;
    state.successSummary = SuccessSummary{12, 400, true};
    state.emergencyEscapesRemaining = 100;
    // A leading byte order mark is text like any other.
    state.emergencyEscapeStatusMessage = QStringLiteral("\uFEFFNotausgang: noch 2 × halten");
    state.isEmergencyKeyHeld = true;
    state.soundEnabled = false;
    return state;
}

TEST(BreakScreenMessages, EveryMessageSurvivesTheTripUnchanged) {
    const std::vector<ToScreen> toScreen = {
        Show{fullState(), PreviewRef{1, 42, 640, 480}},
        Show{State{}, std::nullopt},
        Update{fullState(), std::nullopt},
        Update{State{}, PreviewRef{0, 2, 4096, 1}},
        Release{true},
        Release{false},
        PreviewMemory{},
    };
    for (const ToScreen& message : toScreen) {
        const auto result = decodeToScreen(encode(message));
        ASSERT_TRUE(result.ok()) << result.error().toStdString();
        EXPECT_EQ(*result, message);
    }
    std::vector<FromScreen> fromScreen = {Heartbeat{}, EmergencyKey{true}, EmergencyKey{false},
                                          PreviewSide{0}, PreviewSide{4096}};
    for (auto kind = 0; kind <= static_cast<int>(Action::Kind::emergencyEscape); ++kind) {
        fromScreen.push_back(Action{static_cast<Action::Kind>(kind)});
    }
    for (const FromScreen& message : fromScreen) {
        const auto result = decodeFromScreen(encode(message));
        ASSERT_TRUE(result.ok()) << result.error().toStdString();
        EXPECT_EQ(*result, message);
    }

    // A model's odd numbers still make a message the other side takes.
    State odd;
    odd.totalSeconds = 0;
    odd.secondsRemaining = -3;
    odd.emergencyEscapesRemaining = 1000;
    odd.framingElapsed = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(decodeToScreen(encode(Update{odd, std::nullopt})).ok());
    EXPECT_TRUE(decodeFromScreen(encode(PreviewSide{99999})).ok());
}

TEST(BreakScreenMessages, DamagedPacketsAreRefused) {
    const QByteArray full = encode(Show{fullState(), PreviewRef{1, 42, 640, 480}});
    std::vector<QByteArray> damaged;
    for (qsizetype size = 0; size < full.size(); ++size) {
        damaged.push_back(full.first(size));
    }
    damaged.push_back(full + '\0');
    damaged.push_back(QByteArray(full).replace(full.size() - 4, 2, QByteArray(2, 0))); // 0 wide

    const auto u32 = [](std::uint32_t value) {
        QByteArray bytes;
        for (int shift = 0; shift < 32; shift += 8) {
            bytes.append(static_cast<char>(value >> shift));
        }
        return bytes;
    };
    damaged.push_back(QByteArray(maxMessageBytes + 1, '\x01'));
    for (const QByteArray& packet : damaged) {
        const auto result = decodeToScreen(packet);
        EXPECT_FALSE(result.ok()) << packet.toHex().left(96).toStdString();
    }
    EXPECT_TRUE(decodeToScreen(full.first(2)).error().contains(u"break screen"));

    for (const QByteArray& packet : {
             encode(Action{}).replace(2, 1, "\x05"),       // an unknown action
             encode(EmergencyKey{}).replace(2, 1, "\x02"), // neither held nor let go
             encode(PreviewSide{}).replace(2, 4, u32(4097)),
             encode(Heartbeat{}) + '\0',
             encode(Release{}), // a message of the other side
             QByteArray(),
         }) {
        EXPECT_FALSE(decodeFromScreen(packet).ok()) << packet.toHex().toStdString();
    }
}

} // namespace
} // namespace qv::breakscreen
