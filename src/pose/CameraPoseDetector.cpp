// SPDX-License-Identifier: GPL-3.0-or-later
#include "pose/CameraPoseDetector.h"

#include "pose/MoveNetPoseDetector.h"

namespace qv {

PoseDetectorLoad loadCameraPoseDetector(std::optional<int> inputSize) {
    PoseEngineSettings settings;
    settings.threadCount = 1;
    if (inputSize) {
        settings.inputSize = *inputSize;
    }
    auto detector = MoveNetPoseDetector::load(settings);
    if (!detector) {
        return Failure{detector.error()};
    }
    return std::unique_ptr<PoseDetector>(std::move(*detector));
}

} // namespace qv
