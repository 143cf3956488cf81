// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/CameraBackend.h"

namespace qv {

// The camera a video file stands in for. The application lists it and the camera helper
// opens it, each by this identifier.
CameraDevice videoFileCamera(const QString& path);

} // namespace qv
