// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/Result.h"
#include "core/verification/PoseDetector.h"
#include "core/verification/PoseStream.h"

#include <QString>
#include <functional>

namespace qv {

// Runs a pose detector over a video file as the camera pipeline runs it over camera frames:
// at most `fps` analyses a second on the file's own timing, the frames between dropped, and
// every person found converted to a snapshot. Each analysed frame goes to `onFrame`; it
// returns false to stop with an error.
class VideoPoseRecorder {
public:
    VideoPoseRecorder(PoseDetector& detector, double fps);

    // Blocks until the whole file has been analysed, or says what went wrong.
    Status run(const QString& videoPath, const std::function<bool(const PoseFrame&)>& onFrame);

    int analysedFrames() const { return analysed_; }

private:
    PoseDetector& detector_;
    double minimumInterval_;
    int analysed_ = 0;
};

} // namespace qv
