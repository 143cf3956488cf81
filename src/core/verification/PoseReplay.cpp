// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/PoseReplay.h"

namespace qv {

PoseReplay::PoseReplay(ExerciseKind exercise)
    : exercise_(exercise) {}

const PoseSnapshot& PoseReplay::feed(const PoseFrame& frame) {
    const auto index = tracker_.choose(frame.people, frame.capturedAt);
    chosen_ = index ? frame.people[*index] : PoseSnapshot(frame.capturedAt);
    chosen_.capturedAt = frame.capturedAt;
    ++report_.frames;
    report_.framesWithPose += chosen_.isEmpty() ? 0 : 1;

    int repetitions = 0;
    QString feedback;
    if (exercise_ == ExerciseKind::squat) {
        const auto out = squat_.update(chosen_, chosen_.capturedAt);
        repetitions = out.repetitions;
        feedback = out.feedback;
    } else {
        const auto out = overheadRaise_.update(chosen_, chosen_.capturedAt);
        repetitions = out.repetitions;
        feedback = out.feedback;
    }
    while (report_.repetitions() < repetitions) {
        report_.repetitionTimes.push_back(frame.capturedAt);
    }
    if (report_.feedbackChanges.empty() || report_.feedbackChanges.back().feedback != feedback) {
        report_.feedbackChanges.push_back({frame.capturedAt, feedback});
    }
    return chosen_;
}

void PoseReplay::restartTracking() {
    tracker_.reset();
    squat_.resetTracking();
    overheadRaise_.reset();
}

PoseReplay::Report replayFrames(ExerciseKind exercise, const std::vector<PoseFrame>& frames) {
    PoseReplay replay(exercise);
    for (const PoseFrame& frame : frames) {
        replay.feed(frame);
    }
    return replay.report();
}

} // namespace qv
