// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/verification/ExerciseKind.h"
#include "core/verification/OverheadRaiseClassifier.h"
#include "core/verification/PoseStream.h"
#include "core/verification/SquatClassifier.h"
#include "core/verification/SubjectTracker.h"

#include <QString>
#include <vector>

namespace qv {

// Runs recorded frames through person choice and the classifier of one exercise, and keeps
// what a person watching would want to know: when each repetition was counted and when the
// instruction changed. The camera engine's framing gate is not applied: every frame is fed
// to the classifier, a frame without a chosen person as a snapshot without joints.
class PoseReplay {
public:
    struct FeedbackChange {
        double at = 0;
        QString feedback;
        bool operator==(const FeedbackChange&) const = default;
    };

    struct Report {
        int frames = 0;
        int framesWithPose = 0;
        std::vector<double> repetitionTimes;
        std::vector<FeedbackChange> feedbackChanges;
        int repetitions() const { return static_cast<int>(repetitionTimes.size()); }
    };

    explicit PoseReplay(ExerciseKind exercise);

    // The snapshot the classifier was given.
    const PoseSnapshot& feed(const PoseFrame& frame);
    // As a camera restart does: the person is forgotten and calibration begins again; the
    // count stays.
    void restartTracking();

    ExerciseKind exercise() const { return exercise_; }
    const Report& report() const { return report_; }
    const SquatClassifier& squat() const { return squat_; }
    const OverheadRaiseClassifier& overheadRaise() const { return overheadRaise_; }

private:
    ExerciseKind exercise_;
    SubjectTracker tracker_;
    SquatClassifier squat_;
    OverheadRaiseClassifier overheadRaise_;
    PoseSnapshot chosen_;
    Report report_;
};

PoseReplay::Report replayFrames(ExerciseKind exercise, const std::vector<PoseFrame>& frames);

} // namespace qv
