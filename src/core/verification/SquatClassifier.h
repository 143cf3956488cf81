// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/verification/PoseSnapshot.h"
#include "core/verification/RecentMaximum.h"
#include "core/verification/SampleWindow.h"

#include <QString>
#include <limits>
#include <optional>

namespace qv {

// Counts squats from a stream of poses, seen from the front or the side. The decision rests on
// the height of the hips above the feet, measured against the same height at the top of the
// motion: it shrinks by a fifth or more in any squat and hardly at all when someone walks,
// leans, bends over or marches. The 2D knee angle is reported but never gates: with the thighs
// pointing at the camera it stays near 180° however deep the squat. The top is taken from the
// motion itself, so someone who squats without a pause, or starts at the bottom, is measured
// from the highest point they reach. With the feet out of the picture the hips are measured
// above the knees, which a jump or a step towards the camera moves with them; with neither in
// view nothing is measured, as the hips' height in the picture alone changes as much when
// someone lands from a jump or walks up to the camera. `now` is the snapshot's capture time.
class SquatClassifier {
public:
    enum class Phase { seekingStanding, standing, bottom };
    // Which legs were visible when tracking began; reported, never used for counting.
    enum class TrackingMode { bilateral, leftSide, rightSide };

    struct Output {
        int repetitions = 0;
        Phase phase = Phase::seekingStanding;
        std::optional<double> smoothedAngle; // mean of the smoothed sides that exist
        std::optional<double> smoothedLeftAngle;
        std::optional<double> smoothedRightAngle;
        std::optional<TrackingMode> trackingMode;
        QString feedback;
        std::optional<double> hipDropRatio; // hip drop over the torso, when a torso is known
        std::optional<double> torsoLength;
        std::optional<double> standingHipY;
        bool operator==(const Output&) const = default;
    };

    static constexpr double bottomHold = 0.12;
    static constexpr double repetitionDebounce = 0.45;
    static constexpr double trackingGrace = 0.35;
    // The bottom: the hips' height above the floor shrinks by this share of the top one.
    static constexpr double requiredDepth = 0.2;
    // Back up: this share of the depth reached or less remains.
    static constexpr double returnShare = 0.3;
    // The top is the highest point of the last one to two of these.
    static constexpr double topBlockSeconds = 1.5;
    // How far, as a share of the hips' height above the feet, the floor may rise in one
    // frame more than the hips did: the model's jitter on planted feet.
    static constexpr double floorJitter = 0.05;
    // The hips' height is the mean of the frames of this last stretch of time: three at the
    // full analysis rate, two when fewer frames are analysed. Smoothing over a number of frames
    // instead would blur a brisk squat's bottom away just when the frames are few.
    static constexpr double smoothingSpan = 0.25;

    Output update(const PoseSnapshot& snapshot, double now);
    // Starts calibration afresh but keeps the count, so a lost and re-found user goes on
    // counting from where they were.
    void resetTracking();

    int repetitions() const { return repetitions_; }
    Phase phase() const { return phase_; }
    std::optional<TrackingMode> trackingMode() const { return trackingMode_; }
    std::optional<double> standingHipY() const { return standingHipY_; }
    std::optional<double> calibratedTorso() const { return calibratedTorso_; }

private:
    struct Derived;
    struct Step {
        QString feedback;
        std::optional<double> hipDropRatio;
    };

    void chooseTrackingMode(const PoseSnapshot& snapshot, bool hasLeft, bool hasRight,
                            bool hasHips);
    // What the hips' height is measured from: the lowest joints of the legs in view.
    enum class Floor { none, knees, feet };

    // False when the hips have nothing below them to be measured from on this frame: no ankle
    // or knee seen yet, or knees that have left the picture (feet lost stay where they were).
    bool followFloor(const PoseSnapshot& snapshot, double hipY);
    Output lose(double now);
    double recentHeight(double now) const;
    double floorFrom(double lowerJointY, double hipY) const;
    Step calibrate(const Derived& d, double now);
    Step awaitDescent(const Derived& d, double now);
    Step awaitReturn(const Derived& d, double now);
    std::optional<double> dropRatio(const Derived& d) const;
    Output output(const Step& step, std::optional<double> smoothedLeft,
                  std::optional<double> smoothedRight) const;

    int repetitions_ = 0;
    Phase phase_ = Phase::seekingStanding;
    std::optional<TrackingMode> trackingMode_;
    SampleWindow<double, 3> leftAngles_;
    SampleWindow<double, 3> rightAngles_;
    struct Height {
        double value = 0; // hips above the floor
        double at = 0;
    };
    SampleWindow<Height, 3> heightSamples_;
    SampleWindow<double, 5> torsoSamples_;
    Floor floor_ = Floor::none;
    std::optional<double> floorY_;    // the lower ankle or knee, kept while it is unseen
    std::optional<double> floorHipY_; // the hips' height on the last frame, to judge the floor by
    RecentMaximum recentTop_{topBlockSeconds};
    std::optional<double> topHeight_;    // the top of the motion, in heightSamples_ units
    std::optional<double> lowestHeight_; // the bottom of the current repetition
    std::optional<double> standingHipY_;
    std::optional<double> calibratedTorso_;
    std::optional<double> bottomSince_;
    // The depth reached on the last frame, when it came after a sparse frame already a quarter
    // of the way down: a bottom a brisk squat may show on that one frame only.
    std::optional<double> briefBottom_;
    double lastDrop_ = 0; // the top height less the mean height on the last frame
    double lastDropAt_ = 0;
    double lastRepetitionAt_ = -std::numeric_limits<double>::infinity();
    std::optional<double> trackingLostAt_;
};

} // namespace qv
