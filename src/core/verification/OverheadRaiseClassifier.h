#pragma once

#include "core/verification/PoseSnapshot.h"
#include "core/verification/SampleWindow.h"

#include <QString>
#include <limits>
#include <optional>

namespace qv {

// Counts overhead arm raises: both wrists start below the shoulders, rise above a virtual head
// line, are held there briefly and come back down. Needs only the upper body in view. `now`
// is the snapshot's capture time.
class OverheadRaiseClassifier {
public:
    enum class Phase { seekingStart, ready, overhead };

    // Heights in normalised image units, y up.
    struct Sample {
        double leftShoulderY = 0;
        double rightShoulderY = 0;
        double leftWristY = 0;
        double rightWristY = 0;
        double headY = 0; // the higher shoulder plus the reach of the arms
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

    static constexpr int windowSize = 5;
    static constexpr double overheadHold = 0.2;
    static constexpr double repetitionDebounce = 0.5;

    static std::optional<Sample> sample(const PoseSnapshot& snapshot);

    Result update(const PoseSnapshot& snapshot, double now);
    // For a camera start: the phase and the window begin again, the count stays.
    void reset();

    int repetitions() const { return repetitions_; }
    Phase phase() const { return phase_; }

private:
    QString advance(double now);
    Result result(QString feedback) const;

    int repetitions_ = 0;
    Phase phase_ = Phase::seekingStart;
    SampleWindow<Sample, windowSize> samples_;
    std::optional<double> overheadSince_;
    double lastRepetitionAt_ = -std::numeric_limits<double>::infinity();
};

} // namespace qv
