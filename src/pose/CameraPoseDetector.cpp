#include "pose/CameraPoseDetector.h"

#include "pose/MoveNetPoseDetector.h"

namespace qv {

PoseDetectorLoad loadCameraPoseDetector() {
    PoseEngineSettings settings;
    settings.threadCount = 1;
    auto detector = MoveNetPoseDetector::load(settings);
    if (!detector) {
        return Failure{detector.error()};
    }
    return std::unique_ptr<PoseDetector>(std::move(*detector));
}

} // namespace qv
