// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scheduling/SmartPausePolicy.h"

#include <cmath>

namespace qv {

std::optional<SmartPauseDecision> SmartPausePolicy::evaluate(SmartPauseProbing& probes) const {
    if (probes.isMicrophoneInUse() || probes.isCameraInUse()) {
        return SmartPauseDecision::meeting;
    }
    const double idle = probes.secondsSinceLastInput();
    if (!std::isfinite(idle) || idle < 0 || idle <= idleThreshold) {
        return std::nullopt;
    }
    return SmartPauseDecision::away;
}

} // namespace qv
