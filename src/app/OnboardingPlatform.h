// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/CameraAuthorization.h"
#include "core/onboarding/OnboardingModel.h"

namespace qv {

class CameraBackend;
class TimeSource;

// The camera side of the onboarding on this computer: the permission as the platform decides
// it, and a practice run of one squat through the real capture service and camera engine on
// the given cameras (a video file's, with --camera-video).
OnboardingModel::Platform onboardingPlatform(CameraBackend& cameras, TimeSource& time,
                                             CameraAuthorizationCheck authorization);

} // namespace qv
