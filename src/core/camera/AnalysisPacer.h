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
// burst.
class AnalysisPacer {
public:
    // Frames this much before their slot still take it: timestamps are rounded.
    static constexpr double tolerance = 0.002;

    explicit AnalysisPacer(double rate)
        : interval_(1.0 / rate) {}

    // Whether the frame captured at this time is analysed; if so it takes its slot.
    bool admit(double capturedAt) {
        if (capturedAt < nextSlot_ - tolerance) {
            return false;
        }
        const bool isOnSchedule = capturedAt - nextSlot_ < interval_;
        nextSlot_ = (isOnSchedule ? nextSlot_ : capturedAt) + interval_;
        return true;
    }
    void reset() { nextSlot_ = noSlot; }
    // From the next slot on; rate above 0.
    void setRate(double rate) { interval_ = 1.0 / rate; }

private:
    static constexpr double noSlot = -std::numeric_limits<double>::infinity();
    double interval_;
    double nextSlot_ = noSlot; // the first frame is always on time
};

} // namespace qv
