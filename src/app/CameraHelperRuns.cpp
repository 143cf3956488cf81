// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CameraHelperRuns.h"

#include "app/HelperPrograms.h"
#include "platform/linux/camerahelper/HelperProcessCameraRun.h"
#include "pose/PoseModelFolder.h"

#include <QFileInfo>

namespace qv {

CameraRunFactory cameraHelperRuns(TimeSource& time, const QString& cameraVideo) {
    CameraHelperLaunch launch;
    launch.program = helperProgram(QStringLiteral("quorvantel-camera"));
    // The helper may read nothing else, so it is told exactly where the model is.
    launch.arguments << QStringLiteral("--model-dir") << defaultPoseModelDir();
    if (!cameraVideo.isEmpty()) {
        launch.arguments << QStringLiteral("--camera-video")
                         << QFileInfo(cameraVideo).absoluteFilePath();
    }
    return [&time, launch] { return std::make_unique<HelperProcessCameraRun>(time, launch); };
}

} // namespace qv
