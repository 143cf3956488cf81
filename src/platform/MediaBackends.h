// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/PlatformBackends.h"

#include <QString>
#include <functional>
#include <memory>

// The one place that picks how cameras are captured, for the processes that capture (the
// camera helper and the tools); it brings in the media framework, which the application
// never links.
namespace qv::mediaBackends {

// The cameras of this computer, to capture from. Make it on the main thread; clock gives the
// monotonic seconds frames are stamped with and must be safe to call from any thread.
std::unique_ptr<CameraBackend> makeCaptureBackend(std::function<double()> clock);
// What a capture run uses: this computer's cameras; or, when videoFile is given, that file
// as the only camera, played in real time, by the identifier the application lists it by.
platformBackends::Cameras makeCaptureCameras(std::function<double()> clock,
                                             const QString& videoFile = {});

} // namespace qv::mediaBackends
