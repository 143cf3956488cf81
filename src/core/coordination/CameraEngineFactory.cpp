// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/coordination/CameraEngineFactory.h"

#include "core/camera/CameraExerciseProvider.h"

namespace qv {

CameraEngineFactory cameraEngineFactory(TimeSource& time, CameraAuthorizationCheck authorization,
                                        CameraRunFactory makeRun) {
    return [&time, authorization = std::move(authorization), makeRun = std::move(makeRun)](
               const std::optional<QString>& deviceID, ExerciseKind exercise, int target) {
        return std::make_unique<CameraExerciseProvider>(deviceID, exercise, target, time,
                                                        authorization, makeRun());
    };
}

} // namespace qv
