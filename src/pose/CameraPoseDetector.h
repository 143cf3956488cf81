// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/camera/CameraCaptureService.h"

#include <optional>

namespace qv {

// The pose detector for a camera run, as the capture service loads it on its own thread.
// One thread: a second takes a third off the time per frame, but its workers wait busily
// between layers, so a camera run costs more processor time with it than without (a third
// of a core instead of a quarter, and far more when other programs want the cores too).
// inputSize: the side of the model's input; none for the engine's default.
PoseDetectorLoad loadCameraPoseDetector(std::optional<int> inputSize = std::nullopt);

} // namespace qv
