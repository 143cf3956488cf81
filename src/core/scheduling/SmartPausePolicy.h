// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace qv {

// The three readings smart pause decides on. Implementations answer quickly (within about
// 100 ms) and never fail outward: trouble reads as "not in use" and as NaN seconds.
class SmartPauseProbing {
public:
    virtual ~SmartPauseProbing() = default;
    virtual bool isMicrophoneInUse() = 0;
    virtual bool isCameraInUse() = 0;
    virtual double secondsSinceLastInput() = 0;
};

enum class SmartPauseDecision { meeting, away };

// Puts a due break off during a call and counts time already spent away as the break.
struct SmartPausePolicy {
    double idleThreshold = 180.0;

    // Absent: smart pause does not apply and the break is shown. The microphone is asked
    // first and the idle time last, so a call outranks any idle reading.
    std::optional<SmartPauseDecision> evaluate(SmartPauseProbing& probes) const;
};

} // namespace qv
