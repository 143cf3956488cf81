// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/verification/HonorTimerProvider.h"

#include "core/time/VirtualTimeSource.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

using namespace qv;

namespace {

// Records every report with the time it came.
struct Recorder {
    std::vector<std::pair<double, VerificationProgress>> reports;
    int completions = 0;

    Recorder(VerificationEngine& engine, const TimeSource& time) {
        engine.onProgress = [this, &time](const VerificationProgress& p) {
            reports.emplace_back(time.monotonicSeconds(), p);
        };
        engine.onCompletion = [this] { ++completions; };
    }
    template <typename Kind> int count() const {
        return int(std::count_if(reports.begin(), reports.end(), [](const auto& r) {
            return std::holds_alternative<Kind>(r.second);
        }));
    }
};

// Runs every task later than asked, as a busy main thread does.
class LateTimeSource final : public TimeSource {
public:
    LateTimeSource(VirtualTimeSource& inner, double lateBySeconds)
        : inner_(inner)
        , late_(lateBySeconds) {}
    QDateTime now() const override { return inner_.now(); }
    double monotonicSeconds() const override { return inner_.monotonicSeconds(); }
    ScheduledTask after(double delay, std::function<void()> task) override {
        return inner_.after(delay + late_, std::move(task));
    }
    ScheduledTask every(double interval, std::function<void()> task) override {
        return inner_.every(interval + late_, std::move(task));
    }

private:
    VirtualTimeSource& inner_;
    double late_;
};

} // namespace

TEST(HonorTimerProvider, CountsDownFromTheFirstReportToOneCompletion) {
    VirtualTimeSource time;
    const double t0 = time.monotonicSeconds();
    HonorTimerProvider timer(time, 30);
    Recorder recorder(timer, time);

    timer.start();
    ASSERT_EQ(recorder.reports.size(), 1u);
    EXPECT_EQ(recorder.reports[0].second, VerificationProgress(progress::HonorCountdown{30, 30}));

    time.advance(35);
    EXPECT_EQ(recorder.completions, 1);
    EXPECT_EQ(recorder.count<progress::Completed>(), 1);
    EXPECT_EQ(recorder.reports.back().second, VerificationProgress(progress::Completed{}));
    const auto& last = recorder.reports[recorder.reports.size() - 2];
    EXPECT_DOUBLE_EQ(last.first - t0, 30.0);
    EXPECT_EQ(last.second, VerificationProgress(progress::HonorCountdown{0, 30}));
    EXPECT_TRUE(timer.didComplete());
    EXPECT_EQ(time.pendingTaskCount(), 0u);
}

TEST(HonorTimerProvider, LateTicksNeverStretchTheBreak) {
    VirtualTimeSource virtualTime;
    LateTimeSource time(virtualTime, 0.7);
    HonorTimerProvider timer(time, 5);
    Recorder recorder(timer, time);
    const double t0 = virtualTime.monotonicSeconds();
    timer.start();
    virtualTime.advance(60);
    ASSERT_EQ(recorder.completions, 1);
    // Ticks at 0.7, 1.65, 2.6, 3.55, 4.5, 5.45: the first tick past the deadline completes.
    EXPECT_NEAR(recorder.reports.back().first - t0, 5.45, 1e-9);
    EXPECT_EQ(recorder.reports[recorder.reports.size() - 2].second,
              VerificationProgress(progress::HonorCountdown{0, 5}));
}

TEST(HonorTimerProvider, OwnerMayDropTheEngineFromItsCallbacks) {
    VirtualTimeSource time;
    auto timer = std::make_unique<HonorTimerProvider>(time, 2);
    int completions = 0;
    timer->onProgress = [&](const VerificationProgress& p) {
        if (std::holds_alternative<progress::Completed>(p)) {
            timer.reset();
        }
    };
    timer->onCompletion = [&] { ++completions; };
    timer->start();
    time.advance(5);
    EXPECT_FALSE(timer);
    EXPECT_EQ(completions, 0); // dropped before it could call back
    EXPECT_EQ(time.pendingTaskCount(), 0u);

    // Dropping it while counting ends the loop without callbacks.
    auto counting = std::make_unique<HonorTimerProvider>(time, 2);
    int reports = 0;
    counting->onProgress = [&](const VerificationProgress&) { ++reports; };
    counting->start();
    counting.reset();
    time.advance(5);
    EXPECT_EQ(reports, 1);
}
