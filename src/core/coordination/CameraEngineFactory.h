// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/CameraAuthorization.h"
#include "core/camera/CameraCaptureService.h"
#include "core/time/TimeSource.h"
#include "core/verification/ExerciseKind.h"
#include "core/verification/VerificationEngine.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace qv {

class CameraBackend;

// Makes the camera engine of one break run.
using CameraEngineFactory = std::function<std::unique_ptr<VerificationEngine>(
    const std::optional<QString>& deviceID, ExerciseKind exercise, int targetRepetitions)>;

// The camera engine over a capture service on these cameras. The backend and the loader
// outlive every engine made.
CameraEngineFactory cameraEngineFactory(TimeSource& time, CameraAuthorizationCheck authorization,
                                        CameraBackend& cameras, PoseDetectorLoader loadDetector);

} // namespace qv
