// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/camera/AnalysisPacer.h"

#include <gtest/gtest.h>
#include <vector>

using qv::AnalysisPacer;

namespace {

// Capture times of a camera at `fps` from `start` for `seconds`, each moved by the next of
// `jitter` in turn (timestamps are rounded and cameras are not exact).
std::vector<double> cameraTimes(double fps, double seconds, double start = 10,
                                std::vector<double> jitter = {0}) {
    std::vector<double> times;
    const int frames = static_cast<int>(fps * seconds + 0.5);
    for (int i = 0; i < frames; ++i) {
        times.push_back(start + i / fps + jitter[static_cast<std::size_t>(i) % jitter.size()]);
    }
    return times;
}

std::vector<double> admitted(double rate, const std::vector<double>& times) {
    AnalysisPacer pacer(rate);
    std::vector<double> out;
    for (double t : times) {
        if (pacer.admit(t)) {
            out.push_back(t);
        }
    }
    return out;
}

} // namespace

// The rate holds on average whatever the camera's rate, and no gap between analysed frames
// is longer than one camera frame beyond the interval.
TEST(AnalysisPacer, AnalysesTheRateOnAverageFromAnyCamera) {
    struct Case {
        const char* what;
        double rate;
        double cameraFps;
        std::vector<double> jitter;
        std::size_t want; // over 4 seconds
    };
    const Case cases[] = {
        {"30 fps at 15: every second frame", 15, 30, {0}, 60},
        {"30 fps at 10: every third frame", 10, 30, {0}, 40},
        {"15 fps at 12: four frames of five, not every second one", 12, 15, {0}, 48},
        {"29.97 fps at 15", 15, 29.97, {0}, 60},
        {"30 fps at 15, timestamps rounded to the millisecond", 15, 30, {0, -0.0003, 0.0003}, 60},
        {"15 fps at 15, jittering by a millisecond", 15, 15, {0.001, -0.001}, 60},
        {"a camera slower than the rate: every frame", 15, 10, {0}, 40},
    };
    for (const Case& c : cases) {
        const auto times = cameraTimes(c.cameraFps, 4, 10, c.jitter);
        const auto analysed = admitted(c.rate, times);
        EXPECT_EQ(analysed.size(), c.want) << c.what;
        for (std::size_t i = 1; i < analysed.size(); ++i) {
            EXPECT_LE(analysed[i] - analysed[i - 1], 1 / c.rate + 1 / c.cameraFps + 0.002)
                << c.what << " at " << analysed[i];
        }
    }
}

TEST(AnalysisPacer, APauseIsNotMadeUpForWithABurst) {
    // Frames stop for a second (a busy machine, a camera hiccup), then come at 30 a second.
    const std::vector<double> times = {10.0, 10.0667, 11.0, 11.0333, 11.0667, 11.1, 11.1333};
    EXPECT_EQ(admitted(15, times), (std::vector<double>{10.0, 10.0667, 11.0, 11.0667, 11.1333}));
    // Late by less than an interval: the schedule holds, so the next slot comes early once.
    EXPECT_EQ(admitted(10, {10.0, 10.15, 10.2, 10.25, 10.3}),
              (std::vector<double>{10.0, 10.15, 10.2, 10.3}));
}

// A movement seen on a slow frame needs the next frames at once, not one slow interval later.
TEST(AnalysisPacer, ARaisedRateTakesTheNextFrame) {
    AnalysisPacer pacer(3);
    EXPECT_TRUE(pacer.admit(10.0));
    pacer.setRate(12);
    EXPECT_FALSE(pacer.admit(10.05));
    EXPECT_TRUE(pacer.admit(10.0833));
    pacer.setRate(3);
    EXPECT_FALSE(pacer.admit(10.3));
    EXPECT_TRUE(pacer.admit(10.4166));
}
