// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/base/Result.h"
#include "core/breakscreen/BreakOverlayModel.h"
#include "core/camera/FrameAnalysis.h"

#include <QString>
#include <functional>
#include <vector>

namespace qv::gallery {

// Real camera pictures with the poses found in them, one per exercise.
struct Frames {
    AnalysedFrame squat;
    AnalysedFrame overheadRaise;
};
Result<Frames> loadFrames();

// One picture of the gallery: how the model starts, what the break has been told since, and
// how long the emergency control has been held.
struct State {
    QString name;
    BreakOverlayModel::Initial initial;
    std::function<void(BreakOverlayModel&, const Frames&)> setUp;
    double holdSeconds = 0;
    bool reduceMotion = false;
};
std::vector<State> states();

} // namespace qv::gallery
