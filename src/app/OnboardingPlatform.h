// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/CameraAuthorization.h"
#include "core/camera/CameraRun.h"
#include "core/onboarding/OnboardingModel.h"

namespace qv {

class CameraBackend;
class TimeSource;

// The camera side of the onboarding on this computer: the permission as the platform decides
// it, and a practice run of one squat through the real camera engine over a camera run made by
// makeRun; cameras say whether there is a camera at all.
OnboardingModel::Platform onboardingPlatform(CameraBackend& cameras, TimeSource& time,
                                             CameraAuthorizationCheck authorization,
                                             CameraRunFactory makeRun);

} // namespace qv
