// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/media/Image.h"
#include "core/verification/PoseSnapshot.h"

#include <QString>
#include <optional>
#include <variant>

namespace qv {

// What a status message is. Screens choose their cue from the kind, never from the words,
// which are in the user's language.
enum class StatusKind {
    coaching,          // a classifier's feedback key (see FeedbackCue), or nothing
    cameraPaused,      // the camera paused; the run goes on if it comes back soon
    cameraSubstituted, // the chosen camera is missing and another one is used
    cameraOff,         // why the camera is not used: it failed, or was never allowed
};

// What a verification engine reports to the break's owner. The alternatives keep their order:
// payload cases first.
namespace progress {

// The camera runs and the user is being framed; elapsed counts from the start of the camera
// run and does not restart when framing is lost.
struct Framing {
    std::optional<PoseSnapshot> pose;
    std::optional<Image> preview;
    double elapsedSeconds = 0;
    bool operator==(const Framing&) const = default;
};

// Counting is armed.
struct Exercise {
    PoseSnapshot pose;
    Image preview;
    int repetitions = 0;
    int target = 0;
    bool operator==(const Exercise&) const = default;
};

// The timed break runs.
struct HonorCountdown {
    int secondsRemaining = 0;
    int totalSeconds = 0;
    bool operator==(const HonorCountdown&) const = default;
};

// A hint shown unchanged as the break screen's status message.
struct TrackingFeedback {
    QString message;
    StatusKind kind = StatusKind::coaching;
    bool operator==(const TrackingFeedback&) const = default;
};

// The engine gives up; the message says why and is shown unchanged.
struct Failed {
    QString message;
    bool operator==(const Failed&) const = default;
};

struct Preparing {
    bool operator==(const Preparing&) const = default;
};

struct CameraPermissionRequired {
    bool operator==(const CameraPermissionRequired&) const = default;
};

// The target was reached or the time ran out.
struct Completed {
    bool operator==(const Completed&) const = default;
};

} // namespace progress

using VerificationProgress =
    std::variant<progress::Framing, progress::Exercise, progress::HonorCountdown,
                 progress::TrackingFeedback, progress::Failed, progress::Preparing,
                 progress::CameraPermissionRequired, progress::Completed>;

} // namespace qv
