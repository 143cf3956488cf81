// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/coordination/CameraEngineFactory.h"

#include "core/camera/CameraExerciseProvider.h"

namespace qv {

CameraEngineFactory cameraEngineFactory(TimeSource& time, CameraAuthorizationCheck authorization,
                                        CameraBackend& cameras, PoseDetectorLoader loadDetector) {
    return [&time, authorization = std::move(authorization), &cameras,
            loadDetector = std::move(loadDetector)](const std::optional<QString>& deviceID,
                                                    ExerciseKind exercise, int target) {
        return std::make_unique<CameraExerciseProvider>(
            deviceID, exercise, target, time, authorization,
            std::make_unique<CameraCaptureService>(cameras, loadDetector));
    };
}

} // namespace qv
