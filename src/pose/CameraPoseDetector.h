#pragma once

#include "core/camera/CameraCaptureService.h"

namespace qv {

// The pose detector for a camera run, as the capture service loads it on its own thread.
// One thread: a second takes a third off the time per frame, but its workers wait busily
// between layers, so a camera run costs more processor time with it than without (a third
// of a core instead of a quarter, and far more when other programs want the cores too).
PoseDetectorLoad loadCameraPoseDetector();

} // namespace qv
