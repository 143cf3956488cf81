// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/verification/PoseSnapshot.h"
#include "core/verification/RecentMaximum.h"
#include "core/verification/SampleWindow.h"

#include <QString>
#include <limits>
#include <optional>

namespace qv {

// Counts overhead arm raises: both wrists rise above a virtual head line and come back down
// below the middle of the head, whether they started by the hips, at the shoulders (a press)
// or already overhead. A moment at the top is enough, so raises as brisk as jumping jacks
// count. Needs only the upper body in view. `now` is the snapshot's capture time.
class OverheadRaiseClassifier {
public:
    enum class Phase { seekingStart, ready, overhead };

    // Heights in normalised image units, y up.
    struct Sample {
        double leftShoulderY = 0;
        double rightShoulderY = 0;
        double leftWristY = 0;
        double rightWristY = 0;
        double headY = 0; // the shoulders at rest plus the reach of the upper arm
        double lowY = 0;  // the higher shoulder plus half that reach
        // Both wrists above the head line; both below the low line.
        bool isUp() const;
        bool isDown() const;
        // Both wrists above their shoulders: arms on their way up or down, or overhead.
        bool isRaised() const;
    };

    struct Result {
        int repetitions = 0;
        Phase phase = Phase::seekingStart;
        QString feedback;
        // Smoothed over the current window; none while it is empty.
        std::optional<double> leftWristY;
        std::optional<double> rightWristY;
        std::optional<double> headY;
        bool operator==(const Result&) const = default;
    };

    // Two of the last three samples decide: one stray frame neither raises nor lowers. A top
    // seen on one frame between two with the arms raised is a brisk raise passing through it.
    static constexpr int windowSize = 3;
    static constexpr double repetitionDebounce = 0.5;
    // Wrists blur in fast raises and hide behind what the hands hold; the model then reports
    // them at 0.2 to 0.3 while still placing them right.
    static constexpr float wristConfidence = 0.2f;

    // The sample of one frame, with the head line from that frame's own arms; none when a
    // shoulder or an elbow is below the confidence floor or a wrist below wristConfidence.
    static std::optional<Sample> sample(const PoseSnapshot& snapshot);

    Result update(const PoseSnapshot& snapshot, double now);
    // For a camera start: the phase and the window begin again, the count stays.
    void reset();

    int repetitions() const { return repetitions_; }
    Phase phase() const { return phase_; }

private:
    // The upper arm's length in image heights: the longest vertical extent of the upper arm
    // over the last few seconds, as it hangs or points up at some time in every raise; arms
    // hanging straight down show it best, so their reading replaces what was kept (someone
    // who stepped back looks smaller at once). The 2D length itself would shrink for an arm
    // pointing at the camera and change with the picture's aspect for an arm held sideways.
    class ArmReach {
    public:
        double update(double extent, bool isHanging, double now);
        void reset();

    private:
        SampleWindow<double, 3> extents_;
        RecentMaximum longest_{2.0};
    };

    // Where the shoulders sit when the arms are down. Lifting the arms overhead lifts the
    // shoulder girdle too, toward the ears, while the head stays where it was; a head line
    // over the lifted shoulders would stand above the real head just when the hands are
    // there. The nose does not move with the arms: its height over the shoulders while the
    // arms hang tells how far they have risen since.
    class RestingShoulders {
    public:
        double update(double shoulderY, std::optional<double> noseY, bool isHanging,
                      bool isElbowsAboveShoulders, double reach);
        void reset();

    private:
        std::optional<double> noseAbove_;
    };

    QString advance(double now);
    Result result(QString feedback) const;

    int repetitions_ = 0;
    Phase phase_ = Phase::seekingStart;
    SampleWindow<Sample, windowSize> samples_;
    ArmReach reach_;
    RestingShoulders shoulders_;
    double lastRepetitionAt_ = -std::numeric_limits<double>::infinity();
};

} // namespace qv
