// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/CameraAuthorization.h"
#include "core/camera/CameraRun.h"
#include "core/time/TimeSource.h"
#include "core/verification/ExerciseKind.h"
#include "core/verification/VerificationEngine.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace qv {

// Makes the camera engine of one break run.
using CameraEngineFactory = std::function<std::unique_ptr<VerificationEngine>(
    const std::optional<QString>& deviceID, ExerciseKind exercise, int targetRepetitions)>;

// The camera engine over a camera run made by makeRun for each engine.
CameraEngineFactory cameraEngineFactory(TimeSource& time, CameraAuthorizationCheck authorization,
                                        CameraRunFactory makeRun);

} // namespace qv
