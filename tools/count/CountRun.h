// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/verification/ExerciseKind.h"

#include <QJsonObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace qv {

struct CountOptions {
    QString videoPath;
    ExerciseKind exercise = ExerciseKind::squat;
    std::optional<int> target; // none: count through the whole video
    // Play the video at its own speed on the real clock, as a camera would deliver it;
    // otherwise each frame comes as soon as the previous one has been dealt with, timed by
    // its position in the video.
    bool isRealTime = false;
    QString posesPath;                  // where to record the pose stream; empty for nowhere
    std::optional<int> inputSize;       // of the pose model; none for the engine's default
    std::optional<double> analysisRate; // analysed frames a second; none for a break's own
};

struct CountResult {
    int repetitions = 0;
    std::vector<double> repetitionTimes; // seconds into the video
    bool isCompleted = false;            // the target was reached
    std::optional<QString> failure;      // the engine gave up, with its sentence
    int analysedFrames = 0;
    double videoSeconds = 0;         // of the last frame analysed
    std::vector<QJsonObject> events; // every progress value, in order
};

// Runs the video through the capture service and the camera engine a break uses, with the
// video file standing in for the camera, and collects what the engine reported. onProgress
// is told of each analysed frame's time in the video and the count so far.
CountResult runCount(const CountOptions& options,
                     const std::function<void(double seconds, int repetitions)>& onProgress);

} // namespace qv
