// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <limits>

namespace qv {

// Decides which camera frames are analysed so that, on average, no more than `rate` a second
// are, whatever the camera's own rate: each analysed frame books the next slot one interval
// after the last slot, not after the frame. So at 11 a second a 30 frames-per-second camera
// gives 11 analysed frames (not every third frame, or 10), and a 15 frames-per-second one 11
// as well (not every second frame, or 7.5). A frame that comes more than an interval after
// its slot starts the slots afresh, so a pause or a slow analysis is never made up for with a
// burst. The next slot is booked from the rate of the moment: a rate raised after a slow one
// takes effect on the very next frame, not one slow interval later.
class AnalysisPacer {
public:
    // Frames this much before their slot still take it: timestamps are rounded.
    static constexpr double tolerance = 0.002;

    explicit AnalysisPacer(double rate)
        : interval_(1.0 / rate) {}

    // Whether the frame captured at this time is analysed; if so it takes its slot.
    bool admit(double capturedAt) {
        const double nextSlot = lastSlot_ + interval_;
        if (capturedAt < nextSlot - tolerance) {
            return false;
        }
        const bool isOnSchedule = capturedAt - nextSlot < interval_;
        lastSlot_ = isOnSchedule ? nextSlot : capturedAt;
        return true;
    }
    void reset() { lastSlot_ = noSlot; }
    // For the next slot on, the one already waited for included; rate above 0.
    void setRate(double rate) { interval_ = 1.0 / rate; }

private:
    static constexpr double noSlot = -std::numeric_limits<double>::infinity();
    double interval_;
    double lastSlot_ = noSlot; // the first frame is always on time
};

} // namespace qv
