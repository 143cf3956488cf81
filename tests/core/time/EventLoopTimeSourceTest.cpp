// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/time/EventLoopTimeSource.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {

void spinUntil(const std::function<bool()>& done, int limitMs = 2000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < limitMs) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
}

} // namespace

TEST(EventLoopTimeSource, RunsTasksOnTheEventLoopUntilCancelled) {
    qv::EventLoopTimeSource time;
    bool once = false;
    bool cancelledRan = false;
    int repeats = 0;
    auto delayed = time.after(0.01, [&] { once = true; });
    auto cancelled = time.after(0.01, [&] { cancelledRan = true; });
    cancelled.cancel();
    auto repeating = time.every(0.01, [&] { ++repeats; });
    const double before = time.monotonicSeconds();
    spinUntil([&] { return once && repeats >= 3; });
    EXPECT_TRUE(once);
    EXPECT_GE(repeats, 3);
    EXPECT_FALSE(delayed.isActive());
    EXPECT_FALSE(cancelledRan);
    EXPECT_GT(time.monotonicSeconds(), before);
    EXPECT_EQ(time.now().timeSpec(), Qt::UTC);
    repeating.cancel();
    const int stoppedAt = repeats;
    spinUntil([] { return false; }, 50);
    EXPECT_EQ(repeats, stoppedAt);
}
