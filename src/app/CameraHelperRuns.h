// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/CameraRun.h"

#include <QString>

namespace qv {

class TimeSource;

// Camera runs in the camera helper process beside this program's executable: each run starts
// its own helper and ends it. cameraVideo, when given, stands in for the camera there too.
CameraRunFactory cameraHelperRuns(TimeSource& time, const QString& cameraVideo);

} // namespace qv
