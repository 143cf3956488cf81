// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/breakscreen/BreakScreenPresentation.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

BreakOverlayModel::Initial squats() {
    BreakOverlayModel::Initial initial;
    initial.targetRepetitions = 10;
    initial.totalSeconds = 30;
    initial.emergencyEscapesRemaining = 3;
    return initial;
}

TEST(BreakScreenPresentation, ButtonsFollowTheModeTheExerciseAndTheCallbacks) {
    BreakOverlayModel model(squats(), nullptr);
    BreakScreenPresentation screen(model);
    model.apply(progress::Framing{std::nullopt, std::nullopt, 19.2});
    EXPECT_TRUE(screen.showsOtherWaysLine());
    EXPECT_TRUE(screen.otherWaysText().endsWith("1s"));
    EXPECT_FALSE(screen.showsUseTimedBreak());

    model.apply(progress::Framing{std::nullopt, std::nullopt, 20.0});
    EXPECT_FALSE(screen.showsOtherWaysLine());
    EXPECT_TRUE(screen.showsUseTimedBreak());
    EXPECT_TRUE(screen.showsSwitchToOverheadRaise());

    model.switchExercise(ExerciseKind::overheadRaise);
    model.apply(progress::Framing{std::nullopt, std::nullopt, 25.0});
    EXPECT_TRUE(screen.showsUseTimedBreak());
    EXPECT_FALSE(screen.showsSwitchToOverheadRaise());

    // "Can't squat" only when someone can act on it.
    model.switchExercise(ExerciseKind::squat);
    model.apply(progress::Exercise{PoseSnapshot{}, Image(4, 4), 2, 10});
    EXPECT_FALSE(screen.showsCantSquat());
    EXPECT_TRUE(screen.showsSwitchToTimedBreak());
    model.onSwitchToOverheadRaise = [] {};
    model.apply(progress::Exercise{PoseSnapshot{}, Image(4, 4), 3, 10});
    EXPECT_TRUE(screen.showsCantSquat());
    EXPECT_TRUE(screen.counterAccessibleText().startsWith("3 of 10"));

    model.apply(progress::HonorCountdown{12, 30});
    EXPECT_FALSE(screen.showsOpenCameraSettings());
    model.setStatusMessage(QStringLiteral("Camera disconnected."), StatusKind::cameraOff);
    EXPECT_TRUE(screen.showsOpenCameraSettings());
    EXPECT_TRUE(screen.honorPercentText().startsWith("60"));

    model.showSuccess(1, 0, true);
    EXPECT_FALSE(screen.showsEscapeControl());
}

} // namespace
} // namespace qv
