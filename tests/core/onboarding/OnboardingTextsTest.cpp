// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/onboarding/OnboardingTexts.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace qv::onboarding {
namespace {

using CameraState = OnboardingModel::CameraState;
using TrialPhase = OnboardingModel::TrialPhase;

TEST(OnboardingTexts, CustomIntervalMovesByFiveAndStopsAtTheEnds) {
    struct Case {
        qint64 from;
        int direction;
        qint64 expected;
    };
    for (const Case c : {Case{20, -1, 20}, Case{20, +1, 25}, Case{90, +1, 90}, Case{90, -1, 85},
                         Case{88, +1, 90}, Case{22, -1, 20}, Case{50, -3, 45}}) {
        EXPECT_EQ(adjustedCustomInterval(c.from, c.direction), c.expected)
            << c.from << " by " << c.direction;
    }
}

TEST(OnboardingTexts, CoachingCueFollowsTheKindAndOnlyACoachingKeyPicksACue) {
    using enum StatusKind;
    const std::tuple<StatusKind, const char*, const char*> cases[] = {
        {coaching, "", "Squat down"},
        {coaching, "Step back", "Step back"},
        // The practice run is a squat: an arm cue asks for one.
        {coaching, "Lower both arms", "Squat down"},
        {cameraPaused, "Kamera pausiert", "Camera paused"},
        {cameraSubstituted, "Stand tall", "Squat down"},
    };
    for (const auto& [kind, feedback, cue] : cases) {
        EXPECT_EQ(coachingCue(kind, QString::fromUtf8(feedback)), QString::fromUtf8(cue))
            << feedback;
    }
}

// A failure changes the camera act's words only once the camera was granted; a question still
// open, a refusal and a skip read alike whatever happened before.
TEST(OnboardingTexts, CameraActTextsFollowTheStateAndAFailure) {
    const QString failure = QStringLiteral("Camera is unavailable.");
    const auto texts = [](CameraState state, const QString& failed) {
        return std::pair(cameraStatusLabel(state, failed), cameraButtonText(state, failed));
    };
    EXPECT_NE(texts(CameraState::granted, failure), texts(CameraState::granted, {}));
    EXPECT_EQ(texts(CameraState::requesting, failure), texts(CameraState::requesting, {}));
    EXPECT_NE(texts(CameraState::requesting, {}), texts(CameraState::idle, {}));
    EXPECT_EQ(texts(CameraState::denied, {}), texts(CameraState::idle, {}));
    EXPECT_EQ(texts(CameraState::skipped, {}), texts(CameraState::idle, {}));
    EXPECT_TRUE(cameraButtonText(CameraState::granted, failure).contains("again"));

    EXPECT_NE(trialSubtitle(TrialPhase::off, failure), trialSubtitle(TrialPhase::off, {}));
    EXPECT_EQ(trialSubtitle(TrialPhase::off, {}), trialSubtitle(TrialPhase::starting, {}));
    EXPECT_NE(trialSubtitle(TrialPhase::framing, {}), trialSubtitle(TrialPhase::exercising, {}));
    EXPECT_TRUE(trialSubtitle(TrialPhase::counted, {}).isEmpty());
}

TEST(OnboardingTexts, ChecklistTicksALegFirstAndTheFramingSecond) {
    const auto leg = [](double ankleY) {
        PoseSnapshot pose;
        pose.setJoint(Joint::leftHip, {{0.5, 0.55}, 0.9f});
        pose.setJoint(Joint::leftKnee, {{0.5, 0.35}, 0.9f});
        pose.setJoint(Joint::leftAnkle, {{0.5, ankleY}, 0.9f});
        return pose;
    };
    const auto ticks = [](const std::optional<PoseSnapshot>& pose) {
        const auto rows = trialChecklist(pose);
        return std::pair(rows[0].isMet, rows[1].isMet);
    };
    EXPECT_EQ(ticks(std::nullopt), std::pair(false, false));
    EXPECT_EQ(ticks(PoseSnapshot{}), std::pair(false, false));
    EXPECT_EQ(ticks(leg(0.0)), std::pair(true, false)); // the ankle on the picture's edge
    EXPECT_EQ(ticks(leg(0.15)), std::pair(true, true));
}

TEST(OnboardingTexts, DealAndCountdownCarryTheChosenNumbers) {
    EXPECT_TRUE(dealText(25, 12).contains("25 minutes"));
    EXPECT_TRUE(dealText(25, 12).contains("12 real squats"));
    EXPECT_TRUE(loopSteps(8).join(' ').contains("8 SQUATS"));
    EXPECT_EQ(cycleCountdownText(85), "1:25:00"); // the countdown's own tests cover its shapes
    EXPECT_NE(intervalTileText(60).unit, intervalTileText(25).unit) << "one hour, many minutes";
}

} // namespace
} // namespace qv::onboarding
