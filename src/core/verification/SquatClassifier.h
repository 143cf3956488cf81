#pragma once

#include "core/verification/PoseSnapshot.h"
#include "core/verification/SampleWindow.h"

#include <QString>
#include <limits>
#include <optional>

namespace qv {

// Counts squats from a stream of poses, seen from the front or the side. It calibrates the
// standing hip height and the torso length while the user stands still, then counts one
// repetition each time the hips drop far enough, stay down for a moment and come back up.
// Knee angles confirm straight legs when standing and bent knees at the bottom whenever the
// legs are visible. `now` is the snapshot's capture time.
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
    Step calibrate(double hipY, const Derived& d);
    Step awaitDescent(const Derived& d, double now);
    Step awaitReturn(const Derived& d, double now);
    Output output(const Step& step, std::optional<double> smoothedLeft,
                  std::optional<double> smoothedRight) const;

    int repetitions_ = 0;
    Phase phase_ = Phase::seekingStanding;
    std::optional<TrackingMode> trackingMode_;
    SampleWindow<double, 3> leftAngles_;
    SampleWindow<double, 3> rightAngles_;
    SampleWindow<double, 3> hipSamples_;
    SampleWindow<double, 5> torsoSamples_;
    std::optional<double> standingHipY_;
    std::optional<double> calibratedTorso_;
    int standingSamples_ = 0;
    std::optional<double> bottomSince_;
    double lastRepetitionAt_ = -std::numeric_limits<double>::infinity();
    std::optional<double> trackingLostAt_;
};

} // namespace qv
