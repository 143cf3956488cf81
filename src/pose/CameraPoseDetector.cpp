#include "pose/CameraPoseDetector.h"

#include "pose/MoveNetPoseDetector.h"

namespace qv {

PoseDetectorLoad loadCameraPoseDetector() {
    PoseEngineSettings settings;
    settings.threadCount = 1;
    QString error;
    auto detector = MoveNetPoseDetector::load(settings, &error);
    return {std::move(detector), error};
}

} // namespace qv
