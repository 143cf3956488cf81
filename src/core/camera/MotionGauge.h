// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/verification/ExerciseKind.h"
#include "core/verification/PoseSnapshot.h"
#include "core/verification/RecentMaximum.h"

#include <optional>
#include <span>

namespace qv {

// Decides from the poses of the analysed frames how many frames a second need analysing: as
// many as keep the fastest joint within a step of its place on the frame before, at the speed
// it moved lately. A movement raises the rate on the first frame that shows it; a still body,
// whose joints only jitter, is analysed at the least rate. Distances are measured in the
// person's own torso lengths (from the shoulders while the hips are hidden), so near and far
// people are judged alike.
class MotionGauge {
public:
    // The farthest the fastest joint should move between two analysed frames, in torso
    // lengths. A squat that just reaches the counted depth moves its knees and hips about half
    // a torso each way, so each half shows on two frames or so: enough, as the squat
    // classifier smooths over a stretch of time rather than a number of frames and takes a
    // bottom from one of frames too sparse to show it on two. An arm raise moves the wrists
    // two or three torsos: five frames or more each way. The models' jitter moves a still
    // joint by a tenth or less.
    static constexpr double stepPerFrame = 0.4;
    // Seconds a movement keeps the rate it asked for, at least: longer than the pause at the
    // top of a repetition, where the classifiers measure the top the next one is judged by,
    // so that a set in progress keeps its rate.
    static constexpr double holdTime = 1.0;
    // The least rate, as a share of the full one. A person lost brings the full rate back,
    // and a break forgives a person lost for 0.35 s (its dropout grace): one slow interval and
    // one full one fit in that (0.27 s at 11 a second), so one lost frame never disarms a set.
    static constexpr double leastShare = 0.5;

    // Which joints' movement counts: those the exercise is counted by. A squat is judged by
    // the hips above the feet, so the arms a squatter swings to keep balance need no frames;
    // raises are judged by the arms, and a jumping jack's legs move with them. Every joint,
    // until told.
    void watch(ExerciseKind exercise);
    void add(const PoseSnapshot& pose);
    // Frames a second to analyse, between leastShare and all of fullRate.
    double rate(double fullRate) const;
    void reset();

private:
    // The rate the step from the last pose to this one asks for.
    double wantedRate(const PoseSnapshot& pose, double torso) const;

    std::span<const Joint> watched_ = allJoints;
    std::optional<PoseSnapshot> last_;
    RecentMaximum wanted_{holdTime};
    std::optional<double> startedAt_; // the first pose of the run
    double latestAt_ = 0;
};

} // namespace qv
