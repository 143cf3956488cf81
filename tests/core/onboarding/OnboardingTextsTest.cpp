// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/onboarding/OnboardingTexts.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace qv::onboarding {
namespace {

using CameraState = OnboardingModel::CameraState;
using TrialPhase = OnboardingModel::TrialPhase;

TEST(OnboardingTexts, PresetsStayInsideTheSettingsRangeWithoutRepeats) {
    EXPECT_EQ(workIntervalPresets(), (QList<qint64>{20, 25, 50, 60}));
}

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

TEST(OnboardingTexts, CustomTileIsChosenByTheUserOrByAnIntervalNoPresetMatches) {
    EXPECT_FALSE(isCustomIntervalSelected(false, 50));
    EXPECT_TRUE(isCustomIntervalSelected(true, 50));
    EXPECT_TRUE(isCustomIntervalSelected(false, 45));
    EXPECT_FALSE(isCustomIntervalSelected(false, 20));
}

TEST(OnboardingTexts, CoachingCueFollowsTheFirstMatchingWord) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "Squat down"},
        {"Go deeper", "Go lower"},
        {"Drop your HIPS", "Go lower"},
        {"Calibrating — stand tall", "Stand tall"},
        {"Stay upright", "Stand tall"},
        {"Now rise", "Stand up"},
        {"Step back from the camera", "Step back"},
        {"Get in frame", "Step back"},
        {"Hold still", "Hold"},
        {"Nice rhythm", "Squat down"},
        // An earlier row wins over a later one.
        {"Hold lower", "Go lower"},
        {"Stand up, hips back", "Go lower"},
    };
    for (const auto& [feedback, cue] : cases) {
        EXPECT_EQ(coachingCue(QString::fromUtf8(feedback)), QString::fromUtf8(cue)) << feedback;
    }
}

TEST(OnboardingTexts, CameraActTextsFollowTheStateAndAFailure) {
    const QString failure = QStringLiteral("Camera is unavailable.");
    struct Case {
        CameraState state;
        QString failure;
        const char* status;
        const char* button;
    };
    for (const Case& c : {
             Case{CameraState::idle, {}, "CAMERA OFF", "Allow camera"},
             Case{CameraState::requesting, {}, "WAITING FOR YOUR SYSTEM", "Waiting…"},
             Case{CameraState::requesting, failure, "WAITING FOR YOUR SYSTEM", "Waiting…"},
             Case{CameraState::granted, {}, "CAMERA READY", "Start camera"},
             Case{CameraState::granted, failure, "CAMERA NEEDS ATTENTION", "Try again"},
             Case{CameraState::denied, {}, "CAMERA OFF", "Allow camera"},
             Case{CameraState::skipped, {}, "CAMERA OFF", "Allow camera"},
         }) {
        EXPECT_EQ(cameraStatusLabel(c.state, c.failure), QString::fromUtf8(c.status));
        EXPECT_EQ(cameraButtonText(c.state, c.failure), QString::fromUtf8(c.button));
    }

    EXPECT_TRUE(trialSubtitle(TrialPhase::off, failure).startsWith(u"The camera hit a snag."));
    EXPECT_EQ(trialSubtitle(TrialPhase::off, {}), trialSubtitle(TrialPhase::starting, {}));
    EXPECT_TRUE(trialSubtitle(TrialPhase::framing, {}).startsWith(u"Camera is live."));
    EXPECT_EQ(trialSubtitle(TrialPhase::exercising, {}), QStringLiteral("It sees you. Go."));
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
    EXPECT_EQ(dealText(25, 12), QStringLiteral("Every 25 minutes this computer locks itself.\n"
                                               "12 real squats — counted by your camera — buy "
                                               "it back."));
    EXPECT_EQ(loopSteps(8).at(2), QStringLiteral("8 SQUATS"));
    EXPECT_EQ(cycleCountdownText(50), QStringLiteral("50:00"));
    EXPECT_EQ(cycleCountdownText(60), QStringLiteral("1:00:00"));
    EXPECT_EQ(cycleCountdownText(85), QStringLiteral("1:25:00"));
    EXPECT_EQ(intervalTileText(60).unit, QStringLiteral("HOUR"));
    EXPECT_EQ(actKicker(0), QStringLiteral("ACT 01 / THE DEAL"));
    EXPECT_EQ(actAccessibleName(2, true), QStringLiteral("Act 3, current"));
}

} // namespace
} // namespace qv::onboarding
