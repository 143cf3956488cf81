// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OnboardingPlatform.h"

#include "core/camera/CameraBackend.h"
#include "core/camera/CameraExerciseProvider.h"

namespace qv {

OnboardingModel::Platform onboardingPlatform(CameraBackend& cameras, TimeSource& time,
                                             CameraAuthorizationCheck authorization,
                                             CameraRunFactory makeRun) {
    OnboardingModel::Platform platform;
    platform.authorizationStatus = authorization;
    // Access here is the device's permission: there is no prompt to wait for, the answer is
    // what the platform already says.
    platform.requestAccess = [authorization](std::function<void(bool)> answer) {
        answer(authorization && authorization() == CameraAuthorization::authorized);
    };
    platform.makeTrialProvider = [&time, authorization,
                                  makeRun](const std::optional<QString>& cameraID) {
        return std::make_unique<CameraExerciseProvider>(cameraID, ExerciseKind::squat, 1, time,
                                                        authorization, makeRun());
    };
    platform.hasCamera = [&cameras] { return !cameras.devices().isEmpty(); };
    return platform;
}

} // namespace qv
